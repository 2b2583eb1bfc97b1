// Module-wide values that applications negotiate through capabilities and
// that the settings, the dialog and the transfers consult.
#pragma once

#include <cstdint>
#include <string>

constexpr int kResolutionCount = 8;
// The scanner's resolutions in dots per inch, ended by 0.
extern const int16_t ResolutionList[kResolutionCount + 1];
constexpr int16_t kDefaultResolution = 300;

constexpr int kPixelTypeCount = 3;  // TWPT_BW, TWPT_GRAY, TWPT_RGB

extern uint16_t ShowIndicators;  // CAP_INDICATORS
extern int16_t XferCount;        // CAP_XFERCOUNT
extern uint16_t XferMech;        // ICAP_XFERMECH
extern uint16_t PixelFlavor;     // ICAP_PIXELFLAVOR
extern std::string XferFileName; // file transfer name, at most 255 characters
extern bool AllowedPixelTypes[kPixelTypeCount];
extern bool AllowedResolutions[kResolutionCount];
extern uint16_t LastSetSize;     // ICAP_SUPPORTEDSIZES; kept across opens

// The values every open of the source starts from.
void ResetNegotiation();

// True when `dpi` is an entry of ResolutionList whose AllowedResolutions flag is set.
bool IsAllowedResolution(int dpi);
