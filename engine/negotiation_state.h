// What applications negotiate through capabilities and what the settings, the
// dialog and the transfers consult: kept by the data source object and handed
// to whoever needs it.
#pragma once

#include <cstdint>
#include <string>

constexpr int kResolutionCount = 8;
// The scanner's resolutions in dots per inch, ended by 0.
inline constexpr int16_t ResolutionList[kResolutionCount + 1] = {75, 100, 150, 200, 300, 400, 500, 600, 0};
constexpr int16_t kDefaultResolution = 300;

constexpr int kPixelTypeCount = 3;  // TWPT_BW, TWPT_GRAY, TWPT_RGB

struct Negotiation {
    uint16_t ShowIndicators = 1;             // CAP_INDICATORS
    int16_t XferCount = -1;                  // CAP_XFERCOUNT
    uint16_t XferMech = 0;                   // ICAP_XFERMECH
    uint16_t PixelFlavor = 0;                // ICAP_PIXELFLAVOR
    std::string XferFileName = "TWAIN.BMP";  // file transfer name, at most 255 characters
    bool AllowedPixelTypes[kPixelTypeCount] = {true, true, true};
    bool AllowedResolutions[kResolutionCount] = {true, true, true, true, true, true, true, true};
    uint16_t LastSetSize = 0xFFFF;           // ICAP_SUPPORTEDSIZES; kept across opens

    // The values every open of the source starts from; LastSetSize stays.
    void Reset();
    // True when `dpi` is an entry of ResolutionList whose AllowedResolutions flag is set.
    bool IsAllowedResolution(int dpi) const;
};
