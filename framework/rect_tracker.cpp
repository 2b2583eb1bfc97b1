#include "framework/rect_tracker.h"

#include "framework/client_dc.h"

#include <windowsx.h>

#include <utility>

namespace {

RECT Normalized(const RECT& rect) {
    RECT result = rect;
    if (result.left > result.right) std::swap(result.left, result.right);
    if (result.top > result.bottom) std::swap(result.top, result.bottom);
    return result;
}

bool Contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

RECT Square(LONG left, LONG top, int size) { return RECT{left, top, left + size, top + size}; }

// Side handles only where the rectangle leaves room for them between the
// corners; a narrow rectangle offers its corners alone.
bool RoomForSideHandles(LONG length, int handleSize) { return length - 3 * handleSize > 4; }

// The square of handle `hit` (0..7) of the normalized `rect`. Inside handles
// touch the rectangle's edges from within, outside handles from without.
RECT HandleRect(const RECT& rect, int hit, int size, bool inside) {
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    const LONG left = inside ? rect.left : rect.left - size;
    const LONG right = inside ? rect.right - size : rect.right;
    const LONG top = inside ? rect.top : rect.top - size;
    const LONG bottom = inside ? rect.bottom - size : rect.bottom;
    const LONG middleX = rect.left + (width - size) / 2;
    const LONG middleY = rect.top + (height - size) / 2;
    switch (hit) {
    case CRectTracker::hitTopLeft: return Square(left, top, size);
    case CRectTracker::hitTopRight: return Square(right, top, size);
    case CRectTracker::hitBottomRight: return Square(right, bottom, size);
    case CRectTracker::hitBottomLeft: return Square(left, bottom, size);
    case CRectTracker::hitTop: return Square(middleX, top, size);
    case CRectTracker::hitRight: return Square(right, middleY, size);
    case CRectTracker::hitBottom: return Square(middleX, bottom, size);
    case CRectTracker::hitLeft: return Square(left, middleY, size);
    default: return RECT{};
    }
}

// The dotted frame shown while tracking. It is drawn with XOR, so drawing the
// same rectangle again takes it away; the frame remembers what it drew.
class XorFrame {
public:
    explicit XorFrame(HWND window) : window_(window) {}
    ~XorFrame() { Hide(); }
    XorFrame(const XorFrame&) = delete;
    XorFrame& operator=(const XorFrame&) = delete;

    void Show(const RECT& rect) {
        const RECT normalized = Normalized(rect);
        if (shown_ && EqualRect(&normalized, &drawn_)) return;
        Hide();
        drawn_ = normalized;
        Draw();
        shown_ = true;
    }
    void Hide() {
        if (!shown_) return;
        Draw();
        shown_ = false;
    }
    bool Shown() const { return shown_; }

private:
    void Draw() const {
        CClientDC dc(window_);
        if (dc) DrawFocusRect(dc.Get(), &drawn_);
    }

    HWND window_;
    RECT drawn_ = {};
    bool shown_ = false;
};

// A mouse message's point in client coordinates of `window`, whichever
// window the message names.
POINT MessagePoint(const MSG& message, HWND window) {
    POINT point = {GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    if (message.hwnd && message.hwnd != window) MapWindowPoints(message.hwnd, window, &point, 1);
    return point;
}

}  // namespace

namespace tracker {

int HitTest(const RECT& rect, UINT style, int handleSize, POINT point) {
    const RECT inner = Normalized(rect);
    const bool inside = (style & CRectTracker::resizeInside) != 0;
    const bool outside = !inside && (style & CRectTracker::resizeOutside) != 0;
    const int size = handleSize > 0 ? handleSize : 0;

    if (!outside && !Contains(inner, point)) return CRectTracker::hitNothing;
    if (inside || outside) {
        const bool sidesAcross = RoomForSideHandles(inner.right - inner.left, size);
        const bool sidesUpDown = RoomForSideHandles(inner.bottom - inner.top, size);
        // Corners first: where handles overlap, the corner wins.
        for (int hit = CRectTracker::hitTopLeft; hit <= CRectTracker::hitLeft; ++hit) {
            const bool side = hit >= CRectTracker::hitTop;
            const bool across = hit == CRectTracker::hitTop || hit == CRectTracker::hitBottom;
            if (side && !(across ? sidesAcross : sidesUpDown)) continue;
            if (Contains(HandleRect(inner, hit, size, inside), point)) return hit;
        }
    }
    // Outside handles leave gaps between them that belong to nothing.
    return Contains(inner, point) ? CRectTracker::hitMiddle : CRectTracker::hitNothing;
}

RECT Dragged(const RECT& start, int hit, POINT from, POINT to, bool allowInvert) {
    RECT result = start;
    const LONG dx = to.x - from.x;
    const LONG dy = to.y - from.y;
    // The handles are named after where they are on screen, so an inverted
    // rectangle has its left handle on its `right` field.
    LONG& left = start.left <= start.right ? result.left : result.right;
    LONG& right = start.left <= start.right ? result.right : result.left;
    LONG& top = start.top <= start.bottom ? result.top : result.bottom;
    LONG& bottom = start.top <= start.bottom ? result.bottom : result.top;
    switch (hit) {
    case CRectTracker::hitTopLeft: left += dx; top += dy; break;
    case CRectTracker::hitTopRight: right += dx; top += dy; break;
    case CRectTracker::hitBottomRight: right += dx; bottom += dy; break;
    case CRectTracker::hitBottomLeft: left += dx; bottom += dy; break;
    case CRectTracker::hitTop: top += dy; break;
    case CRectTracker::hitRight: right += dx; break;
    case CRectTracker::hitBottom: bottom += dy; break;
    case CRectTracker::hitLeft: left += dx; break;
    case CRectTracker::hitMiddle: OffsetRect(&result, dx, dy); break;
    default: break;
    }
    return allowInvert ? result : Normalized(result);
}

LPCSTR CursorFor(int hit) {
    switch (hit) {
    case CRectTracker::hitTopLeft:
    case CRectTracker::hitBottomRight: return MAKEINTRESOURCEA(32642);  // IDC_SIZENWSE
    case CRectTracker::hitTopRight:
    case CRectTracker::hitBottomLeft: return MAKEINTRESOURCEA(32643);  // IDC_SIZENESW
    case CRectTracker::hitTop:
    case CRectTracker::hitBottom: return MAKEINTRESOURCEA(32645);  // IDC_SIZENS
    case CRectTracker::hitRight:
    case CRectTracker::hitLeft: return MAKEINTRESOURCEA(32644);  // IDC_SIZEWE
    default: return MAKEINTRESOURCEA(32646);  // IDC_SIZEALL
    }
}

}  // namespace tracker

int CRectTracker::HitTest(POINT point) const { return tracker::HitTest(m_rect, m_nStyle, m_nHandleSize, point); }

bool CRectTracker::SetCursor(HWND window, UINT hitTest) const {
    if (hitTest != HTCLIENT || !window) return false;
    POINT point = {};
    if (!GetCursorPos(&point) || !ScreenToClient(window, &point)) return false;
    const int hit = HitTest(point);
    if (hit == hitNothing) return false;
    ::SetCursor(LoadCursorA(nullptr, tracker::CursorFor(hit)));
    return true;
}

bool CRectTracker::Track(HWND window, POINT point, bool allowInvert) {
    if (!window || !IsWindow(window)) return false;
    const int hit = HitTest(point);
    if (hit == hitNothing) return false;

    const RECT start = m_rect;
    SetCapture(window);
    if (GetCapture() != window) return false;

    bool accepted = false;
    {
        XorFrame frame(window);
        frame.Show(m_rect);
        for (;;) {
            MSG message = {};
            const BOOL got = GetMessageA(&message, nullptr, 0, 0);
            if (got == -1) break;
            if (got == 0) {
                // The quit belongs to the caller's loop: hand it on.
                PostQuitMessage(static_cast<int>(message.wParam));
                break;
            }
            bool done = false;
            switch (message.message) {
            case WM_MOUSEMOVE:
            case WM_LBUTTONUP:
                m_rect = tracker::Dragged(start, hit, point, MessagePoint(message, window), allowInvert);
                if (message.message == WM_LBUTTONUP) {
                    accepted = true;
                    done = true;
                } else {
                    frame.Show(m_rect);
                }
                break;
            case WM_KEYDOWN:
                if (message.wParam == VK_ESCAPE) done = true;
                else DispatchMessageA(&message);
                break;
            case WM_RBUTTONDOWN:
            case WM_CANCELMODE:
                done = true;
                break;
            case WM_PAINT:
                // A repaint would leave the XOR frame half drawn: take it
                // away first and put it back over the fresh picture.
                if (message.hwnd == window && frame.Shown()) {
                    frame.Hide();
                    DispatchMessageA(&message);
                    frame.Show(m_rect);
                } else {
                    DispatchMessageA(&message);
                }
                break;
            default:
                DispatchMessageA(&message);
                break;
            }
            if (done) break;
            if (GetCapture() != window) break;
        }
    }
    if (GetCapture() == window) ReleaseCapture();
    if (!accepted) m_rect = start;
    return accepted;
}
