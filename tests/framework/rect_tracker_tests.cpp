// The rectangle tracker: hit codes, the rectangle arithmetic of a drag, the
// cursors, and the tracking loop in a real window driven by posted messages.
#include "framework/rect_tracker.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using T = CRectTracker;
constexpr UINT kPreviewStyle = T::dottedLine | T::resizeInside;

POINT Pt(LONG x, LONG y) { return POINT{x, y}; }

std::string Text(const RECT& r) {
    return "{" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + "}";
}
#define EXPECT_RECT(expected, actual) EXPECT_EQ(Text(expected), Text(actual))

int Hit(const RECT& rect, UINT style, LONG x, LONG y) { return tracker::HitTest(rect, style, 6, Pt(x, y)); }

// ---- hit testing, handles inside (the preview's style) ----

// 100 x 80 at (50, 40): right edge pixel 149, bottom 119; middles at 97..102
// across and 77..82 down.
constexpr RECT kFrame = {50, 40, 150, 120};

TEST(TrackerHitTest, InsideHandles_EachCornerSquare) {
    EXPECT_EQ(T::hitTopLeft, Hit(kFrame, kPreviewStyle, 50, 40));
    EXPECT_EQ(T::hitTopLeft, Hit(kFrame, kPreviewStyle, 55, 45));
    EXPECT_EQ(T::hitTopRight, Hit(kFrame, kPreviewStyle, 149, 40));
    EXPECT_EQ(T::hitTopRight, Hit(kFrame, kPreviewStyle, 144, 45));
    EXPECT_EQ(T::hitBottomRight, Hit(kFrame, kPreviewStyle, 149, 119));
    EXPECT_EQ(T::hitBottomRight, Hit(kFrame, kPreviewStyle, 144, 114));
    EXPECT_EQ(T::hitBottomLeft, Hit(kFrame, kPreviewStyle, 50, 119));
    EXPECT_EQ(T::hitBottomLeft, Hit(kFrame, kPreviewStyle, 55, 114));
}

TEST(TrackerHitTest, InsideHandles_JustPastACornerSquareIsTheMiddle) {
    EXPECT_EQ(T::hitMiddle, Hit(kFrame, kPreviewStyle, 56, 45));
    EXPECT_EQ(T::hitMiddle, Hit(kFrame, kPreviewStyle, 55, 46));
    EXPECT_EQ(T::hitMiddle, Hit(kFrame, kPreviewStyle, 143, 113));
}

TEST(TrackerHitTest, InsideHandles_EachSideSquareAtTheMiddleOfItsSide) {
    EXPECT_EQ(T::hitTop, Hit(kFrame, kPreviewStyle, 97, 40));
    EXPECT_EQ(T::hitTop, Hit(kFrame, kPreviewStyle, 102, 45));
    EXPECT_EQ(T::hitRight, Hit(kFrame, kPreviewStyle, 149, 77));
    EXPECT_EQ(T::hitRight, Hit(kFrame, kPreviewStyle, 144, 82));
    EXPECT_EQ(T::hitBottom, Hit(kFrame, kPreviewStyle, 97, 119));
    EXPECT_EQ(T::hitBottom, Hit(kFrame, kPreviewStyle, 102, 114));
    EXPECT_EQ(T::hitLeft, Hit(kFrame, kPreviewStyle, 50, 77));
    EXPECT_EQ(T::hitLeft, Hit(kFrame, kPreviewStyle, 55, 82));
}

TEST(TrackerHitTest, InsideHandles_EdgesBetweenHandlesAreTheMiddle) {
    EXPECT_EQ(T::hitMiddle, Hit(kFrame, kPreviewStyle, 96, 40));
    EXPECT_EQ(T::hitMiddle, Hit(kFrame, kPreviewStyle, 103, 40));
    EXPECT_EQ(T::hitMiddle, Hit(kFrame, kPreviewStyle, 149, 76));
    EXPECT_EQ(T::hitMiddle, Hit(kFrame, kPreviewStyle, 149, 83));
    EXPECT_EQ(T::hitMiddle, Hit(kFrame, kPreviewStyle, 70, 119));
    EXPECT_EQ(T::hitMiddle, Hit(kFrame, kPreviewStyle, 50, 100));
    EXPECT_EQ(T::hitMiddle, Hit(kFrame, kPreviewStyle, 100, 80));
}

TEST(TrackerHitTest, OutsideTheRectangleIsNothing) {
    EXPECT_EQ(T::hitNothing, Hit(kFrame, kPreviewStyle, 49, 40));
    EXPECT_EQ(T::hitNothing, Hit(kFrame, kPreviewStyle, 50, 39));
    EXPECT_EQ(T::hitNothing, Hit(kFrame, kPreviewStyle, 150, 80));  // right is exclusive
    EXPECT_EQ(T::hitNothing, Hit(kFrame, kPreviewStyle, 100, 120));  // bottom is exclusive
    EXPECT_EQ(T::hitNothing, Hit(kFrame, kPreviewStyle, 0, 0));
    EXPECT_EQ(T::hitNothing, Hit(kFrame, kPreviewStyle, 500, 500));
}

TEST(TrackerHitTest, InvertedRectangleBehavesAsItsNormalizedOne) {
    const RECT inverted = {150, 120, 50, 40};
    for (LONG y = 30; y <= 130; y += 1)
        for (LONG x = 40; x <= 160; x += 1)
            ASSERT_EQ(Hit(kFrame, kPreviewStyle, x, y), Hit(inverted, kPreviewStyle, x, y)) << x << "," << y;
    const RECT invertedAcross = {150, 40, 50, 120};
    EXPECT_EQ(T::hitTopLeft, Hit(invertedAcross, kPreviewStyle, 50, 40));
    EXPECT_EQ(T::hitRight, Hit(invertedAcross, kPreviewStyle, 149, 80));
}

TEST(TrackerHitTest, TinyRectangle_CornersWinAndNoSideHandles) {
    // 8 x 8: the corner squares overlap; the top-left one is tested first.
    const RECT tiny = {10, 10, 18, 18};
    EXPECT_EQ(T::hitTopLeft, Hit(tiny, kPreviewStyle, 10, 10));
    EXPECT_EQ(T::hitTopLeft, Hit(tiny, kPreviewStyle, 13, 13));
    EXPECT_EQ(T::hitTopRight, Hit(tiny, kPreviewStyle, 17, 10));
    EXPECT_EQ(T::hitBottomRight, Hit(tiny, kPreviewStyle, 17, 17));
    EXPECT_EQ(T::hitBottomLeft, Hit(tiny, kPreviewStyle, 10, 17));
    for (LONG y = 10; y < 18; ++y)
        for (LONG x = 10; x < 18; ++x) {
            const int hit = Hit(tiny, kPreviewStyle, x, y);
            EXPECT_TRUE(hit >= T::hitTopLeft && hit <= T::hitBottomLeft) << x << "," << y << ": " << hit;
        }
}

TEST(TrackerHitTest, SideHandlesOnlyWhenThreeHandlesAndMoreFit) {
    // 22 wide (3 x 6 + 4): no top or bottom handle; 23 wide: there are.
    const RECT narrow = {0, 0, 22, 100};
    EXPECT_EQ(T::hitMiddle, Hit(narrow, kPreviewStyle, 11, 0));
    EXPECT_EQ(T::hitMiddle, Hit(narrow, kPreviewStyle, 11, 99));
    EXPECT_EQ(T::hitLeft, Hit(narrow, kPreviewStyle, 0, 50));
    EXPECT_EQ(T::hitRight, Hit(narrow, kPreviewStyle, 21, 50));
    const RECT wider = {0, 0, 23, 100};
    EXPECT_EQ(T::hitTop, Hit(wider, kPreviewStyle, 11, 0));
    EXPECT_EQ(T::hitBottom, Hit(wider, kPreviewStyle, 11, 99));

    const RECT flat = {0, 0, 100, 22};
    EXPECT_EQ(T::hitMiddle, Hit(flat, kPreviewStyle, 0, 11));
    EXPECT_EQ(T::hitMiddle, Hit(flat, kPreviewStyle, 99, 11));
    EXPECT_EQ(T::hitTop, Hit(flat, kPreviewStyle, 50, 0));
}

TEST(TrackerHitTest, EmptyRectangleIsNothing) {
    const RECT empty = {20, 20, 20, 20};
    EXPECT_EQ(T::hitNothing, Hit(empty, kPreviewStyle, 20, 20));
}

TEST(TrackerHitTest, NoResizeStyle_NoHandles) {
    for (UINT style : {0u, static_cast<UINT>(T::dottedLine), static_cast<UINT>(T::solidLine)}) {
        EXPECT_EQ(T::hitMiddle, Hit(kFrame, style, 50, 40));
        EXPECT_EQ(T::hitMiddle, Hit(kFrame, style, 149, 119));
        EXPECT_EQ(T::hitMiddle, Hit(kFrame, style, 100, 40));
        EXPECT_EQ(T::hitNothing, Hit(kFrame, style, 49, 40));
    }
}

TEST(TrackerHitTest, OutsideHandles_AroundTheRectangle) {
    const UINT style = T::dottedLine | T::resizeOutside;
    EXPECT_EQ(T::hitTopLeft, Hit(kFrame, style, 44, 34));
    EXPECT_EQ(T::hitTopLeft, Hit(kFrame, style, 49, 39));
    EXPECT_EQ(T::hitTopRight, Hit(kFrame, style, 150, 39));
    EXPECT_EQ(T::hitTopRight, Hit(kFrame, style, 155, 34));
    EXPECT_EQ(T::hitBottomRight, Hit(kFrame, style, 150, 120));
    EXPECT_EQ(T::hitBottomRight, Hit(kFrame, style, 155, 125));
    EXPECT_EQ(T::hitBottomLeft, Hit(kFrame, style, 49, 120));
    EXPECT_EQ(T::hitTop, Hit(kFrame, style, 97, 39));
    EXPECT_EQ(T::hitTop, Hit(kFrame, style, 102, 34));
    EXPECT_EQ(T::hitRight, Hit(kFrame, style, 150, 77));
    EXPECT_EQ(T::hitBottom, Hit(kFrame, style, 100, 125));
    EXPECT_EQ(T::hitLeft, Hit(kFrame, style, 44, 82));
    // Inside, corners included, is all middle.
    EXPECT_EQ(T::hitMiddle, Hit(kFrame, style, 50, 40));
    EXPECT_EQ(T::hitMiddle, Hit(kFrame, style, 149, 119));
    EXPECT_EQ(T::hitMiddle, Hit(kFrame, style, 100, 40));
    // Between the outside handles and beyond them: nothing.
    EXPECT_EQ(T::hitNothing, Hit(kFrame, style, 70, 39));
    EXPECT_EQ(T::hitNothing, Hit(kFrame, style, 43, 34));
    EXPECT_EQ(T::hitNothing, Hit(kFrame, style, 156, 125));
}

TEST(TrackerHitTest, MemberUsesRectangleStyleAndHandleSize) {
    T tracker;
    tracker.m_rect = kFrame;
    tracker.m_nStyle = kPreviewStyle;
    EXPECT_EQ(6, tracker.m_nHandleSize);
    EXPECT_EQ(T::hitMiddle, tracker.HitTest(Pt(57, 47)));
    tracker.m_nHandleSize = 10;
    EXPECT_EQ(T::hitTopLeft, tracker.HitTest(Pt(57, 47)));
}

// ---- the arithmetic of a drag ----

RECT Drag(int hit, LONG dx, LONG dy, bool allowInvert = false) {
    return tracker::Dragged(kFrame, hit, Pt(100, 80), Pt(100 + dx, 80 + dy), allowInvert);
}

TEST(TrackerDragged, MiddleMovesTheWholeRectangle) {
    EXPECT_RECT((RECT{60, 35, 160, 115}), Drag(T::hitMiddle, 10, -5));
    EXPECT_RECT((RECT{-50, -60, 50, 20}), Drag(T::hitMiddle, -100, -100));
}

TEST(TrackerDragged, EachCornerMovesItsTwoEdges) {
    EXPECT_RECT((RECT{60, 45, 150, 120}), Drag(T::hitTopLeft, 10, 5));
    EXPECT_RECT((RECT{50, 45, 160, 120}), Drag(T::hitTopRight, 10, 5));
    EXPECT_RECT((RECT{50, 40, 160, 125}), Drag(T::hitBottomRight, 10, 5));
    EXPECT_RECT((RECT{60, 40, 150, 125}), Drag(T::hitBottomLeft, 10, 5));
}

TEST(TrackerDragged, EachSideMovesOneEdge) {
    EXPECT_RECT((RECT{50, 45, 150, 120}), Drag(T::hitTop, 10, 5));
    EXPECT_RECT((RECT{50, 40, 160, 120}), Drag(T::hitRight, 10, 5));
    EXPECT_RECT((RECT{50, 40, 150, 125}), Drag(T::hitBottom, 10, 5));
    EXPECT_RECT((RECT{60, 40, 150, 120}), Drag(T::hitLeft, 10, 5));
}

TEST(TrackerDragged, NothingLeavesTheRectangle) { EXPECT_RECT(kFrame, Drag(T::hitNothing, 10, 5)); }

TEST(TrackerDragged, PastTheOppositeEdge_NormalizedWithoutAllowInvert) {
    // The left edge dragged 150 to the right ends at 200, past the right one.
    EXPECT_RECT((RECT{150, 40, 200, 120}), Drag(T::hitLeft, 150, 0));
    EXPECT_RECT((RECT{150, 120, 200, 140}), Drag(T::hitTopLeft, 150, 100));
    EXPECT_RECT((RECT{50, 20, 150, 40}), Drag(T::hitBottom, 0, -100));
}

TEST(TrackerDragged, PastTheOppositeEdge_InvertedWithAllowInvert) {
    EXPECT_RECT((RECT{200, 40, 150, 120}), Drag(T::hitLeft, 150, 0, true));
    EXPECT_RECT((RECT{200, 140, 150, 120}), Drag(T::hitTopLeft, 150, 100, true));
    EXPECT_RECT((RECT{50, 40, 150, 20}), Drag(T::hitBottom, 0, -100, true));
}

TEST(TrackerDragged, InvertedStart_HandlesAreWhereTheyAreOnScreen) {
    // The left edge on screen is the `right` field of this rectangle.
    const RECT inverted = {150, 120, 50, 40};
    EXPECT_RECT((RECT{150, 120, 60, 40}), tracker::Dragged(inverted, T::hitLeft, Pt(0, 0), Pt(10, 0), true));
    EXPECT_RECT((RECT{60, 40, 150, 120}), tracker::Dragged(inverted, T::hitLeft, Pt(0, 0), Pt(10, 0), false));
    EXPECT_RECT((RECT{150, 120, 50, 45}), tracker::Dragged(inverted, T::hitTop, Pt(0, 0), Pt(0, 5), true));
}

// ---- cursors ----

TEST(TrackerCursorFor, SizeCursorsForHandlesAndMoveOtherwise) {
    EXPECT_EQ(MAKEINTRESOURCEA(32642), tracker::CursorFor(T::hitTopLeft));
    EXPECT_EQ(MAKEINTRESOURCEA(32642), tracker::CursorFor(T::hitBottomRight));
    EXPECT_EQ(MAKEINTRESOURCEA(32643), tracker::CursorFor(T::hitTopRight));
    EXPECT_EQ(MAKEINTRESOURCEA(32643), tracker::CursorFor(T::hitBottomLeft));
    EXPECT_EQ(MAKEINTRESOURCEA(32645), tracker::CursorFor(T::hitTop));
    EXPECT_EQ(MAKEINTRESOURCEA(32645), tracker::CursorFor(T::hitBottom));
    EXPECT_EQ(MAKEINTRESOURCEA(32644), tracker::CursorFor(T::hitRight));
    EXPECT_EQ(MAKEINTRESOURCEA(32644), tracker::CursorFor(T::hitLeft));
    EXPECT_EQ(MAKEINTRESOURCEA(32646), tracker::CursorFor(T::hitMiddle));
    EXPECT_EQ(MAKEINTRESOURCEA(32646), tracker::CursorFor(T::hitNothing));
    // The system knows them all.
    for (int hit = T::hitNothing; hit <= T::hitMiddle; ++hit)
        EXPECT_NE(nullptr, LoadCursorA(nullptr, tracker::CursorFor(hit))) << hit;
}

// ---- tracking in a real window ----

constexpr UINT kProbe = WM_APP + 7;
constexpr UINT kDropCapture = WM_APP + 8;

// A white top-level window; kProbe runs probe number wParam of the fixture
// (inside the tracking loop, which dispatches it), kDropCapture gives the
// capture up.
class TrackWindowTest : public testing::Test {
protected:
    static std::vector<std::function<void()>>* probes;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == kProbe) {
            if (probes && wParam < probes->size()) (*probes)[wParam]();
            return 0;
        }
        if (message == kDropCapture) {
            ReleaseCapture();
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    void SetUp() override {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
        windowClass.lpszClassName = "TavixTrackerTestWindow";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, windowClass.lpszClassName, "Tracker", WS_POPUP | WS_VISIBLE, 100, 100, 320,
                                  240, nullptr, nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(nullptr, window_);
        UpdateWindow(window_);
        Pump();
        probes = &probes_;
        tracker_.m_rect = kFrame;
        tracker_.m_nStyle = kPreviewStyle;
    }
    void TearDown() override {
        probes = nullptr;
        if (GetCapture() == window_) ReleaseCapture();
        if (window_) DestroyWindow(window_);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    static void Pump() {
        for (int round = 0; round < 5; ++round) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            Sleep(20);
        }
    }

    void Post(UINT message, LONG x, LONG y, WPARAM wParam = 0) {
        ASSERT_TRUE(PostMessageA(window_, message, wParam, MAKELPARAM(x, y)));
    }
    void PostProbe(size_t index) { ASSERT_TRUE(PostMessageA(window_, kProbe, index, 0)); }
    void PostKey(WPARAM key) { ASSERT_TRUE(PostMessageA(window_, WM_KEYDOWN, key, 1)); }

    COLORREF PixelAt(LONG x, LONG y) const {
        HDC dc = GetDC(window_);
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(window_, dc);
        return colour;
    }
    // Pixels along the top edge of `rect` that are not white.
    int MarkedOnTopEdge(const RECT& rect) const {
        int marked = 0;
        for (LONG x = rect.left; x < rect.right; ++x)
            if (PixelAt(x, rect.top) != RGB(255, 255, 255)) ++marked;
        return marked;
    }
    int MarkedOnLeftEdge(const RECT& rect) const {
        int marked = 0;
        for (LONG y = rect.top; y < rect.bottom; ++y)
            if (PixelAt(rect.left, y) != RGB(255, 255, 255)) ++marked;
        return marked;
    }

    HWND window_ = nullptr;
    CRectTracker tracker_;
    std::vector<std::function<void()>> probes_;
};
std::vector<std::function<void()>>* TrackWindowTest::probes = nullptr;

TEST_F(TrackWindowTest, Move_RectangleFollowsTheMouseAndButtonUpAccepts) {
    Post(WM_MOUSEMOVE, 110, 85, MK_LBUTTON);
    Post(WM_MOUSEMOVE, 130, 95, MK_LBUTTON);
    Post(WM_LBUTTONUP, 130, 100);
    EXPECT_TRUE(tracker_.Track(window_, Pt(100, 80), false));
    EXPECT_RECT((RECT{80, 60, 180, 140}), tracker_.m_rect);
    EXPECT_NE(window_, GetCapture());
}

TEST_F(TrackWindowTest, ResizeBottomRightCorner) {
    Post(WM_MOUSEMOVE, 190, 150, MK_LBUTTON);
    Post(WM_LBUTTONUP, 200, 160);
    EXPECT_TRUE(tracker_.Track(window_, Pt(147, 117), false));
    EXPECT_RECT((RECT{50, 40, 203, 163}), tracker_.m_rect);
}

TEST_F(TrackWindowTest, ResizeLeftSide) {
    Post(WM_MOUSEMOVE, 30, 120, MK_LBUTTON);
    Post(WM_LBUTTONUP, 20, 300);
    EXPECT_TRUE(tracker_.Track(window_, Pt(52, 80), false));
    EXPECT_RECT((RECT{18, 40, 150, 120}), tracker_.m_rect);
}

TEST_F(TrackWindowTest, DragPastTheOppositeEdge_NormalizedUnlessInvertAllowed) {
    Post(WM_LBUTTONUP, 252, 80);
    EXPECT_TRUE(tracker_.Track(window_, Pt(52, 80), false));
    EXPECT_RECT((RECT{150, 40, 250, 120}), tracker_.m_rect);

    tracker_.m_rect = kFrame;
    Post(WM_LBUTTONUP, 252, 80);
    EXPECT_TRUE(tracker_.Track(window_, Pt(52, 80), true));
    EXPECT_RECT((RECT{250, 40, 150, 120}), tracker_.m_rect);
}

TEST_F(TrackWindowTest, ButtonUpWithoutMovingKeepsTheRectangle) {
    Post(WM_LBUTTONUP, 100, 80);
    EXPECT_TRUE(tracker_.Track(window_, Pt(100, 80), false));
    EXPECT_RECT(kFrame, tracker_.m_rect);
}

TEST_F(TrackWindowTest, EscapeRestoresTheOldRectangle) {
    Post(WM_MOUSEMOVE, 140, 120, MK_LBUTTON);
    PostKey(VK_ESCAPE);
    Post(WM_LBUTTONUP, 140, 120);
    EXPECT_FALSE(tracker_.Track(window_, Pt(100, 80), false));
    EXPECT_RECT(kFrame, tracker_.m_rect);
    EXPECT_NE(window_, GetCapture());
}

TEST_F(TrackWindowTest, OtherKeysDoNotEndTracking) {
    Post(WM_MOUSEMOVE, 140, 120, MK_LBUTTON);
    PostKey('A');
    Post(WM_LBUTTONUP, 110, 90);
    EXPECT_TRUE(tracker_.Track(window_, Pt(100, 80), false));
    EXPECT_RECT((RECT{60, 50, 160, 130}), tracker_.m_rect);
}

TEST_F(TrackWindowTest, RightButtonRestoresTheOldRectangle) {
    Post(WM_MOUSEMOVE, 140, 120, MK_LBUTTON);
    Post(WM_RBUTTONDOWN, 140, 120, MK_LBUTTON | MK_RBUTTON);
    Post(WM_LBUTTONUP, 140, 120);
    EXPECT_FALSE(tracker_.Track(window_, Pt(147, 117), false));
    EXPECT_RECT(kFrame, tracker_.m_rect);
}

TEST_F(TrackWindowTest, LostCaptureRestoresTheOldRectangle) {
    Post(WM_MOUSEMOVE, 140, 120, MK_LBUTTON);
    ASSERT_TRUE(PostMessageA(window_, kDropCapture, 0, 0));
    Post(WM_LBUTTONUP, 140, 120);
    EXPECT_FALSE(tracker_.Track(window_, Pt(100, 80), false));
    EXPECT_RECT(kFrame, tracker_.m_rect);
}

TEST_F(TrackWindowTest, CancelModeRestoresTheOldRectangle) {
    Post(WM_MOUSEMOVE, 140, 120, MK_LBUTTON);
    ASSERT_TRUE(PostMessageA(window_, WM_CANCELMODE, 0, 0));
    Post(WM_LBUTTONUP, 140, 120);
    EXPECT_FALSE(tracker_.Track(window_, Pt(100, 80), false));
    EXPECT_RECT(kFrame, tracker_.m_rect);
}

TEST_F(TrackWindowTest, QuitEndsTrackingAndIsPostedAgain) {
    Post(WM_MOUSEMOVE, 140, 120, MK_LBUTTON);
    PostQuitMessage(42);
    EXPECT_FALSE(tracker_.Track(window_, Pt(100, 80), false));
    EXPECT_RECT(kFrame, tracker_.m_rect);
    MSG message = {};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(42u, message.wParam);
}

TEST_F(TrackWindowTest, PointOffTheRectangleDoesNotTrack) {
    Post(WM_LBUTTONUP, 300, 200);
    EXPECT_FALSE(tracker_.Track(window_, Pt(10, 10), false));
    EXPECT_RECT(kFrame, tracker_.m_rect);
    EXPECT_NE(window_, GetCapture());
}

TEST_F(TrackWindowTest, OtherMessagesAreDispatchedWhileTracking) {
    int probes = 0;
    RECT seen = {};
    probes_.push_back([&] {
        ++probes;
        seen = tracker_.m_rect;
    });
    Post(WM_MOUSEMOVE, 120, 90, MK_LBUTTON);
    PostProbe(0);
    Post(WM_LBUTTONUP, 130, 90);
    EXPECT_TRUE(tracker_.Track(window_, Pt(100, 80), false));
    EXPECT_EQ(1, probes);
    // The rectangle is followed live.
    EXPECT_RECT((RECT{70, 50, 170, 130}), seen);
}

TEST_F(TrackWindowTest, DottedFrameFollowsTheMouseAndIsGoneAfterwards) {
    const RECT moved = {80, 60, 180, 140};
    ASSERT_EQ(0, MarkedOnTopEdge(kFrame));
    ASSERT_EQ(0, MarkedOnTopEdge(moved));
    int onStart = -1, onMovedTop = -1, onMovedLeft = -1, onOldAfterMove = -1;
    probes_.push_back([&] { onStart = MarkedOnTopEdge(kFrame); });
    probes_.push_back([&] {
        onMovedTop = MarkedOnTopEdge(moved);
        onMovedLeft = MarkedOnLeftEdge(moved);
        onOldAfterMove = MarkedOnLeftEdge(kFrame);
    });
    PostProbe(0);
    Post(WM_MOUSEMOVE, 130, 100, MK_LBUTTON);
    PostProbe(1);
    Post(WM_LBUTTONUP, 130, 100);

    EXPECT_TRUE(tracker_.Track(window_, Pt(100, 80), false));
    EXPECT_RECT(moved, tracker_.m_rect);
    // A dotted line: about every other pixel marked.
    EXPECT_GE(onStart, 40);
    EXPECT_LE(onStart, 60);
    EXPECT_GE(onMovedTop, 40);
    EXPECT_LE(onMovedTop, 60);
    EXPECT_GE(onMovedLeft, 30);
    // The frame at the old place went before the new one was drawn.
    EXPECT_EQ(0, onOldAfterMove);
    // Nothing is left on the window once tracking ends.
    EXPECT_EQ(0, MarkedOnTopEdge(kFrame));
    EXPECT_EQ(0, MarkedOnTopEdge(moved));
    EXPECT_EQ(0, MarkedOnLeftEdge(moved));
}

TEST_F(TrackWindowTest, SetCursor_SizeCursorOverAHandleOnly) {
    POINT corner = {52, 42};
    ClientToScreen(window_, &corner);
    ASSERT_TRUE(SetCursorPos(corner.x, corner.y));
    Pump();
    POINT now = {};
    GetCursorPos(&now);
    if (now.x != corner.x || now.y != corner.y) GTEST_SKIP() << "the pointer cannot be placed on this display";

    EXPECT_TRUE(tracker_.SetCursor(window_, HTCLIENT));
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(32642)), GetCursor());
    EXPECT_FALSE(tracker_.SetCursor(window_, HTCAPTION));

    POINT middle = {100, 80};
    ClientToScreen(window_, &middle);
    SetCursorPos(middle.x, middle.y);
    EXPECT_TRUE(tracker_.SetCursor(window_, HTCLIENT));
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(32646)), GetCursor());

    POINT away = {10, 10};
    ClientToScreen(window_, &away);
    SetCursorPos(away.x, away.y);
    EXPECT_FALSE(tracker_.SetCursor(window_, HTCLIENT));
}

}  // namespace
