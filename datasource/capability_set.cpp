// DAT_CAPABILITY MSG_SET: per capability, the containers it takes, the values
// it refuses and where an accepted value goes. A refused value changes
// nothing; the application's container is only read.
#include "datasource/capability_commands.h"
#include "datasource/capability_restrictions.h"
#include "datasource/capability_setters.h"
#include "datasource/capability_table.h"
#include "datasource/capability_values.h"
#include "datasource/data_source_app.h"
#include "datasource/operations.h"
#include "engine/negotiation_state.h"

namespace {

using Setter = TW_UINT16 (*)(const TW_CAPABILITY& cap, CDataSourceApp& app);

struct SetRule {
    TW_UINT16 Id;
    unsigned Containers;  // kAccepts... mask; none for read-only capabilities
    Setter Apply;
};

constexpr unsigned kOne = kAcceptsOneValue;
constexpr unsigned kOneOrList = kAcceptsOneValue | kAcceptsEnumeration;
constexpr unsigned kAny = kAcceptsOneValue | kAcceptsEnumeration | kAcceptsRange;

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

// Fixed properties: only the one value the scanner has is accepted.
template <TW_UINT16 kOnly>
TW_UINT16 RequireValue(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return With16(cap, app, [&](TW_UINT16 v) -> TW_UINT16 { return v == kOnly ? TWRC_SUCCESS : Refused(app); });
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
    // The feeder is the scanner's only paper path.
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

// The threshold is not stored: it is the brightness seen from the other side.
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

// One resolution serves both axes.
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

// The depth follows from the pixel type; only the matching one is accepted.
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

// Commands run on TRUE; FALSE does nothing and succeeds.
template <TW_UINT16 (*kCommand)(CDataSourceApp&)>
TW_UINT16 RunCommandCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return With16(cap, app, [&](TW_UINT16 v) -> TW_UINT16 { return v != 0 ? kCommand(app) : TWRC_SUCCESS; });
}

// CAP_FEEDERALIGNMENT is absent on purpose: it is answered as unsupported.
const SetRule kSetRules[] = {
    {CAP_XFERCOUNT, kOne, SetXferCountCap},
    {ICAP_COMPRESSION, kOneOrList, RequireValue<TWCP_NONE>},
    {ICAP_PIXELTYPE, kOneOrList, SetPixelTypeCap},
    {ICAP_UNITS, kOneOrList, RequireValue<TWUN_INCHES>},
    {ICAP_XFERMECH, kOneOrList, SetXferMechCap},
    {CAP_FEEDERENABLED, kOne, SetFeederEnabledCap},
    {CAP_FEEDERLOADED, kAcceptsNone, nullptr},
    {CAP_SUPPORTEDCAPS, kAcceptsNone, nullptr},
    {CAP_AUTOFEED, kOne, RequireValue<FALSE>},
    {CAP_INDICATORS, kOne, SetIndicatorsCap},
    {CAP_PAPERDETECTABLE, kAcceptsNone, nullptr},
    {CAP_UICONTROLLABLE, kAcceptsNone, nullptr},
    {CAP_DEVICEONLINE, kAcceptsNone, nullptr},
    {CAP_ENABLEDSUIONLY, kAcceptsNone, nullptr},
    {CAP_REACQUIREALLOWED, kAcceptsNone, nullptr},
    {ICAP_BRIGHTNESS, kAny, SetBrightnessCap},
    {ICAP_CONTRAST, kAny, SetContrastCap},
    {ICAP_GAMMA, kOne, SetGammaCap},
    {ICAP_HIGHLIGHT, kAny, SetHighlightCap},
    {ICAP_IMAGEFILEFORMAT, kOneOrList, RequireValue<TWFF_BMP>},
    {ICAP_PHYSICALWIDTH, kAcceptsNone, nullptr},
    {ICAP_PHYSICALHEIGHT, kAcceptsNone, nullptr},
    {ICAP_SHADOW, kAny, SetShadowCap},
    {ICAP_XNATIVERESOLUTION, kAcceptsNone, nullptr},
    {ICAP_YNATIVERESOLUTION, kAcceptsNone, nullptr},
    {ICAP_XRESOLUTION, kAny, SetResolutionCap},
    {ICAP_YRESOLUTION, kAny, SetResolutionCap},
    {ICAP_BITORDER, kOne, RequireValue<TWBO_MSBFIRST>},
    {ICAP_PIXELFLAVOR, kOne, SetPixelFlavorCap},
    {ICAP_PLANARCHUNKY, kOneOrList, RequireValue<TWPC_CHUNKY>},
    {ICAP_SUPPORTEDSIZES, kOneOrList, SetSupportedSizeCap},
    {ICAP_THRESHOLD, kAny, SetThresholdCap},
    {ICAP_BITDEPTH, kOneOrList, SetBitDepthCap},
    {ICAP_BITDEPTHREDUCTION, kOneOrList, RequireValue<TWBR_THRESHOLD>},
    {kCapFilter, kOne, SetFilterCap},
    {kCapDetectEndOfPage, kOne, SetDetectEndOfPageCap},
    {kCapCalibrationNeeded, kAcceptsNone, nullptr},
    {kCapCalibrate, kOne, RunCommandCap<CalibrateCommand>},
    {kCapFeed, kOne, RunCommandCap<FeedCommand>},
    {kCapClean, kOne, RunCommandCap<CleanCommand>},
};
static_assert(sizeof kSetRules / sizeof kSetRules[0] == kSupportedCapCount - 1,
              "every capability but CAP_FEEDERALIGNMENT has a MSG_SET rule");

const SetRule* FindSetRule(TW_UINT16 id) {
    for (const SetRule& rule : kSetRules)
        if (rule.Id == id) return &rule;
    return nullptr;
}

}  // namespace

TW_UINT16 CapabilitySet(pTW_IDENTITY, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    const auto& cap = *static_cast<const TW_CAPABILITY*>(data);
    const SetRule* rule = FindSetRule(cap.Cap);
    if (!rule) return app.Fail(TWCC_CAPUNSUPPORTED);
    if (rule->Containers == kAcceptsNone) return app.Fail(TWCC_CAPBADOPERATION);
    if (!AcceptsContainer(rule->Containers, cap.ConType)) return Refused(app);
    return rule->Apply(cap, app);
}
