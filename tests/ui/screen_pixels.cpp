#include "screen_pixels.h"

#include "framework/gdi_object.h"

#include <algorithm>

ScreenPixels ReadScreen(const RECT& rect) {
    ScreenPixels pixels;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return pixels;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    GdiObject<HBITMAP> bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    HDC memory = CreateCompatibleDC(screen);
    bool copied = false;
    if (bitmap && memory) {
        HGDIOBJ previous = SelectObject(memory, bitmap.Get());
        copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY) != FALSE;
        GdiFlush();
        SelectObject(memory, previous);
    }
    if (memory) DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!copied || !bits) return pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.bgr.resize(static_cast<size_t>(width) * height * 3);
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    const auto* source = static_cast<const uint8_t*>(bits);
    for (int y = 0; y < height; ++y)
        std::copy(source + y * stride, source + y * stride + width * 3,
                  pixels.bgr.begin() + static_cast<ptrdiff_t>(y) * width * 3);
    return pixels;
}
