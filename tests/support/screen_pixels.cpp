#include "support/screen_pixels.h"

#include "framework/gdi_object.h"

#include <algorithm>

namespace {

// The `width` x `height` pixels of `source` from `left`, `top`.
ScreenPixels CopyPixels(HDC source, int left, int top, int width, int height) {
    ScreenPixels pixels;
    if (width <= 0 || height <= 0) return pixels;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    GdiObject<HBITMAP> bitmap(CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    HDC memory = CreateCompatibleDC(source);
    bool copied = false;
    if (bitmap && memory) {
        HGDIOBJ previous = SelectObject(memory, bitmap.Get());
        copied = BitBlt(memory, 0, 0, width, height, source, left, top, SRCCOPY) != FALSE;
        GdiFlush();
        SelectObject(memory, previous);
    }
    if (memory) DeleteDC(memory);
    if (!copied || !bits) return pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.bgr.resize(static_cast<size_t>(width) * height * 3);
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    const auto* rows = static_cast<const uint8_t*>(bits);
    for (int y = 0; y < height; ++y)
        std::copy(rows + y * stride, rows + y * stride + width * 3,
                  pixels.bgr.begin() + static_cast<ptrdiff_t>(y) * width * 3);
    return pixels;
}

}  // namespace

ScreenPixels ReadScreen(const RECT& rect) {
    HDC screen = GetDC(nullptr);
    ScreenPixels pixels = CopyPixels(screen, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    ReleaseDC(nullptr, screen);
    return pixels;
}

ScreenPixels ReadBitmap(HBITMAP bitmap) {
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {};
    HDC screen = GetDC(nullptr);
    HDC holder = CreateCompatibleDC(screen);
    ScreenPixels pixels;
    if (holder) {
        HGDIOBJ previous = SelectObject(holder, bitmap);
        if (previous && previous != HGDI_ERROR) {
            pixels = CopyPixels(holder, 0, 0, info.bmWidth, info.bmHeight);
            SelectObject(holder, previous);
        }
        DeleteDC(holder);
    }
    ReleaseDC(nullptr, screen);
    return pixels;
}
