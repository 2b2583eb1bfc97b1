// The arithmetic of the preview: the canvas of the scanner's whole glass
// (8.64 x 14.00 inches, in hundredths of an inch) shown on a window of W by H
// pixels at zoom 1 to 4 with scroll offsets, the scan frame dragged on it,
// and the part of a preview image that is drawn. Integer arithmetic
// truncates, as the window draws it.
#pragma once

#include "engine/scan_settings.h"

#include <windows.h>

#include <cstdint>

constexpr int kCanvasWidth = 864;    // hundredths of an inch
constexpr int kCanvasHeight = 1400;  // hundredths of an inch
constexpr int kScrollStep = 50;      // half an inch at zoom 1
constexpr int kMinZoom = 1;
constexpr int kMaxZoom = 4;
constexpr int kMinDraggedFrame = 50;  // a drawn frame at least half an inch each way

// How the canvas lies on the window.
struct PreviewView {
    int32_t width = 1;   // W: client width in pixels
    int32_t height = 1;  // H: client height in pixels
    int zoom = 1;
    int offsetX = 0;     // ox, hundredths of an inch, a multiple of 50 / zoom
    int offsetY = 0;     // oy
};

// Canvas to window: (v - ox) * z * W / 864 and (v - oy) * z * H / 1400.
int32_t CanvasToWindowX(const PreviewView& view, int value);
int32_t CanvasToWindowY(const PreviewView& view, int value);

// The frame of `settings` at zoom 1 in window pixels (the tracker's rectangle).
RECT TrackerRectOf(const ScanSettings& settings, int32_t width, int32_t height);

// The frame spanned by two window points at zoom 1, rounded to the nearest
// hundredth and held within the canvas; written into `settings`.
void FrameFromCorners(POINT first, POINT second, int32_t width, int32_t height,
                      ScanSettings& settings);

// A drawn frame narrower or lower than half an inch.
bool IsFrameTooSmall(const ScanSettings& settings);

// A preview image: its pixels and its resolution (at least 30 dpi).
struct PreviewImage {
    int32_t width = 0;
    int32_t height = 0;
    int dpi = 30;
};

// The image's length in hundredths of an inch (pixels * 100 / dpi).
int32_t ImageHundredths(int32_t pixels, int dpi);

// The scroll bars after a zoom to `zoom`: ranges 0..maxX and 0..maxY, the
// positions, and the offsets they stand for.
struct ZoomLayout {
    int maxX = 0;
    int maxY = 0;
    int positionX = 0;
    int positionY = 0;
    int offsetX = 0;
    int offsetY = 0;
};
ZoomLayout LayoutForZoom(const PreviewImage& image, int zoom, int offsetX, int offsetY);

// The new scroll position for a scroll bar request (SB_* code), held in
// 0..maximum; SB_THUMBTRACK and other codes keep `position`.
int ScrollPositionFor(int code, int position, int thumbPosition, int maximum);

// The part of the image drawn at the view's offsets: `skipColumns` at the
// left, `rows` from the bottom-up image's first row, stretched onto
// (0, 0, drawWidth, drawHeight).
struct ImagePlacement {
    int32_t skipColumns = 0;
    int32_t columns = 0;
    int32_t rows = 0;
    int32_t drawWidth = 0;
    int32_t drawHeight = 0;
};
ImagePlacement PlaceImage(const PreviewImage& image, const PreviewView& view);

// The red handles of the frame as drawn: the eight 3-by-3 squares' top-left
// corners, in the order corners (top-left, top-right, bottom-right,
// bottom-left), then top, bottom, left and right middles.
struct FrameOnWindow {
    int32_t x1, y1, x2, y2;
    POINT handles[8];
};
FrameOnWindow FrameOnWindowOf(const ScanSettings& settings, const PreviewView& view);
