#include "engine/lines_per_block.h"

#include "engine/pixel_rows.h"

#include <algorithm>

int LinesPerBlock(const ScanSettings& settings) {
    const int32_t width = (settings.Right - settings.Left) * settings.DPI / 100;
    const int32_t stride = BytesPerLine(ScanModeBits(settings.ScanMode), width);
    // A frame without pixels still reads in the smallest blocks.
    int32_t n = stride > 0 ? 131072 / stride : 2;
    const int32_t pageLines =
        (std::min<int>(settings.Bottom, kMaxBottom) - std::max<int>(settings.Top, 0)) * settings.DPI / 100;
    n = std::min(n, pageLines);
    n = std::min(n, static_cast<int32_t>(settings.DPI * 0.5));
    return std::max(n, 2);
}
