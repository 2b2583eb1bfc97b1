#include "window_pixels.h"

#include "framework/gdi_object.h"
#include "framework/memory_dc.h"

WindowPixels::WindowPixels(HWND window) {
    RECT client = {};
    if (!window || !GetClientRect(window, &client)) return;
    const int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0) return;
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = GetDC(window);
    if (!dc) return;
    void* bits = nullptr;
    GdiObject<HBITMAP> bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bool copied = false;
    {
        CMemoryDC memory(dc);
        if (bitmap && bits && memory && memory.Select(bitmap.Get()))
            copied = BitBlt(memory.Get(), 0, 0, width, height, dc, 0, 0, SRCCOPY) != FALSE;
        GdiFlush();
    }
    ReleaseDC(window, dc);
    if (!copied) return;
    const auto* source = static_cast<const uint32_t*>(bits);
    pixels_.assign(source, source + static_cast<size_t>(width) * height);
    width_ = width;
    height_ = height;
}

COLORREF WindowPixels::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return RGB(0, 0, 0);
    const uint32_t p = pixels_[static_cast<size_t>(y) * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void SettleWindows() {
    for (int round = 0; round < 3; ++round) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(20);
    }
}
