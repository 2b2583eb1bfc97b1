#include "engine/pixel_rows.h"

#include "engine/scan_settings.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// Four pixels (12 bytes) per step over a run of unpadded rows; plain byte
// exchanges, which the compiler turns into vector shuffles.
void SwapPixelRun(uint8_t* pixels, int64_t count) {
    const int64_t groups = count / 4;
    for (int64_t g = 0; g < groups; ++g, pixels += 12) {
        std::swap(pixels[0], pixels[2]);
        std::swap(pixels[3], pixels[5]);
        std::swap(pixels[6], pixels[8]);
        std::swap(pixels[9], pixels[11]);
    }
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
