// The MSG_SET handlers of the capability table's rows: the values each
// refuses and where an accepted value goes. A refused value changes nothing;
// the application's container is only read.
#include "datasource/capability_set.h"

#include "datasource/capability_restrictions.h"
#include "datasource/capability_setters.h"
#include "datasource/capability_values.h"
#include "datasource/scanner_properties.h"
#include "engine/negotiation_state.h"

namespace {

TW_UINT16 Refused(CDataSourceApp& app) { return app.Fail(TWCC_BADVALUE); }

// Runs `use` with the container's 16-bit or 32-bit value, or refuses a
// container that cannot be read.
template <typename Use>
TW_UINT16 With16(const TW_CAPABILITY& cap, CDataSourceApp& app, Use use) {
    TW_UINT16 value = 0;
    if (!ReadSetValue16(cap, value)) return Refused(app);
    return use(value);
}

template <typename Use>
TW_UINT16 With32(const TW_CAPABILITY& cap, CDataSourceApp& app, Use use) {
    TW_UINT32 value = 0;
    if (!ReadSetValue32(cap, value)) return Refused(app);
    return use(value);
}

}  // namespace

TW_UINT16 RequireWord(const TW_CAPABILITY& cap, CDataSourceApp& app, TW_UINT16 only) {
    return With16(cap, app, [&](TW_UINT16 v) -> TW_UINT16 { return v == only ? TWRC_SUCCESS : Refused(app); });
}

TW_UINT16 RunCommand(const TW_CAPABILITY& cap, CDataSourceApp& app, TW_UINT16 (*command)(CDataSourceApp&)) {
    return With16(cap, app, [&](TW_UINT16 v) -> TW_UINT16 { return v != 0 ? command(app) : TWRC_SUCCESS; });
}

TW_UINT16 SetXferCountCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return With16(cap, app, [&](TW_UINT16 v) -> TW_UINT16 {
        app.Negotiated.XferCount = static_cast<int16_t>(v);
        app.PendingXfers = app.Negotiated.XferCount;
        return TWRC_SUCCESS;
    });
}

TW_UINT16 SetPixelTypeCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    if (cap.ConType == TWON_ENUMERATION) return RestrictPixelTypes(cap, app);
    return With16(cap, app, [&](TW_UINT16 v) -> TW_UINT16 {
        SetPixelType(app.Settings, app.Negotiated, v);
        return TWRC_SUCCESS;
    });
}

TW_UINT16 SetXferMechCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return With16(cap, app, [&](TW_UINT16 v) -> TW_UINT16 {
        // A mechanism the source has no transfer for would only fail later,
        // at the transfer, where the application can no longer choose another.
        if (v != TWSX_NATIVE && v != TWSX_FILE && v != TWSX_MEMORY) return Refused(app);
        app.Negotiated.XferMech = v;
        return TWRC_SUCCESS;
    });
}

TW_UINT16 SetFeederEnabledCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return With16(cap, app, [&](TW_UINT16 v) -> TW_UINT16 { return v != 0 ? TWRC_SUCCESS : Refused(app); });
}

TW_UINT16 SetIndicatorsCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return With16(cap, app, [&](TW_UINT16 v) -> TW_UINT16 {
        app.Negotiated.ShowIndicators = v;
        return TWRC_SUCCESS;
    });
}

TW_UINT16 SetBrightnessCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return With32(cap, app, [&](TW_UINT32 v) -> TW_UINT16 {
        SetBrightness(app.Settings, TruncatedFix32(v));
        return TWRC_SUCCESS;
    });
}

TW_UINT16 SetContrastCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return With32(cap, app, [&](TW_UINT32 v) -> TW_UINT16 {
        SetContrast(app.Settings, TruncatedFix32(v));
        return TWRC_SUCCESS;
    });
}

TW_UINT16 SetGammaCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return With32(cap, app, [&](TW_UINT32 v) -> TW_UINT16 {
        SetGamma(app.Settings, GammaOfFix32(v));
        return TWRC_SUCCESS;
    });
}

TW_UINT16 SetHighlightCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return With32(cap, app, [&](TW_UINT32 v) -> TW_UINT16 {
        SetHighlight(app.Settings, TruncatedFix32(v));
        return TWRC_SUCCESS;
    });
}

TW_UINT16 SetShadowCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return With32(cap, app, [&](TW_UINT32 v) -> TW_UINT16 {
        SetShadow(app.Settings, TruncatedFix32(v));
        return TWRC_SUCCESS;
    });
}

TW_UINT16 SetThresholdCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return With32(cap, app, [&](TW_UINT32 v) -> TW_UINT16 {
        SetBrightness(app.Settings, BrightnessOfThreshold(v));
        return TWRC_SUCCESS;
    });
}

TW_UINT16 SetPixelFlavorCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return With16(cap, app, [&](TW_UINT16 v) -> TW_UINT16 {
        app.Negotiated.PixelFlavor = v == TWPF_VANILLA ? TWPF_VANILLA : TWPF_CHOCOLATE;
        return TWRC_SUCCESS;
    });
}

TW_UINT16 SetResolutionCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    if (cap.ConType != TWON_ONEVALUE) return RestrictResolutions(cap, app);
    return With32(cap, app, [&](TW_UINT32 v) -> TW_UINT16 {
        SetResolution(app.Settings, app.Negotiated, RoundedFix32(v));
        return TWRC_SUCCESS;
    });
}

TW_UINT16 SetSupportedSizeCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return With16(cap, app, [&](TW_UINT16 v) -> TW_UINT16 {
        return SetSupportedSize(app.Settings, app.Negotiated, v) ? TWRC_SUCCESS : Refused(app);
    });
}

TW_UINT16 SetBitDepthCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    static const TW_UINT16 kDepthOfType[kPixelTypeCount] = {1, 8, 24};
    return With16(cap, app, [&](TW_UINT16 v) -> TW_UINT16 {
        return v == kDepthOfType[CurrentPixelType(app.Settings)] ? TWRC_SUCCESS : Refused(app);
    });
}

TW_UINT16 SetFilterCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return With16(cap, app, [&](TW_UINT16 v) -> TW_UINT16 {
        app.Settings.Filter = v != 0 ? 1 : 0;
        return TWRC_SUCCESS;
    });
}

TW_UINT16 SetDetectEndOfPageCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return With16(cap, app, [&](TW_UINT16 v) -> TW_UINT16 {
        app.Settings.DetectEOP = v != 0 ? 1 : 0;
        return TWRC_SUCCESS;
    });
}
