// What the scanner's images can be: its pixel types with the scan modes they
// stand for, the TWAIN paper sizes it takes, and its fixed dimensions.
#pragma once

#include "datasource/twain.h"
#include "engine/negotiation_state.h"
#include "engine/scan_settings.h"

#include <cstdint>

// Pixel types and the ScanMode each stands for, indexed by pixel type.
struct PixelTypeMode {
    TW_UINT16 PixelType;
    int16_t ScanMode;
};
extern const PixelTypeMode PixelTypeModeMap[kPixelTypeCount];
// The pixel type of the record's ScanMode; modes outside the map count as TWPT_BW.
TW_UINT16 CurrentPixelType(const ScanSettings& settings);
// ICAP_BITDEPTH of a pixel type: 8 per sample for gray and colour, else 1.
TW_UINT16 BitDepthOf(TW_UINT16 pixelType);

// The TWAIN paper sizes and their frames in hundredths of an inch.
struct PaperSize {
    TW_UINT16 Code;
    int16_t Top;
    int16_t Left;
    int16_t Bottom;
    int16_t Right;
};
constexpr int kPaperSizeCount = 8;
extern const PaperSize PaperSizeTable[kPaperSizeCount];
constexpr TW_UINT16 kDefaultPaperSize = TWSS_USLETTER;
// The row of `code`, or null.
const PaperSize* FindPaperSizeCode(TW_UINT16 code);
// The code of the first row whose frame equals the record's exactly; the
// maximum-area row counts only after an application set it (LastSetSize 0).
// 0 when no row matches.
TW_UINT16 CurrentPaperSize(const ScanSettings& settings, const Negotiation& negotiated);

// The scanner's fixed properties.
constexpr float kPhysicalWidthInches = 8.64f;
constexpr float kPhysicalHeightInches = 14.0f;
constexpr int kNativeResolution = 600;
