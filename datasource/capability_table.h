// The capabilities this source negotiates: their item types and query-support
// values, the list CAP_SUPPORTEDCAPS reports, the custom capability ids, and
// the tables that map capability values onto the scan settings record.
#pragma once

#include "datasource/twain.h"
#include "engine/negotiation_state.h"
#include "engine/scan_settings.h"

#include <cstdint>

// Custom capabilities.
constexpr TW_UINT16 kCapFilter = 0xBC00;             // descreen filter, Settings.Filter
constexpr TW_UINT16 kCapDetectEndOfPage = 0xBC01;    // Settings.DetectEOP
constexpr TW_UINT16 kCapCalibrationNeeded = 0xBE00;  // read-only, asked of the scanner
constexpr TW_UINT16 kCapCalibrate = 0xBE01;          // command
constexpr TW_UINT16 kCapFeed = 0xBE02;               // command
constexpr TW_UINT16 kCapClean = 0xBE03;              // command

// MSG_QUERYSUPPORT answers. Every capability answers MSG_GETCURRENT, and
// says so: applications ask for the current value only when the mask allows
// it, and would otherwise take the default for it.
constexpr TW_INT32 kSupportReadOnly = TWQC_GET | TWQC_GETCURRENT | TWQC_GETDEFAULT;  // 13
constexpr TW_INT32 kSupportCommand = kSupportReadOnly | TWQC_SET;                   // 15
constexpr TW_INT32 kSupportNegotiable = kSupportCommand | TWQC_RESET;               // 31

struct CapabilityInfo {
    TW_UINT16 Id;
    TW_UINT16 ItemType;
    TW_INT32 Support;
};

constexpr int kSupportedCapCount = 41;
// The ids CAP_SUPPORTEDCAPS reports, in its order.
extern const TW_UINT16 SupportedCapsList[kSupportedCapCount];
// One entry per id of SupportedCapsList, in the same order.
extern const CapabilityInfo CapabilityTable[kSupportedCapCount];
// The entry of `id`, or null when the source does not handle it.
const CapabilityInfo* FindCapability(TW_UINT16 id);

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
