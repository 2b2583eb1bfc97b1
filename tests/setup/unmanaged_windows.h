// Xvfb has no window manager, so Wine's managed windows show no caption.
// While an object of this type lives, new Wine processes draw their own
// window frames, so screenshots show the dialog's title. The setting is the
// prefix's; the earlier value comes back when the object goes.
#pragma once

#include <windows.h>

#include <string>

class UnmanagedWindows {
public:
    UnmanagedWindows();
    ~UnmanagedWindows();
    UnmanagedWindows(const UnmanagedWindows&) = delete;
    UnmanagedWindows& operator=(const UnmanagedWindows&) = delete;

private:
    HKEY key_ = nullptr;
    bool had_ = false;
    bool createdKey_ = false;
    std::string previous_;
};
