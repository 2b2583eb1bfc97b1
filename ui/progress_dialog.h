// What the two scanning progress windows share: a modeless window with a
// progress bar and a Cancel button that the scanning loop calls after every
// block. The window pumps the thread's messages so that the user can cancel
// and the screen stays alive; the cancel flag ends the loop at its next block.
//
// Blocks come far faster than the screen refreshes (a colour page at 600 dpi
// brings some 800 of them in a tenth of a second), and under Wine every
// pump, bar move and drawing is a round trip to the server. So the work that
// shows something or looks for the user (pumping, the bar, drawing) is done
// at most once per refresh interval, always for the first call and for the
// one that completes the page; the window ends exactly as if it had been
// updated after every block.
#pragma once

#include "framework/controls.h"
#include "framework/dialog.h"

#include <cstdint>
#include <functional>

class ProgressDialog : public CDialog {
public:
    // At most this many waiting messages are handled per pump.
    static constexpr int kPumpLimit = 100;
    // One screen refresh, in milliseconds.
    static constexpr uint32_t kRefreshMs = 16;

    // Milliseconds of a free-running clock (the performance counter when
    // none is given). Called once per block.
    using Clock = std::function<uint32_t()>;

    // Set by Cancel, Enter, Escape, the close box, a system suspend and a
    // window destroyed from outside; the window stays until the caller
    // destroys this object.
    bool Cancelled() const { return cancelled_; }

    // The caller went back to the application since the last block (each
    // strip of a memory transfer is a call of its own), so the user may have
    // acted: the next block pumps whatever the clock says.
    void ExpectInput() { inputExpected_ = true; }

protected:
    ProgressDialog(UINT templateId, const CWnd* owner, Clock clock);

    // Clears the flag, sets the caption, the Cancel text and the bar (0 of 100).
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnOK() override { cancelled_ = true; }
    void OnCancel() override { cancelled_ = true; }

    uint32_t Now() const;
    // Whether the window is to be brought up to date at `now`: the first time
    // it is asked after initialisation, whenever `always` is set (the page is
    // complete), and once a refresh interval has passed since it last was.
    bool RefreshDue(uint32_t now, bool always);

    // Whether this block pumps: at a refresh, or when input is expected.
    bool PumpDue(bool refresh) {
        const bool due = refresh || inputExpected_;
        inputExpected_ = false;
        return due;
    }
    void Pump() { PumpMessages(kPumpLimit); }
    const CProgressCtrl& Bar() const { return bar_; }

private:
    Clock clock_;
    bool cancelled_ = false;
    bool refreshed_ = false;
    bool inputExpected_ = false;
    uint32_t lastRefresh_ = 0;
    CProgressCtrl bar_;
};
