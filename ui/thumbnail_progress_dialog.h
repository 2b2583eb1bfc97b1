// The progress window of rows read straight from the scanner (template 330):
// the page grows as a thumbnail above the bar while it is scanned.
#pragma once

#include "engine/thumbnail.h"
#include "framework/controls.h"
#include "ui/progress_dialog.h"

#include <cstdint>

class ThumbnailProgressDialog : public ProgressDialog {
public:
    // Makes and shows the window for a page of `width` x `length` pixels
    // scanned in `scanMode`, centred on `owner`; `clock` times the refreshes.
    ThumbnailProgressDialog(const CWnd* owner, UINT templateId, int16_t scanMode, int32_t width,
                            int32_t length, Clock clock = Clock());

    // Whether the window could be made; without it AddRows still pumps
    // messages and counts rows, and never reports a cancel.
    bool IsOpen() const { return IsAttached(); }

    // Takes the next block of `count` scanner rows; false once the user has
    // cancelled. A count of 0 or less only pumps and checks for a cancel.
    // The rows go into the thumbnail at once; messages are pumped, and the
    // bar and the picture brought up to date, for the first block, the block
    // that completes the page and otherwise at most once per refresh
    // interval. A cancel is reported at the first of those after it, and the
    // block that sees it is not taken.
    bool AddRows(const uint8_t* rows, int32_t count);

    const Thumbnail& Picture() const { return thumbnail_; }

protected:
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Paint(HDC dc) const;
    // Sets the bar and draws the rows filled since the last time.
    void ShowProgress();

    int16_t scanMode_;
    int32_t width_;
    int32_t length_;
    Thumbnail thumbnail_;
    CStatic frame_;
    RECT frameRect_{};  // the frame's client area in the window's client coordinates
    int rowsDrawn_ = 0;  // thumbnail rows on the screen
};
