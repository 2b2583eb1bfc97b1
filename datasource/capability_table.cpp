#include "datasource/capability_table.h"

constexpr TW_UINT16 SupportedCapsList[kSupportedCapCount] = {
    CAP_XFERCOUNT,         ICAP_COMPRESSION,      ICAP_PIXELTYPE,         ICAP_UNITS,
    ICAP_XFERMECH,         CAP_FEEDERENABLED,     CAP_FEEDERLOADED,       CAP_SUPPORTEDCAPS,
    CAP_AUTOFEED,          CAP_INDICATORS,        CAP_PAPERDETECTABLE,    CAP_UICONTROLLABLE,
    CAP_DEVICEONLINE,      CAP_ENABLEDSUIONLY,    CAP_FEEDERALIGNMENT,    CAP_REACQUIREALLOWED,
    ICAP_BRIGHTNESS,       ICAP_CONTRAST,         ICAP_GAMMA,             ICAP_HIGHLIGHT,
    ICAP_IMAGEFILEFORMAT,  ICAP_PHYSICALWIDTH,    ICAP_PHYSICALHEIGHT,    ICAP_SHADOW,
    ICAP_XNATIVERESOLUTION, ICAP_YNATIVERESOLUTION, ICAP_XRESOLUTION,     ICAP_YRESOLUTION,
    ICAP_BITORDER,         ICAP_PIXELFLAVOR,      ICAP_PLANARCHUNKY,      ICAP_SUPPORTEDSIZES,
    ICAP_THRESHOLD,        ICAP_BITDEPTH,         ICAP_BITDEPTHREDUCTION, kCapFilter,
    kCapDetectEndOfPage,   kCapCalibrationNeeded, kCapCalibrate,          kCapFeed,
    kCapClean,
};

constexpr CapabilityInfo CapabilityTable[kSupportedCapCount] = {
    {CAP_XFERCOUNT, TWTY_INT16, kSupportNegotiable},
    {ICAP_COMPRESSION, TWTY_UINT16, kSupportNegotiable},
    {ICAP_PIXELTYPE, TWTY_UINT16, kSupportNegotiable},
    {ICAP_UNITS, TWTY_UINT16, kSupportNegotiable},
    {ICAP_XFERMECH, TWTY_UINT16, kSupportNegotiable},
    {CAP_FEEDERENABLED, TWTY_BOOL, kSupportNegotiable},
    {CAP_FEEDERLOADED, TWTY_BOOL, kSupportReadOnly},
    {CAP_SUPPORTEDCAPS, TWTY_UINT16, kSupportReadOnly},
    {CAP_AUTOFEED, TWTY_BOOL, kSupportNegotiable},
    {CAP_INDICATORS, TWTY_BOOL, kSupportNegotiable},
    {CAP_PAPERDETECTABLE, TWTY_BOOL, kSupportReadOnly},
    {CAP_UICONTROLLABLE, TWTY_BOOL, kSupportReadOnly},
    {CAP_DEVICEONLINE, TWTY_BOOL, kSupportReadOnly},
    {CAP_ENABLEDSUIONLY, TWTY_BOOL, kSupportReadOnly},
    {CAP_FEEDERALIGNMENT, TWTY_UINT16, kSupportReadOnly},
    {CAP_REACQUIREALLOWED, TWTY_BOOL, kSupportReadOnly},
    {ICAP_BRIGHTNESS, TWTY_FIX32, kSupportNegotiable},
    {ICAP_CONTRAST, TWTY_FIX32, kSupportNegotiable},
    {ICAP_GAMMA, TWTY_FIX32, kSupportNegotiable},
    {ICAP_HIGHLIGHT, TWTY_FIX32, kSupportNegotiable},
    {ICAP_IMAGEFILEFORMAT, TWTY_UINT16, kSupportNegotiable},
    {ICAP_PHYSICALWIDTH, TWTY_FIX32, kSupportReadOnly},
    {ICAP_PHYSICALHEIGHT, TWTY_FIX32, kSupportReadOnly},
    {ICAP_SHADOW, TWTY_FIX32, kSupportNegotiable},
    {ICAP_XNATIVERESOLUTION, TWTY_FIX32, kSupportReadOnly},
    {ICAP_YNATIVERESOLUTION, TWTY_FIX32, kSupportReadOnly},
    {ICAP_XRESOLUTION, TWTY_FIX32, kSupportNegotiable},
    {ICAP_YRESOLUTION, TWTY_FIX32, kSupportNegotiable},
    {ICAP_BITORDER, TWTY_UINT16, kSupportNegotiable},
    {ICAP_PIXELFLAVOR, TWTY_UINT16, kSupportNegotiable},
    {ICAP_PLANARCHUNKY, TWTY_UINT16, kSupportNegotiable},
    {ICAP_SUPPORTEDSIZES, TWTY_UINT16, kSupportNegotiable},
    {ICAP_THRESHOLD, TWTY_FIX32, kSupportNegotiable},
    {ICAP_BITDEPTH, TWTY_UINT16, kSupportNegotiable},
    {ICAP_BITDEPTHREDUCTION, TWTY_UINT16, kSupportNegotiable},
    {kCapFilter, TWTY_BOOL, kSupportNegotiable},
    {kCapDetectEndOfPage, TWTY_BOOL, kSupportNegotiable},
    {kCapCalibrationNeeded, TWTY_BOOL, kSupportReadOnly},
    {kCapCalibrate, TWTY_BOOL, kSupportCommand},
    {kCapFeed, TWTY_BOOL, kSupportCommand},
    {kCapClean, TWTY_BOOL, kSupportCommand},
};

namespace {
constexpr bool TableFollowsList() {
    for (int i = 0; i < kSupportedCapCount; ++i)
        if (CapabilityTable[i].Id != SupportedCapsList[i]) return false;
    return true;
}
static_assert(TableFollowsList(), "CapabilityTable lists the ids of SupportedCapsList in order");
}  // namespace

const CapabilityInfo* FindCapability(TW_UINT16 id) {
    for (const CapabilityInfo& info : CapabilityTable)
        if (info.Id == id) return &info;
    return nullptr;
}

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
