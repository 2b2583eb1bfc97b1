// A rectangle the user moves and resizes with the mouse: hit testing of its
// eight handles and its inside, the matching size cursors, and an
// interactive tracking loop that follows the mouse until the left button is
// released. Coordinates are client coordinates of the tracking window.
#pragma once

#include <windows.h>

class CRectTracker {
public:
    enum StyleFlags : UINT {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32,
    };
    // Where a point lies: a handle (0..7), the inside (8) or nowhere (-1).
    enum TrackerHit : int {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8,
    };

    RECT m_rect = {};
    UINT m_nStyle = 0;
    int m_nHandleSize = 6;

    // The hit code of `point` for the current rectangle, style and handle size.
    int HitTest(POINT point) const;
    // Sets the size cursor for the hit under the mouse when it is over the
    // rectangle (WM_SETCURSOR with `hitTest` HTCLIENT); false otherwise, and
    // the caller lets the default handling choose.
    bool SetCursor(HWND window, UINT hitTest) const;
    // Follows the mouse from `point` (a left button press on the rectangle)
    // until the left button is released: m_rect then holds the moved or
    // resized rectangle, normalized unless `allowInvert`, and the answer is
    // true. Escape, a right button press or a lost capture restore the old
    // rectangle and answer false. Mouse positions are read from the messages
    // (client coordinates of `window`), so posted messages drive it too.
    bool Track(HWND window, POINT point, bool allowInvert);
};

// The pure parts of the tracker, exposed for its tests and its users.
namespace tracker {

// Hit code of `point` for `rect` with `style` and `handleSize`.
int HitTest(const RECT& rect, UINT style, int handleSize, POINT point);

// The rectangle after dragging hit `hit` of `start` from `from` to `to`:
// hitMiddle moves the whole rectangle, a corner moves two edges, a side
// handle one. Without `allowInvert` the result is normalized (left <= right,
// top <= bottom).
RECT Dragged(const RECT& start, int hit, POINT from, POINT to, bool allowInvert);

// The system cursor for a hit code: IDC_SIZENWSE (0, 2), IDC_SIZENESW (1, 3),
// IDC_SIZENS (4, 6), IDC_SIZEWE (5, 7), IDC_SIZEALL otherwise.
LPCSTR CursorFor(int hit);

}  // namespace tracker
