#include "row_format.h"

#include <cstring>

RowFormat::RowFormat(int32_t bitsPerPixel, const uint8_t tone[256], bool invert)
    : bits_(bitsPerPixel) {
    for (int v = 0; v < 256; ++v) {
        const uint8_t level = invert ? static_cast<uint8_t>(255 - tone[v]) : tone[v];
        level_[v] = bits_ == 1 ? (level >= 128 ? 1 : 0) : level;
    }
}

void RowFormat::Write(const Rgb* pixels, int32_t onSheet, int32_t width, int32_t stride,
                      uint8_t* row) const {
    if (onSheet > width) onSheet = width;
    if (onSheet < 0) onSheet = 0;
    int32_t used = 0;
    switch (bits_) {
        case 24:
            for (int32_t x = 0; x < onSheet; ++x) {
                row[3 * x] = level_[pixels[x].r];
                row[3 * x + 1] = level_[pixels[x].g];
                row[3 * x + 2] = level_[pixels[x].b];
            }
            used = 3 * width;
            std::memset(row + 3 * onSheet, 255, static_cast<size_t>(used - 3 * onSheet));
            break;
        case 8:
            for (int32_t x = 0; x < onSheet; ++x) row[x] = level_[GrayLevel(pixels[x])];
            used = width;
            std::memset(row + onSheet, 255, static_cast<size_t>(used - onSheet));
            break;
        default: {
            used = (width + 7) / 8;
            int32_t x = 0;
            int32_t i = 0;
            for (; x + 8 <= onSheet; x += 8, ++i) {
                unsigned byte = 0;
                for (int k = 0; k < 8; ++k) byte = (byte << 1) | level_[GrayLevel(pixels[x + k])];
                row[i] = static_cast<uint8_t>(byte);
            }
            // The byte holding the sheet's right edge, then white to the end.
            for (; i < used; ++i) {
                unsigned byte = 0;
                for (int bit = 7; bit >= 0; --bit, ++x) {
                    unsigned white = 0;
                    if (x < onSheet)
                        white = level_[GrayLevel(pixels[x])];
                    else if (x < width)
                        white = 1;
                    byte |= white << bit;
                }
                row[i] = static_cast<uint8_t>(byte);
            }
            break;
        }
    }
    if (stride > used) std::memset(row + used, 0, static_cast<size_t>(stride - used));
}
