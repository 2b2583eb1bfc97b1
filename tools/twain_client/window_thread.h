// A hidden window on a thread of its own, which runs its own message loop:
// what an application hands a manager when the thread that talks TWAIN is
// not the one that made the window.
#pragma once

#include <windows.h>

#include <thread>

class WindowThread {
public:
    WindowThread();
    ~WindowThread();
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;

    // The window, or null when it could not be made.
    HWND Window() const { return window_; }

private:
    void Run(HANDLE ready);

    std::thread thread_;
    HWND window_ = nullptr;
    DWORD threadId_ = 0;
};
