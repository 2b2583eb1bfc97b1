// The source's progress windows as the user sees them: found among the
// windows of the test's thread (a visible dialog with the progress bar) and
// cancelled by a click on their Cancel button, sent as a message.
#pragma once

#include <windows.h>

// The visible progress window of this thread, or null.
HWND FindProgressWindow();
// Posts the Cancel button's click to the window.
void PressCancel(HWND window);

// While it lives, a thread timer looks for a progress window every few
// milliseconds (its ticks arrive while the window pumps messages) and presses
// Cancel in the first one it finds.
class CancelWhenProgressShows {
public:
    CancelWhenProgressShows();
    ~CancelWhenProgressShows();
    CancelWhenProgressShows(const CancelWhenProgressShows&) = delete;
    CancelWhenProgressShows& operator=(const CancelWhenProgressShows&) = delete;

    bool Pressed() const { return pressed_ != nullptr; }
    // The window whose Cancel button was pressed.
    HWND Window() const { return pressed_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

    UINT_PTR timer_ = 0;
    HWND pressed_ = nullptr;
};
