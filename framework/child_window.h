// A window of a class of our own, made and owned by its object: the object
// registers the class once, creates the window and sees every message through
// a virtual window procedure. The window is destroyed with the object.
#pragma once

#include "framework/wnd.h"

#include <windows.h>

class CChildWindow : public CWnd {
public:
    ~CChildWindow() override;

    // Makes the window of class `className` (registered on first use with
    // `classCursor`, CS_DBLCLKS and no background brush) as a child of
    // `parent` with `rect` in the parent's client coordinates. False when
    // this object already has a window or it cannot be made.
    bool Create(const char* className, HCURSOR classCursor, const char* windowName, DWORD style,
                const RECT& rect, HWND parent, int id);
    // Destroys the window; true when there was one.
    bool DestroyWindow();

    // Replaces the cursor of the window's class (every window of the class).
    void SetClassCursor(HCURSOR cursor) const;

protected:
    // Every message of the window. The default passes it to DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
        return Default(message, wParam, lParam);
    }
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const {
        return DefWindowProcA(GetSafeHwnd(), message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam);
};
