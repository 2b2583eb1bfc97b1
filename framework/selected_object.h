// A GDI object selected into a device context for one scope; the previous
// object is selected back when it goes. The object stays with its owner.
#pragma once

#include <windows.h>

class CSelectedObject {
public:
    CSelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~CSelectedObject() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    CSelectedObject(const CSelectedObject&) = delete;
    CSelectedObject& operator=(const CSelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A line from (x1, y1) up to, not including, (x2, y2) in the current pen.
inline void DrawLine(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}
