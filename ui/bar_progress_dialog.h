// The progress window of pages read from the page store: a bar and a Cancel
// button (template 331). It appears only when the read is going to take a
// while: once 20 per cent are done and the whole is projected to need three
// seconds or more.
#pragma once

#include "ui/progress_dialog.h"

#include <cstdint>

class BarProgressDialog : public ProgressDialog {
public:
    // Makes the window, hidden and centred on `owner`; `clock` times both the
    // projection and the refreshes.
    explicit BarProgressDialog(const CWnd* owner, Clock clock = Clock());

    // Whether the window could be made; without it SetPercent still pumps
    // messages and never reports a cancel.
    bool IsOpen() const { return IsAttached(); }
    bool IsShown() const { return shown_; }

    // Reports `percent` done; false once the user has cancelled. Once shown,
    // messages are pumped and the bar moved at the step that shows the
    // window, at 100 per cent and otherwise at most once per refresh
    // interval; a cancel is reported at the first of those after it.
    bool SetPercent(int percent);

    static constexpr int kShowFromPercent = 20;
    static constexpr uint32_t kShowWhenProjectedMs = 3000;

protected:
    bool OnInitDialog() override;

private:
    uint32_t start_ = 0;
    bool shown_ = false;
};
