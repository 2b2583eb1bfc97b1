#include "engine/pixel_rows.h"

#include "engine/scan_settings.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// Four pixels (12 bytes, three words) per step: R0G0B0R1 G1B1R2G2 B2R3G3B3
// becomes B0G0R0B1 G1R1B2G2 R2B3G3R3. Little-endian words.
void SwapFourPixelGroups(uint8_t* pixels, int64_t groups) {
    for (int64_t g = 0; g < groups; ++g, pixels += 12) {
        uint32_t w[3];
        std::memcpy(w, pixels, sizeof w);
        const uint32_t out0 = ((w[0] >> 16) & 0xFFu) | (w[0] & 0xFF00u) | ((w[0] & 0xFFu) << 16) |
                              ((w[1] & 0xFF00u) << 16);
        const uint32_t out1 = (w[1] & 0xFFu) | ((w[0] >> 24) << 8) | ((w[2] & 0xFFu) << 16) |
                              (w[1] & 0xFF000000u);
        const uint32_t out2 = ((w[1] >> 16) & 0xFFu) | ((w[2] >> 24) << 8) |
                              (w[2] & 0xFF0000u) | ((w[2] & 0xFF00u) << 16);
        const uint32_t out[3] = {out0, out1, out2};
        std::memcpy(pixels, out, sizeof out);
    }
}

void SwapPixelRun(uint8_t* pixels, int64_t count) {
    const int64_t groups = count / 4;
    SwapFourPixelGroups(pixels, groups);
    pixels += groups * 12;
    for (int64_t i = groups * 4; i < count; ++i, pixels += 3) std::swap(pixels[0], pixels[2]);
}

}  // namespace

int ScanModeBits(int16_t scanMode) {
    if (scanMode == kScanModeGray) return 8;
    if (scanMode == kScanModeColor) return 24;
    return 1;
}

int32_t BytesPerLine(int bits, int32_t width) {
    if (width < 0) return 0;
    const int64_t w = width;
    int64_t bytes;
    switch (bits) {
        case 1: bytes = ((w + 7) / 8 + 3) / 4 * 4; break;
        case 4: bytes = ((w + 1) / 2 + 3) / 4 * 4; break;
        case 8: bytes = (w + 3) / 4 * 4; break;
        case 24: bytes = (3 * w + 3) / 4 * 4; break;
        default: return 0;
    }
    if (bytes > std::numeric_limits<int32_t>::max()) return 0;
    return static_cast<int32_t>(bytes);
}

bool ReverseRows(uint8_t* buffer, int32_t rows, int32_t stride) {
    if (!buffer || rows < 0 || stride < 0) return false;
    // Swapped in place, so no temporary row is needed and the block can never
    // be left top-down for want of memory.
    for (int32_t i = 0; i < rows / 2; ++i) {
        uint8_t* top = buffer + static_cast<int64_t>(i) * stride;
        uint8_t* bottom = buffer + static_cast<int64_t>(rows - 1 - i) * stride;
        std::swap_ranges(top, top + stride, bottom);
    }
    return true;
}

bool SwapRedBlue(uint8_t* buffer, int32_t rows, int32_t width, int32_t stride) {
    if (!buffer || rows < 0 || width < 0 || stride < 0) return false;
    const int64_t pixelBytes = 3 * static_cast<int64_t>(width);
    if (stride < pixelBytes) return false;
    if (stride == pixelBytes) {
        // Unpadded rows (width a multiple of 4): the block is one run.
        SwapPixelRun(buffer, static_cast<int64_t>(rows) * width);
        return true;
    }
    for (int32_t row = 0; row < rows; ++row)
        SwapPixelRun(buffer + static_cast<int64_t>(row) * stride, width);
    return true;
}
