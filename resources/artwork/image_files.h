// The files the resource compiler takes in: RAW strips, bitmaps, icons and
// cursors. Pixels come in as straight RGBA or RGB bytes, rows top to bottom.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct RgbaImage {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
};

// "w=…,h=…,n=…" padded to 20 bytes, then the pixels as they are.
bool WriteRaw(const std::string& path, const RgbaImage& strip, int frames);
bool WriteBitmap24(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);
// 8 bits per pixel with a palette made for the picture (at most 256 colours).
bool WriteBitmap8(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);
// 32-bit images with alpha and their AND masks; every image one entry.
bool WriteIcon(const std::string& path, const std::vector<RgbaImage>& images);
bool WriteCursor(const std::string& path, const RgbaImage& image, int hotX, int hotY);
