// What a window shows, read back from its device context: the client area,
// child windows included, as 32-bit pixels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

class WindowPixels {
public:
    // Paints what is pending first, then copies the client area of `window`.
    explicit WindowPixels(HWND window);

    bool Valid() const { return !pixels_.empty(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The colour at (x, y) of the client area; black outside it.
    COLORREF At(int x, int y) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;  // top-down, 0x00RRGGBB
};

// Handles the waiting messages of this thread, painting included, a few
// times over with a short pause (the window surfaces reach the screen late).
void SettleWindows();
