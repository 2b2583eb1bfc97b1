// The device context of a window's client area, released when it goes.
#pragma once

#include <windows.h>

class CClientDC {
public:
    explicit CClientDC(HWND hwnd) : hwnd_(hwnd), dc_(hwnd ? GetDC(hwnd) : nullptr) {}
    ~CClientDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};
