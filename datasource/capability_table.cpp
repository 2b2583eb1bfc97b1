#include "datasource/capability_table.h"

#include "datasource/capability_commands.h"
#include "datasource/capability_lists.h"
#include "datasource/capability_set.h"
#include "datasource/capability_setters.h"
#include "datasource/data_source_app.h"
#include "datasource/scanner_properties.h"
#include "engine/negotiation_state.h"
#include "engine/scan_settings.h"

#include <cstring>

namespace {

using App = CDataSourceApp;

constexpr unsigned kOne = kAcceptsOneValue;
constexpr unsigned kOneOrList = kAcceptsOneValue | kAcceptsEnumeration;
constexpr unsigned kAny = kAcceptsOneValue | kAcceptsEnumeration | kAcceptsRange;

template <TW_UINT32 kWord>
TW_UINT32 Always(const App&) {
    return kWord;
}

template <int kValue>
TW_UINT32 AlwaysFix(const App&) {
    return FixWordOf(static_cast<float>(kValue));
}

bool Online(const App& app) { return app.DeviceOnline != 0; }

// One application is told that enabling for the user interface alone is not
// supported.
bool IsApplicationXtender(const TW_IDENTITY& identity) {
    static const char kName[] = "ApplicationXtender";
    static_assert(sizeof kName <= sizeof identity.ProductName, "name fits TW_STR32");
    return std::memcmp(identity.ProductName, kName, sizeof kName) == 0;
}

// Lifting an application's restriction goes with the reset of these two.
void ResetPixelTypes(App& app) {
    for (bool& allowed : app.Negotiated.AllowedPixelTypes) allowed = true;
    SetPixelType(app.Settings, app.Negotiated, TWPT_BW);
}

void ResetResolutions(App& app) {
    for (bool& allowed : app.Negotiated.AllowedResolutions) allowed = true;
    SetResolution(app.Settings, app.Negotiated, kDefaultResolution);
}

constexpr Capability Row(TW_UINT16 id, TW_UINT16 itemType) { return CapabilityRow(id, itemType); }

// A fixed property: the one value the scanner has is all MSG_SET accepts,
// and MSG_RESET has nothing to put back.
template <TW_UINT16 kOnly>
constexpr Capability FixedRow(TW_UINT16 id, TW_UINT16 itemType, unsigned containers) {
    return Row(id, itemType).Current(Always<kOnly>).Set(containers, RequireValue<kOnly>).ResetKeepsValue();
}

// One resolution serves both axes.
constexpr Capability ResolutionRow(TW_UINT16 id) {
    return Row(id, TWTY_FIX32)
        .Current([](const App& app) { return FixWordOf(app.Settings.DPI); })
        .Default(AlwaysFix<kDefaultResolution>)
        .Lists(ListResolutions)
        .Set(kAny, SetResolutionCap)
        .Reset(ResetResolutions);
}

}  // namespace

constexpr Capability CapabilityTable[kSupportedCapCount] = {
    Row(CAP_XFERCOUNT, TWTY_INT16)
        .Current([](const App& app) { return SignedWord(app.Negotiated.XferCount); })
        .Set(kOne, SetXferCountCap)
        .Reset([](App& app) { app.Negotiated.XferCount = -1; }),
    FixedRow<TWCP_NONE>(ICAP_COMPRESSION, TWTY_UINT16, kOneOrList),
    Row(ICAP_PIXELTYPE, TWTY_UINT16)
        .Current([](const App& app) -> TW_UINT32 { return CurrentPixelType(app.Settings); })
        .Default(Always<TWPT_BW>)
        .Lists(ListPixelTypes)
        .Set(kOneOrList, SetPixelTypeCap)
        .Reset(ResetPixelTypes),
    FixedRow<TWUN_INCHES>(ICAP_UNITS, TWTY_UINT16, kOneOrList),
    Row(ICAP_XFERMECH, TWTY_UINT16)
        .Current([](const App& app) -> TW_UINT32 { return app.Negotiated.XferMech; })
        .Default(Always<TWSX_NATIVE>)
        .Lists(ListTransferMechanisms)
        .Set(kOneOrList, SetXferMechCap)
        .Reset([](App& app) { app.Negotiated.XferMech = TWSX_NATIVE; }),
    Row(CAP_FEEDERENABLED, TWTY_BOOL)
        .Current(Always<TRUE>)
        .Set(kOne, SetFeederEnabledCap)
        .ResetKeepsValue(),
    // Always asked anew: the paper may have been inserted since the last look.
    Row(CAP_FEEDERLOADED, TWTY_BOOL)
        .Current([](const App& app) { return BoolWord(Online(app) && app.Io.IsPaperOn(false)); })
        .Default(Always<FALSE>),
    // The list is its own current and default value.
    Row(CAP_SUPPORTEDCAPS, TWTY_UINT16).Lists(ListSupportedCaps),
    FixedRow<FALSE>(CAP_AUTOFEED, TWTY_BOOL, kOne),
    Row(CAP_INDICATORS, TWTY_BOOL)
        .Current([](const App& app) -> TW_UINT32 { return app.Negotiated.ShowIndicators; })
        .Default(Always<TRUE>)
        .Set(kOne, SetIndicatorsCap)
        .Reset([](App& app) { app.Negotiated.ShowIndicators = TRUE; }),
    Row(CAP_PAPERDETECTABLE, TWTY_BOOL).Current(Always<TRUE>),
    Row(CAP_UICONTROLLABLE, TWTY_BOOL).Current(Always<TRUE>),
    Row(CAP_DEVICEONLINE, TWTY_BOOL)
        .Current([](const App& app) { return BoolWord(Online(app)); })
        .Default(Always<TRUE>),
    Row(CAP_ENABLEDSUIONLY, TWTY_BOOL)
        .Current([](const App& app) { return BoolWord(!IsApplicationXtender(app.AppIdentity)); }),
    Row(CAP_FEEDERALIGNMENT, TWTY_UINT16).Current(Always<TWFA_LEFT>).SetUnsupported(),
    Row(CAP_REACQUIREALLOWED, TWTY_BOOL).Current(Always<FALSE>),
    Row(ICAP_BRIGHTNESS, TWTY_FIX32)
        .Current([](const App& app) { return FixWordOf(app.Settings.Brightness * 10.0f); })
        .Default(AlwaysFix<kBrightnessRange.Default * kToneScale>)
        .Lists(ListBrightness)
        .Set(kAny, SetBrightnessCap)
        .Reset([](App& app) { app.Settings.Brightness = kBrightnessRange.Default; }),
    Row(ICAP_CONTRAST, TWTY_FIX32)
        .Current([](const App& app) { return FixWordOf(app.Settings.Contrast * 10.0f); })
        .Default(AlwaysFix<kContrastRange.Default * kToneScale>)
        .Lists(ListContrast)
        .Set(kAny, SetContrastCap)
        .Reset([](App& app) { app.Settings.Contrast = kContrastRange.Default; }),
    Row(ICAP_GAMMA, TWTY_FIX32)
        .Current([](const App& app) { return FixWordOf(app.Settings.Gamma / 10.0f); })
        .Default([](const App&) { return FixWordOf(kGammaRange.Default / 10.0f); })
        .Set(kOne, SetGammaCap)
        .Reset([](App& app) { app.Settings.Gamma = kGammaRange.Default; }),
    Row(ICAP_HIGHLIGHT, TWTY_FIX32)
        .Current([](const App& app) { return FixWordOf(app.Settings.Highlight); })
        .Default(AlwaysFix<kHighlightRange.Default>)
        .Lists(ListHighlight)
        .Set(kAny, SetHighlightCap)
        .Reset([](App& app) { app.Settings.Highlight = kHighlightRange.Default; }),
    FixedRow<TWFF_BMP>(ICAP_IMAGEFILEFORMAT, TWTY_UINT16, kOneOrList),
    Row(ICAP_PHYSICALWIDTH, TWTY_FIX32).Current([](const App&) { return FixWordOf(kPhysicalWidthInches); }),
    Row(ICAP_PHYSICALHEIGHT, TWTY_FIX32).Current([](const App&) { return FixWordOf(kPhysicalHeightInches); }),
    Row(ICAP_SHADOW, TWTY_FIX32)
        .Current([](const App& app) { return FixWordOf(app.Settings.Shadow); })
        .Default(AlwaysFix<kShadowRange.Default>)
        .Lists(ListShadow)
        .Set(kAny, SetShadowCap)
        .Reset([](App& app) { app.Settings.Shadow = kShadowRange.Default; }),
    Row(ICAP_XNATIVERESOLUTION, TWTY_FIX32).Current(AlwaysFix<kNativeResolution>),
    Row(ICAP_YNATIVERESOLUTION, TWTY_FIX32).Current(AlwaysFix<kNativeResolution>),
    ResolutionRow(ICAP_XRESOLUTION),
    ResolutionRow(ICAP_YRESOLUTION),
    FixedRow<TWBO_MSBFIRST>(ICAP_BITORDER, TWTY_UINT16, kOne),
    Row(ICAP_PIXELFLAVOR, TWTY_UINT16)
        .Current([](const App& app) -> TW_UINT32 { return app.Negotiated.PixelFlavor; })
        .Default(Always<TWPF_CHOCOLATE>)
        .Lists(ListPixelFlavors)
        .Set(kOne, SetPixelFlavorCap)
        .Reset([](App& app) { app.Negotiated.PixelFlavor = TWPF_CHOCOLATE; }),
    FixedRow<TWPC_CHUNKY>(ICAP_PLANARCHUNKY, TWTY_UINT16, kOneOrList),
    Row(ICAP_SUPPORTEDSIZES, TWTY_UINT16)
        .Current([](const App& app) -> TW_UINT32 { return CurrentPaperSize(app.Settings, app.Negotiated); })
        .Default(Always<kDefaultPaperSize>)
        .Lists(ListPaperSizes)
        .Set(kOneOrList, SetSupportedSizeCap)
        .Reset([](App& app) { SetSupportedSize(app.Settings, app.Negotiated, kDefaultPaperSize); }),
    // Not stored: derived from the brightness at every read.
    Row(ICAP_THRESHOLD, TWTY_FIX32)
        .Current([](const App& app) { return FixWordOf(128.0f - app.Settings.Brightness); })
        .Default(AlwaysFix<128>)
        .Set(kAny, SetThresholdCap)
        .Reset([](App& app) { app.Settings.Brightness = kBrightnessRange.Default; }),
    // The default follows the current pixel type.
    Row(ICAP_BITDEPTH, TWTY_UINT16)
        .Current([](const App& app) -> TW_UINT32 { return BitDepthOf(CurrentPixelType(app.Settings)); })
        .Set(kOneOrList, SetBitDepthCap)
        .ResetKeepsValue(),
    FixedRow<TWBR_THRESHOLD>(ICAP_BITDEPTHREDUCTION, TWTY_UINT16, kOneOrList),
    Row(kCapFilter, TWTY_BOOL)
        .Current([](const App& app) { return BoolWord(app.Settings.Filter != 0); })
        .Default(Always<FALSE>)
        .Set(kOne, SetFilterCap)
        .Reset([](App& app) { app.Settings.Filter = 0; }),
    Row(kCapDetectEndOfPage, TWTY_BOOL)
        .Current([](const App& app) { return BoolWord(app.Settings.DetectEOP != 0); })
        .Default(Always<FALSE>)
        .Set(kOne, SetDetectEndOfPageCap)
        .Reset([](App& app) { app.Settings.DetectEOP = 0; }),
    Row(kCapCalibrationNeeded, TWTY_BOOL)
        .Current([](const App& app) { return BoolWord(Online(app) && app.Io.IsCalibrationNeeded() != 0); })
        .Default(Always<FALSE>),
    Row(kCapCalibrate, TWTY_BOOL).Current(Always<FALSE>).Set(kOne, RunCommandCap<CalibrateCommand>),
    Row(kCapFeed, TWTY_BOOL).Current(Always<FALSE>).Set(kOne, RunCommandCap<FeedCommand>),
    Row(kCapClean, TWTY_BOOL).Current(Always<FALSE>).Set(kOne, RunCommandCap<CleanCommand>),
};

namespace {

struct CapsList {
    TW_UINT16 Ids[kSupportedCapCount];
};

constexpr CapsList IdsOfTable() {
    CapsList list{};
    for (int i = 0; i < kSupportedCapCount; ++i) list.Ids[i] = CapabilityTable[i].Id;
    return list;
}

constexpr CapsList kSupportedCaps = IdsOfTable();

// Every row answers some get, and a handler stands behind every set it allows.
constexpr bool RowsAreComplete() {
    for (const Capability& row : CapabilityTable) {
        if (!row.CurrentWord && !row.Values) return false;
        if ((row.SetValue != nullptr) != (row.SetContainers != kAcceptsNone)) return false;
        if (row.Resettable && !row.SetValue) return false;
        for (const Capability& other : CapabilityTable)
            if (&other != &row && other.Id == row.Id) return false;
    }
    return true;
}
static_assert(RowsAreComplete(), "each capability has one complete row");

}  // namespace

const TW_UINT16 (&SupportedCapsList)[kSupportedCapCount] = kSupportedCaps.Ids;

const Capability* FindCapability(TW_UINT16 id) {
    for (const Capability& row : CapabilityTable)
        if (row.Id == id) return &row;
    return nullptr;
}
