// The data source's window object: bound to the calling application's
// window, owner of every dialog and message box of a scan and target of the
// notifications. It never owns a window of its own.
#pragma once

#include "framework/wnd.h"

class CHostWnd : public CWnd {
public:
    // Binds to `hwnd`, first releasing a different window it was bound to.
    void AttachTo(HWND hwnd) {
        if (GetSafeHwnd() == hwnd) return;
        if (IsAttached()) Detach();
        Attach(hwnd);
    }
};
