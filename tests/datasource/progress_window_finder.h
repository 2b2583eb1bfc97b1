// The source's progress windows as the user sees them: found among the
// windows of the test's thread (a visible dialog with the progress bar) and
// cancelled by a click on their Cancel button, sent as a message.
#pragma once

#include <windows.h>

#include <functional>

// Scanner control keys that make every block of a page take a while, so
// that a page lasts long enough for WhenProgressShows's timer to meet its
// progress window however fast the machine reads it.
constexpr char kSlowBlocks[] = "block_delay_ms=20\n";

// The visible progress window of this thread, or null.
HWND FindProgressWindow();
// Posts the Cancel button's click to the window.
void PressCancel(HWND window);

// While it lives, a thread timer looks for a progress window every few
// milliseconds (its ticks arrive while the window pumps messages) and does
// `action` with the first one it finds: by default presses its Cancel button,
// or plays an application that calls the source from a message handler.
class WhenProgressShows {
public:
    explicit WhenProgressShows(std::function<void(HWND)> action = PressCancel);
    ~WhenProgressShows();
    WhenProgressShows(const WhenProgressShows&) = delete;
    WhenProgressShows& operator=(const WhenProgressShows&) = delete;

    bool Pressed() const { return pressed_ != nullptr; }
    // The window the action was done with.
    HWND Window() const { return pressed_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

    std::function<void(HWND)> action_;
    UINT_PTR timer_ = 0;
    HWND pressed_ = nullptr;
};
