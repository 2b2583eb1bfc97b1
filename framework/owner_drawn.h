// A control that draws itself: its parent dialog hands WM_DRAWITEM for the
// control's window to the control's object, found through a window property
// the object sets when it binds to its window.
#pragma once

#include <windows.h>

class COwnerDrawn {
public:
    virtual ~COwnerDrawn() = default;
    virtual void DrawItem(const DRAWITEMSTRUCT& item) = 0;

    // Makes `control` hand its drawing to `object`, or (null) stops it.
    static void Bind(HWND control, COwnerDrawn* object);
    // The object drawing `control`, or null.
    static COwnerDrawn* Of(HWND control);
    // Hands a WM_DRAWITEM to the control's object; false when it has none.
    static bool Reflect(const DRAWITEMSTRUCT* item);
};
