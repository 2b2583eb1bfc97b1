// The tone table the preview is shown through: the scanner library's curve
// for the brightness, contrast, gamma, highlight and shadow of the settings,
// then the black/white threshold and the inversion, applied to the preview
// image into a 24-bit working copy.
#pragma once

#include "engine/scan_settings.h"

#include <cstdint>

class ScannerIo;

// Identity when the library has no tone function; then thresholded at 127
// for black/white and inverted when the settings say so.
void BuildPreviewToneTable(const ScannerIo& io, const ScanSettings& settings,
                           uint8_t table[256]);

// The rows of an 8-bit gray or a 24-bit source (bottom-up or not: rows are
// taken in order) through `table` into 24-bit rows of `target`: gray gives
// three equal bytes, 24-bit colour mode maps each byte, any other mode makes
// gray from the green byte. Rows are `sourceStride` and `targetStride` bytes.
void ApplyToneTable(const uint8_t table[256], const uint8_t* source, int32_t sourceStride,
                    bool sourceGray8, int16_t scanMode, int32_t width, int32_t rows,
                    uint8_t* target, int32_t targetStride);
