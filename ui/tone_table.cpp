#include "ui/tone_table.h"

#include "engine/scanner_io.h"

void BuildPreviewToneTable(const ScannerIo& io, const ScanSettings& settings,
                           uint8_t table[256]) {
    for (int i = 0; i < 256; ++i) table[i] = static_cast<uint8_t>(i);
    io.AdjustChannelValue(table, settings);
    if (settings.ScanMode == kScanModeBlackWhite)
        for (int i = 0; i < 256; ++i) table[i] = table[i] > 127 ? 255 : 0;
    if (settings.Invert)
        for (int i = 0; i < 256; ++i) table[i] = static_cast<uint8_t>(255 - table[i]);
}

void ApplyToneTable(const uint8_t table[256], const uint8_t* source, int32_t sourceStride,
                    bool sourceGray8, int16_t scanMode, int32_t width, int32_t rows,
                    uint8_t* target, int32_t targetStride) {
    if (!table || !source || !target || width <= 0 || rows <= 0) return;
    for (int32_t row = 0; row < rows; ++row) {
        const uint8_t* in = source + int64_t(row) * sourceStride;
        uint8_t* out = target + int64_t(row) * targetStride;
        if (sourceGray8) {
            for (int32_t x = 0; x < width; ++x, out += 3) out[0] = out[1] = out[2] = table[in[x]];
        } else if (scanMode == kScanModeColor) {
            for (int32_t i = 0; i < width * 3; ++i) out[i] = table[in[i]];
        } else {
            for (int32_t x = 0; x < width; ++x, in += 3, out += 3)
                out[0] = out[1] = out[2] = table[in[1]];
        }
    }
}
