#include "datasource/capability_restrictions.h"

#include "datasource/capability_containers.h"
#include "datasource/capability_setters.h"
#include "datasource/capability_values.h"
#include "engine/negotiation_state.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// A restriction that leaves nothing the scanner can do is refused: the lists
// MSG_GET reports would be empty, with a current index pointing nowhere.
template <size_t N>
bool AnyAllowed(const bool (&allowed)[N]) {
    return std::any_of(allowed, allowed + N, [](bool flag) { return flag; });
}

template <size_t N>
void Commit(bool (&target)[N], const bool (&allowed)[N]) {
    std::copy(allowed, allowed + N, target);
}

TW_UINT16 ResolutionsFromEnumeration(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    std::vector<TW_UINT32> items;
    TW_UINT32 current = 0;
    if (!ReadEnumerationItems32(cap.hContainer, items) ||
        !ReadEnumerationCurrent32(cap.hContainer, current))
        return app.Fail(TWCC_BADVALUE);
    bool allowed[kResolutionCount] = {};
    for (TW_UINT32 item : items) {
        const int16_t dpi = RoundedFix32(item);
        for (int i = 0; i < kResolutionCount; ++i)
            if (ResolutionList[i] == dpi) allowed[i] = true;
    }
    if (!AnyAllowed(allowed)) return app.Fail(TWCC_BADVALUE);
    Commit(app.Negotiated.AllowedResolutions, allowed);
    SetResolution(app.Settings, app.Negotiated, RoundedFix32(current));
    return TWRC_SUCCESS;
}

TW_UINT16 ResolutionsFromRange(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    TW_RANGE range;
    if (!ReadRange(cap.hContainer, range)) return app.Fail(TWCC_BADVALUE);
    const int32_t low = RoundedFix32(range.MinValue);
    const int32_t high = RoundedFix32(range.MaxValue);
    const int32_t step = RoundedFix32(range.StepSize);
    if (low > high || step <= 0) return app.Fail(TWCC_BADVALUE);
    bool allowed[kResolutionCount] = {};
    for (int i = 0; i < kResolutionCount; ++i) {
        const int32_t dpi = ResolutionList[i];
        allowed[i] = dpi >= low && dpi <= high && (dpi - low) % step == 0;
    }
    if (!AnyAllowed(allowed)) return app.Fail(TWCC_BADVALUE);
    Commit(app.Negotiated.AllowedResolutions, allowed);
    SetResolution(app.Settings, app.Negotiated, RoundedFix32(range.CurrentValue));
    return TWRC_SUCCESS;
}

}  // namespace

TW_UINT16 RestrictPixelTypes(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    std::vector<TW_UINT16> items;
    TW_UINT16 current = 0;
    if (!ReadEnumerationItems16(cap.hContainer, items) ||
        !ReadEnumerationCurrent16(cap.hContainer, current))
        return app.Fail(TWCC_BADVALUE);
    bool allowed[kPixelTypeCount] = {};
    for (TW_UINT16 item : items)
        if (item < kPixelTypeCount) allowed[item] = true;
    if (!AnyAllowed(allowed)) return app.Fail(TWCC_BADVALUE);
    Commit(app.Negotiated.AllowedPixelTypes, allowed);
    SetPixelType(app.Settings, app.Negotiated, current);
    return TWRC_SUCCESS;
}

TW_UINT16 RestrictResolutions(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    if (cap.ConType == TWON_RANGE) return ResolutionsFromRange(cap, app);
    return ResolutionsFromEnumeration(cap, app);
}
