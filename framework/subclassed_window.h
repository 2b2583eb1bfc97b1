// A window made by someone else (a dialog template's control, the property
// sheet) whose messages this object sees first, through the common controls'
// window subclassing. Unhandled messages go on to the window's own procedure.
#pragma once

#include "framework/wnd.h"

#include <windows.h>

class CSubclassedWindow : public CWnd {
public:
    ~CSubclassedWindow() override { Unsubclass(); }

    // Binds to `hwnd` and sees its messages from now on; false when this
    // object already has a window or the subclass cannot be installed.
    bool Subclass(HWND hwnd);
    // Removes the subclass and releases the window; the window itself stays.
    void Unsubclass();

protected:
    // Every message of the window. The default passes it on.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
        return Default(message, wParam, lParam);
    }
    // The window's own handling of a message.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
};
