#include "framework/child_window.h"

#include "framework/dialog.h"

namespace {

bool RegisterOnce(const char* className, HCURSOR cursor, WNDPROC procedure) {
    HINSTANCE module = ResourceModule();
    WNDCLASSA existing = {};
    if (GetClassInfoA(module, className, &existing)) return true;
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = module;
    windowClass.hCursor = cursor;
    windowClass.lpszClassName = className;
    return RegisterClassA(&windowClass) != 0;
}

}  // namespace

CChildWindow::~CChildWindow() { DestroyWindow(); }

bool CChildWindow::Create(const char* className, HCURSOR classCursor, const char* windowName,
                          DWORD style, const RECT& rect, HWND parent, int id) {
    if (IsAttached() || !className) return false;
    if (!RegisterOnce(className, classCursor, StaticWindowProc)) return false;
    HWND hwnd = CreateWindowExA(0, className, windowName, style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                ResourceModule(), this);
    return hwnd != nullptr && GetSafeHwnd() == hwnd;
}

bool CChildWindow::DestroyWindow() {
    HWND hwnd = GetSafeHwnd();
    if (!hwnd) return false;
    // The window may already be gone with its parent; WM_NCDESTROY unbinds.
    if (IsWindow(hwnd)) ::DestroyWindow(hwnd);
    Detach();
    return true;
}

void CChildWindow::SetClassCursor(HCURSOR cursor) const {
    if (HWND hwnd = GetSafeHwnd())
        SetClassLongPtrA(hwnd, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(cursor));
}

LRESULT CALLBACK CChildWindow::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        auto* self = static_cast<CChildWindow*>(create->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (self) self->Attach(hwnd);
    }
    auto* self = reinterpret_cast<CChildWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        if (self && self->GetSafeHwnd() == hwnd) {
            // Nothing may leave a window procedure.
            try {
                self->WindowProc(message, wParam, lParam);
            } catch (...) {
            }
            self->Detach();
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    try {
        if (self && self->GetSafeHwnd() == hwnd) return self->WindowProc(message, wParam, lParam);
    } catch (...) {
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
