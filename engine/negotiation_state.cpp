#include "engine/negotiation_state.h"

const int16_t ResolutionList[kResolutionCount + 1] = {75, 100, 150, 200, 300, 400, 500, 600, 0};

uint16_t ShowIndicators = 1;
int16_t XferCount = -1;
uint16_t XferMech = 0;
uint16_t PixelFlavor = 0;
std::string XferFileName = "TWAIN.BMP";
bool AllowedPixelTypes[kPixelTypeCount] = {true, true, true};
bool AllowedResolutions[kResolutionCount] = {true, true, true, true, true, true, true, true};
uint16_t LastSetSize = 0xFFFF;

void ResetNegotiation() {
    ShowIndicators = 1;
    XferMech = 0;  // native
    XferFileName = "TWAIN.BMP";
    PixelFlavor = 0;  // chocolate
    XferCount = -1;
    for (bool& allowed : AllowedPixelTypes) allowed = true;
    for (bool& allowed : AllowedResolutions) allowed = true;
}

bool IsAllowedResolution(int dpi) {
    for (int i = 0; i < kResolutionCount; ++i) {
        if (ResolutionList[i] == dpi) return AllowedResolutions[i];
    }
    return false;
}
