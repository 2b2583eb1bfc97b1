// A hidden window of the test playing the application's main window: the
// data source attaches to it, owns its message boxes by it and posts its
// notifications to it.
#pragma once

#include <windows.h>

#include <vector>

class HostWindow {
public:
    HostWindow();
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Handle() const { return hwnd_; }

    // The codes of "Tavix Scanner_TWAIN" messages that reached the window
    // since the last call: those still queued (taken out now) and those a
    // nested message loop already dispatched to it, in arrival order.
    std::vector<WPARAM> TakeNotifications();
    // The next queued notification message itself, as the application's
    // event loop would see it; false when none is queued.
    bool NextQueuedNotification(MSG& message);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    UINT notifyMessage_ = 0;
    std::vector<WPARAM> dispatched_;
};
