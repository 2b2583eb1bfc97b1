#include "ui/preview_geometry.h"

#include <algorithm>
#include <iterator>

namespace {

int Hold(int64_t value, int maximum) {
    if (value < 0) return 0;
    if (value >= maximum) return maximum;
    return static_cast<int>(value);
}

// (a * b) / c without overflow for the sizes a window and an image can have.
int32_t MulDivTrunc(int64_t a, int64_t b, int64_t c) {
    return c == 0 ? 0 : static_cast<int32_t>(a * b / c);
}

}  // namespace

int32_t CanvasToWindowX(const PreviewView& view, int value) {
    return static_cast<int32_t>(int64_t(value - view.offsetX) * view.zoom * view.width /
                                kCanvasWidth);
}

int32_t CanvasToWindowY(const PreviewView& view, int value) {
    return static_cast<int32_t>(int64_t(value - view.offsetY) * view.zoom * view.height /
                                kCanvasHeight);
}

RECT TrackerRectOf(const ScanSettings& settings, int32_t width, int32_t height) {
    RECT rect;
    rect.left = MulDivTrunc(settings.Left, width, kCanvasWidth);
    rect.top = MulDivTrunc(settings.Top, height, kCanvasHeight);
    rect.right = MulDivTrunc(settings.Right, width, kCanvasWidth);
    rect.bottom = MulDivTrunc(settings.Bottom, height, kCanvasHeight);
    return rect;
}

void FrameFromCorners(POINT first, POINT second, int32_t width, int32_t height,
                      ScanSettings& settings) {
    if (width <= 0 || height <= 0) return;
    const int64_t minX = std::min(first.x, second.x), maxX = std::max(first.x, second.x);
    const int64_t minY = std::min(first.y, second.y), maxY = std::max(first.y, second.y);
    // Round to nearest; floor division keeps points left of the window at 0.
    auto scale = [](int64_t pixel, int64_t canvas, int64_t size) {
        const int64_t scaled = pixel * canvas + size / 2;
        return scaled >= 0 ? scaled / size : -((-scaled + size - 1) / size);
    };
    settings.Left = static_cast<int16_t>(Hold(scale(minX, kCanvasWidth, width), kCanvasWidth));
    settings.Right = static_cast<int16_t>(Hold(scale(maxX, kCanvasWidth, width), kCanvasWidth));
    settings.Top = static_cast<int16_t>(Hold(scale(minY, kCanvasHeight, height), kCanvasHeight));
    settings.Bottom =
        static_cast<int16_t>(Hold(scale(maxY, kCanvasHeight, height), kCanvasHeight));
}

bool IsFrameTooSmall(const ScanSettings& settings) {
    return settings.Right - settings.Left < kMinDraggedFrame ||
           settings.Bottom - settings.Top < kMinDraggedFrame;
}

int32_t ImageHundredths(int32_t pixels, int dpi) {
    return dpi > 0 ? static_cast<int32_t>(int64_t(pixels) * 100 / dpi) : 0;
}

ZoomLayout LayoutForZoom(const PreviewImage& image, int zoom, int offsetX, int offsetY) {
    ZoomLayout layout;
    const int64_t spanX = int64_t(zoom) * ImageHundredths(image.width, image.dpi) - kCanvasWidth;
    const int64_t spanY =
        int64_t(zoom) * ImageHundredths(image.height, image.dpi) - kCanvasHeight;
    layout.maxX = static_cast<int>(std::max<int64_t>(0, spanX / kScrollStep));
    layout.maxY = static_cast<int>(std::max<int64_t>(0, spanY / kScrollStep));
    layout.positionX = std::min(layout.maxX, zoom * offsetX / kScrollStep);
    layout.positionY = std::min(layout.maxY, zoom * offsetY / kScrollStep);
    layout.offsetX = layout.positionX * kScrollStep / zoom;
    layout.offsetY = layout.positionY * kScrollStep / zoom;
    return layout;
}

int ScrollPositionFor(int code, int position, int thumbPosition, int maximum) {
    int next = position;
    switch (code) {
        case SB_LINEUP: next = position - 1; break;
        case SB_LINEDOWN: next = position + 1; break;
        case SB_PAGEUP: next = position - 8; break;
        case SB_PAGEDOWN: next = position + 8; break;
        case SB_THUMBPOSITION: next = thumbPosition; break;
        default: break;
    }
    return std::max(0, std::min(next, std::max(0, maximum)));
}

ImagePlacement PlaceImage(const PreviewImage& image, const PreviewView& view) {
    ImagePlacement placement;
    if (image.width <= 0 || image.height <= 0 || image.dpi <= 0) return placement;
    const int32_t widthHundredths = ImageHundredths(image.width, image.dpi);
    const int32_t heightHundredths = ImageHundredths(image.height, image.dpi);
    // An image under a hundredth of an inch has nothing to skip.
    placement.skipColumns = std::min(image.width, MulDivTrunc(image.width, view.offsetX,
                                                              widthHundredths));
    const int32_t skipRows =
        std::min(image.height, MulDivTrunc(image.height, view.offsetY, heightHundredths));
    placement.columns = image.width - placement.skipColumns;
    placement.rows = image.height - skipRows;
    const int64_t columnsHundredths = int64_t(placement.columns) * 100 / image.dpi;
    const int64_t rowsHundredths = int64_t(placement.rows) * 100 / image.dpi;
    placement.drawWidth =
        static_cast<int32_t>(columnsHundredths * view.width * view.zoom / kCanvasWidth);
    placement.drawHeight =
        static_cast<int32_t>(rowsHundredths * view.height * view.zoom / kCanvasHeight);
    return placement;
}

FrameOnWindow FrameOnWindowOf(const ScanSettings& settings, const PreviewView& view) {
    FrameOnWindow frame;
    frame.x1 = CanvasToWindowX(view, settings.Left) + 1;
    frame.x2 = CanvasToWindowX(view, settings.Right) + 1;
    frame.y1 = CanvasToWindowY(view, settings.Top);
    frame.y2 = CanvasToWindowY(view, settings.Bottom);
    const int32_t xm = (frame.x2 - 3 - frame.x1) / 2 + frame.x1 + 1;
    const int32_t ym = (frame.y2 - 3 - frame.y1) / 2 + frame.y1 + 2;
    const POINT handles[8] = {
        {frame.x1 + 1, frame.y1 + 2}, {frame.x2 - 3, frame.y1 + 2},
        {frame.x2 - 3, frame.y2 - 2}, {frame.x1 + 1, frame.y2 - 2},
        {xm, frame.y1 + 2},           {xm, frame.y2 - 2},
        {frame.x1 + 1, ym},           {frame.x2 - 3, ym},
    };
    std::copy(std::begin(handles), std::end(handles), frame.handles);
    return frame;
}
