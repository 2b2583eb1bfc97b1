#include "framework/subclassed_window.h"

#include <commctrl.h>

namespace {
// One subclass of this kind per window: the id tells ours from others'.
constexpr UINT_PTR kSubclassId = 0x54415658;  // "TAVX"
}  // namespace

bool CSubclassedWindow::Subclass(HWND hwnd) {
    if (IsAttached() || !hwnd || !IsWindow(hwnd)) return false;
    if (!SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    Attach(hwnd);
    return true;
}

void CSubclassedWindow::Unsubclass() {
    HWND hwnd = Detach();
    if (hwnd && IsWindow(hwnd)) RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
}

LRESULT CSubclassedWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) const {
    return DefSubclassProc(GetSafeHwnd(), message, wParam, lParam);
}

LRESULT CALLBACK CSubclassedWindow::SubclassProc(HWND hwnd, UINT message, WPARAM wParam,
                                                 LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<CSubclassedWindow*>(data);
    // The window outlives the binding when it is destroyed: release it on
    // the last message it gets.
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
        if (self && self->GetSafeHwnd() == hwnd) self->Detach();
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    // Nothing may leave a window procedure; a failing handler leaves the
    // message to the window's own procedure.
    try {
        if (self && self->GetSafeHwnd() == hwnd) return self->WindowProc(message, wParam, lParam);
    } catch (...) {
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
