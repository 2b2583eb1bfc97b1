// The owner of a progress window stays disabled while rows are read, so that
// no second command can start from it while the window pumps messages.
#pragma once

#include "framework/wnd.h"

#include <windows.h>

class OwnerDisabled {
public:
    explicit OwnerDisabled(const CWnd* owner) : hwnd_(owner ? owner->GetSafeHwnd() : nullptr) {
        if (hwnd_) EnableWindow(hwnd_, FALSE);
    }
    ~OwnerDisabled() {
        if (hwnd_) EnableWindow(hwnd_, TRUE);
    }
    OwnerDisabled(const OwnerDisabled&) = delete;
    OwnerDisabled& operator=(const OwnerDisabled&) = delete;

private:
    HWND hwnd_;
};
