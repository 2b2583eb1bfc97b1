// A window object that can be bound to a window it does not own (for example
// the calling application's window) and released again.
#pragma once

#include <windows.h>

#include <string>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd() { Detach(); }
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return hwnd_; }
    bool IsAttached() const { return hwnd_ != nullptr; }

    // A message box owned by this window (none when unbound); the button pressed.
    int MessageBox(const std::string& text, const std::string& caption, UINT type) const {
        return ::MessageBoxA(hwnd_, text.c_str(), caption.c_str(), type);
    }

    // Binds the object to `hwnd`; the window itself is neither created nor destroyed.
    void Attach(HWND hwnd) { hwnd_ = hwnd; }
    // Releases the binding and returns the window that was attached.
    HWND Detach() {
        HWND old = hwnd_;
        hwnd_ = nullptr;
        return old;
    }

private:
    HWND hwnd_ = nullptr;
};
