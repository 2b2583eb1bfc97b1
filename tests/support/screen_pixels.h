// What the screen shows of a rectangle, read back for screenshots and pixel
// checks.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// `rect` (screen coordinates) as top-down rows of blue, green, red bytes,
// 3 per pixel, no padding; empty when it cannot be read.
struct ScreenPixels {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bgr;
    COLORREF At(int x, int y) const {
        const uint8_t* p = &bgr[(static_cast<size_t>(y) * width + x) * 3];
        return RGB(p[2], p[1], p[0]);
    }
};
ScreenPixels ReadScreen(const RECT& rect);
// All pixels of `bitmap` (which must not be selected into a device context).
ScreenPixels ReadBitmap(HBITMAP bitmap);
