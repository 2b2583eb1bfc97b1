// The preview's arithmetic: frames from dragged corners, zoom and scroll
// ranges, the drawn part of an image and the frame's handles.
#include "support/framed_settings.h"
#include "ui/preview_geometry.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kW = 254;  // a typical client size of the preview
constexpr int32_t kH = 392;

TEST(PreviewFrame, CornersInEitherOrderGiveTheSameFrame) {
    ScanSettings forward = {}, backward = {}, crossed = {};
    FrameFromCorners({20, 30}, {200, 300}, kW, kH, forward);
    FrameFromCorners({200, 300}, {20, 30}, kW, kH, backward);
    FrameFromCorners({20, 300}, {200, 30}, kW, kH, crossed);
    for (const ScanSettings* other : {&backward, &crossed}) {
        EXPECT_EQ(forward.Left, other->Left);
        EXPECT_EQ(forward.Top, other->Top);
        EXPECT_EQ(forward.Right, other->Right);
        EXPECT_EQ(forward.Bottom, other->Bottom);
    }
    // Rounded to the nearest hundredth: 20 * 864 / 254 = 68.03, 300 * 1400 / 392 = 1071.4.
    EXPECT_EQ(68, forward.Left);
    EXPECT_EQ(107, forward.Top);
    EXPECT_EQ(680, forward.Right);
    EXPECT_EQ(1071, forward.Bottom);
}

TEST(PreviewFrame, PointsOutsideTheWindowStayOnTheCanvas) {
    ScanSettings settings = {};
    FrameFromCorners({-500, -20000}, {30000, 70000}, kW, kH, settings);
    EXPECT_EQ(0, settings.Left);
    EXPECT_EQ(0, settings.Top);
    EXPECT_EQ(kCanvasWidth, settings.Right);
    EXPECT_EQ(kCanvasHeight, settings.Bottom);
    FrameFromCorners({kW, kH}, {kW - 1, kH - 1}, kW, kH, settings);
    EXPECT_EQ(kCanvasWidth, settings.Right);
    EXPECT_EQ(kCanvasHeight, settings.Bottom);
    EXPECT_LE(settings.Left, kCanvasWidth);
    // A window without size leaves the frame alone.
    ScanSettings untouched = FramedSettings(1, 2, 3, 4);
    FrameFromCorners({0, 0}, {10, 10}, 0, 0, untouched);
    EXPECT_EQ(4, untouched.Right);
}

TEST(PreviewFrame, TooSmallBelowHalfAnInchEitherWay) {
    EXPECT_TRUE(IsFrameTooSmall(FramedSettings(0, 0, 1100, 49)));
    EXPECT_TRUE(IsFrameTooSmall(FramedSettings(100, 0, 149, 850)));
    EXPECT_TRUE(IsFrameTooSmall(FramedSettings(0, 0, 0, 0)));
    EXPECT_FALSE(IsFrameTooSmall(FramedSettings(100, 10, 150, 60)));
}

TEST(PreviewFrame, TrackerRectangleIsTheFrameAtZoomOne) {
    const RECT rect = TrackerRectOf(FramedSettings(0, 0, 1100, 850), kW, kH);
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(0, rect.top);
    EXPECT_EQ(850 * kW / 864, rect.right);
    EXPECT_EQ(1100 * kH / 1400, rect.bottom);
}

TEST(PreviewZoom, LetterAt75DpiScrollsSixteenStepsEachWayAtZoomTwo) {
    const PreviewImage letter = {638, 825, 75};
    const ZoomLayout two = LayoutForZoom(letter, 2, 0, 0);
    EXPECT_EQ(16, two.maxX);  // (2 * 850 - 864) / 50
    EXPECT_EQ(16, two.maxY);  // (2 * 1100 - 1400) / 50
    const ZoomLayout one = LayoutForZoom(letter, 1, 0, 0);
    EXPECT_EQ(0, one.maxX);
    EXPECT_EQ(0, one.maxY);
    const ZoomLayout four = LayoutForZoom(letter, 4, 0, 0);
    EXPECT_EQ((4 * 850 - 864) / 50, four.maxX);
}

TEST(PreviewZoom, OffsetsKeepTheirPlaceAndStayInRange) {
    const PreviewImage letter = {638, 825, 75};
    // Scrolled 5 steps at zoom 2 (125 hundredths), then zoomed to 3.
    const ZoomLayout three = LayoutForZoom(letter, 3, 125, 125);
    EXPECT_EQ(7, three.positionX);  // 3 * 125 / 50
    EXPECT_EQ(7 * 50 / 3, three.offsetX);
    // Zoomed back to 1 nothing is left to scroll.
    const ZoomLayout one = LayoutForZoom(letter, 1, 400, 700);
    EXPECT_EQ(0, one.positionX);
    EXPECT_EQ(0, one.offsetX);
    EXPECT_EQ(0, one.offsetY);
}

TEST(PreviewScroll, RequestsMoveByLineAndPageWithinTheRange) {
    EXPECT_EQ(4, ScrollPositionFor(SB_LINEUP, 5, 0, 16));
    EXPECT_EQ(6, ScrollPositionFor(SB_LINEDOWN, 5, 0, 16));
    EXPECT_EQ(0, ScrollPositionFor(SB_PAGEUP, 5, 0, 16));
    EXPECT_EQ(13, ScrollPositionFor(SB_PAGEDOWN, 5, 0, 16));
    EXPECT_EQ(16, ScrollPositionFor(SB_PAGEDOWN, 13, 0, 16));
    EXPECT_EQ(9, ScrollPositionFor(SB_THUMBPOSITION, 5, 9, 16));
    EXPECT_EQ(16, ScrollPositionFor(SB_THUMBPOSITION, 5, 99, 16));
    // Only a released thumb moves the picture.
    EXPECT_EQ(5, ScrollPositionFor(SB_THUMBTRACK, 5, 9, 16));
    EXPECT_EQ(5, ScrollPositionFor(SB_ENDSCROLL, 5, 9, 16));
    EXPECT_EQ(0, ScrollPositionFor(SB_LINEDOWN, 0, 0, 0));
}

TEST(PreviewImagePlacement, WholeImageAtZoomOneAndItsRestWhenScrolled) {
    const PreviewImage letter = {638, 825, 75};
    PreviewView view;
    view.width = kW;
    view.height = kH;
    const ImagePlacement whole = PlaceImage(letter, view);
    EXPECT_EQ(0, whole.skipColumns);
    EXPECT_EQ(638, whole.columns);
    EXPECT_EQ(825, whole.rows);
    EXPECT_EQ(850 * kW / 864, whole.drawWidth);
    EXPECT_EQ(1100 * kH / 1400, whole.drawHeight);

    view.zoom = 2;
    view.offsetX = 100;  // one inch scrolled off at the left and the top
    view.offsetY = 100;
    const ImagePlacement scrolled = PlaceImage(letter, view);
    EXPECT_EQ(75, scrolled.skipColumns);
    EXPECT_EQ(638 - 75, scrolled.columns);
    EXPECT_EQ(825 - 75, scrolled.rows);
    EXPECT_EQ((638 - 75) * 100 / 75 * kW * 2 / 864, scrolled.drawWidth);
}

TEST(PreviewImagePlacement, DegenerateImagesDrawNothing) {
    PreviewView view;
    view.width = kW;
    view.height = kH;
    view.offsetX = 50;
    EXPECT_EQ(0, PlaceImage({0, 0, 75}, view).drawWidth);
    // An image under a hundredth of an inch: nothing to skip, no division by zero.
    const ImagePlacement tiny = PlaceImage({1, 1, 600}, view);
    EXPECT_EQ(0, tiny.skipColumns);
    EXPECT_EQ(1, tiny.columns);
}

TEST(PreviewFrameDrawing, HandlesSitInsideTheDottedRectangle) {
    PreviewView view;
    view.width = 864;
    view.height = 1400;
    const FrameOnWindow frame = FrameOnWindowOf(FramedSettings(100, 200, 500, 600), view);
    EXPECT_EQ(201, frame.x1);
    EXPECT_EQ(601, frame.x2);
    EXPECT_EQ(100, frame.y1);
    EXPECT_EQ(500, frame.y2);
    EXPECT_EQ(202, frame.handles[0].x);
    EXPECT_EQ(102, frame.handles[0].y);
    EXPECT_EQ(598, frame.handles[2].x);
    EXPECT_EQ(498, frame.handles[2].y);
    EXPECT_EQ((598 - 201) / 2 + 202, frame.handles[4].x);
    for (const POINT& corner : frame.handles) {
        EXPECT_GE(corner.x, frame.x1);
        EXPECT_LE(corner.x + 3, frame.x2);
        EXPECT_GE(corner.y, frame.y1);
        EXPECT_LE(corner.y + 3, frame.y2 + 1);
    }
    // Scrolled and zoomed, the frame moves with the canvas.
    view.zoom = 2;
    view.offsetX = 100;
    EXPECT_EQ((200 - 100) * 2 + 1, FrameOnWindowOf(FramedSettings(100, 200, 500, 600), view).x1);
}

}  // namespace
