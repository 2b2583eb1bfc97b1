#include "datasource/scanner_properties.h"

const PixelTypeMode PixelTypeModeMap[kPixelTypeCount] = {
    {TWPT_BW, kScanModeBlackWhite},
    {TWPT_GRAY, kScanModeGray},
    {TWPT_RGB, kScanModeColor},
};

TW_UINT16 CurrentPixelType(const ScanSettings& settings) {
    for (int type = TWPT_RGB; type >= TWPT_GRAY; --type)
        if (PixelTypeModeMap[type].ScanMode == settings.ScanMode) return PixelTypeModeMap[type].PixelType;
    return TWPT_BW;
}

TW_UINT16 BitDepthOf(TW_UINT16 pixelType) {
    return (pixelType == TWPT_GRAY || pixelType == TWPT_RGB) ? 8 : 1;
}

const PaperSize PaperSizeTable[kPaperSizeCount] = {
    {TWSS_NONE, 0, 0, 1400, 864},  // the whole scan area
    {TWSS_USLETTER, 0, 0, 1100, 850},
    {TWSS_USLEGAL, 0, 0, 1400, 850},
    {TWSS_A4LETTER, 0, 0, 1169, 827},
    {TWSS_ISOB5, 0, 0, 984, 693},
    {TWSS_A5, 0, 0, 827, 583},
    {TWSS_A6, 0, 0, 583, 413},
    {TWSS_BUSINESSCARD, 0, 0, 217, 354},
};

const PaperSize* FindPaperSizeCode(TW_UINT16 code) {
    for (const PaperSize& size : PaperSizeTable)
        if (size.Code == code) return &size;
    return nullptr;
}

TW_UINT16 CurrentPaperSize(const ScanSettings& settings, const Negotiation& negotiated) {
    for (const PaperSize& size : PaperSizeTable) {
        // The whole-area row counts only once an application chose that size.
        if (size.Code == TWSS_NONE && negotiated.LastSetSize != 0) continue;
        if (settings.Top == size.Top && settings.Left == size.Left &&
            settings.Bottom == size.Bottom && settings.Right == size.Right)
            return size.Code;
    }
    return TWSS_NONE;
}
