// The bench's stand-in for an application's main window: hidden, never
// shown, the parent the data source is enabled with and posts its
// notifications to.
#pragma once

#include <windows.h>

class ApplicationWindow {
public:
    ApplicationWindow();
    ~ApplicationWindow();
    ApplicationWindow(const ApplicationWindow&) = delete;
    ApplicationWindow& operator=(const ApplicationWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    // Makes it the foreground window, as an application's main window is
    // when its user asks for a scan.
    void Activate();
    // Takes the next queued "Tavix Scanner_TWAIN" message off the queue, as
    // an application's event loop would; false when none is queued.
    bool TakeNotification(WPARAM& code);

private:
    HWND hwnd_ = nullptr;
    UINT notifyMessage_ = 0;
};
