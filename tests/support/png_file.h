// Screenshots of the windows under test, written as PNG files in the build
// tree so that they can be looked at.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Writes `rgb` (top-down rows of width x 3 bytes, red first) as an 8-bit RGB
// PNG file with uncompressed deflate blocks.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

// What the screen shows of `window` (frame included).
bool SaveWindowPng(HWND window, const std::string& path);

// Windows path of `relative` in the build tree's "screenshots" folder, which
// is made when missing.
std::string ScreenshotPath(const std::string& name);
