#include "engine/negotiation_state.h"

void Negotiation::Reset() {
    const uint16_t lastSetSize = LastSetSize;
    *this = Negotiation{};
    LastSetSize = lastSetSize;
}

bool Negotiation::IsAllowedResolution(int dpi) const {
    for (int i = 0; i < kResolutionCount; ++i) {
        if (ResolutionList[i] == dpi) return AllowedResolutions[i];
    }
    return false;
}
