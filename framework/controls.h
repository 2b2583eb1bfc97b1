// Thin wrappers over the controls of a dialog, bound by their template ids.
// The dialog's window owns the controls; a wrapper only refers to one.
#pragma once

#include "framework/wnd.h"

#include <commctrl.h>
#include <windows.h>

#include <string>

class CDialogItem : public CWnd {
public:
    // Refers to control `id` of `dialog`; false (and unbound) when there is none.
    bool Bind(const CWnd& dialog, int id) {
        Detach();
        HWND parent = dialog.GetSafeHwnd();
        HWND item = parent ? GetDlgItem(parent, id) : nullptr;
        if (item) Attach(item);
        return item != nullptr;
    }
    // Whether the control itself is shown, whether or not its dialog is yet.
    bool IsShown() const {
        return IsAttached() && (GetWindowLongA(GetSafeHwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
    }
};

class CStatic : public CDialogItem {
public:
    // The control's client area in the coordinates of its parent's client area.
    RECT ClientRectInParent() const {
        RECT rect = {};
        HWND hwnd = GetSafeHwnd();
        if (!hwnd) return rect;
        GetClientRect(hwnd, &rect);
        MapWindowPoints(hwnd, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
};

class CButton : public CDialogItem {};

class CProgressCtrl : public CDialogItem {
public:
    // The control class lives in the common controls library; it must be
    // registered before a template that uses it is made into a window.
    static bool RegisterWindowClass() {
        INITCOMMONCONTROLSEX init = {sizeof init, ICC_PROGRESS_CLASS};
        return InitCommonControlsEx(&init) != FALSE;
    }
    void SetRange(int low, int high) const {
        if (IsAttached()) SendMessageA(GetSafeHwnd(), PBM_SETRANGE32, static_cast<WPARAM>(low), high);
    }
    void SetPos(int position) const {
        if (IsAttached()) SendMessageA(GetSafeHwnd(), PBM_SETPOS, static_cast<WPARAM>(position), 0);
    }
    int GetPos() const {
        return IsAttached() ? static_cast<int>(SendMessageA(GetSafeHwnd(), PBM_GETPOS, 0, 0)) : 0;
    }
};
