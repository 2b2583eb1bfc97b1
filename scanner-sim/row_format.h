// Turns sensor pixels into delivered rows: tone curve, inversion, the
// black/white threshold and the packing of the scan mode, each row padded to
// a multiple of 4 bytes. All per-level work is folded into one table.
#pragma once

#include <stdint.h>

#include "rgb.h"

class RowFormat {
public:
    RowFormat(int32_t bitsPerPixel, const uint8_t tone[256], bool invert);

    // Writes one row of `width` pixels: the first `onSheet` from `pixels`,
    // the rest (beyond the sheet) plain white; padding bytes are zero.
    void Write(const Rgb* pixels, int32_t onSheet, int32_t width, int32_t stride,
               uint8_t* row) const;

private:
    int32_t bits_;
    uint8_t level_[256];  // 8 and 24 bits: output level; 1 bit: 1 white, 0 black
};
