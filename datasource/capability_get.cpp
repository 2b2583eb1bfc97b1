// DAT_CAPABILITY MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT and MSG_QUERYSUPPORT.
#include "datasource/capability_containers.h"
#include "datasource/capability_table.h"
#include "datasource/data_source_app.h"
#include "datasource/fix32.h"
#include "datasource/operations.h"
#include "engine/negotiation_state.h"

#include <cstring>

namespace {

TW_UINT32 Fix(float value) { return Fix32ToWord(FloatToFix32(value)); }
TW_UINT32 Bool(bool value) { return value ? TRUE : FALSE; }
// Signed 16-bit values fill the Item word sign-extended, so that it reads the
// same as a TW_INT16 and as a TW_INT32.
TW_UINT32 SignedWord(int16_t value) { return static_cast<TW_UINT32>(static_cast<int32_t>(value)); }

// One application is told that enabling for the user interface alone is not
// supported.
bool IsApplicationXtender(const TW_IDENTITY& app) {
    static const char kName[] = "ApplicationXtender";
    static_assert(sizeof kName <= sizeof app.ProductName, "name fits TW_STR32");
    return std::memcmp(app.ProductName, kName, sizeof kName) == 0;
}

// The one-value word MSG_GETCURRENT reports; MSG_GET reports it too for every
// capability that has no list of values.
TW_UINT32 CurrentWord(TW_UINT16 id, const CDataSourceApp& app) {
    const ScanSettings& settings = app.Settings;
    const bool online = app.DeviceOnline != 0;
    switch (id) {
    case CAP_XFERCOUNT: return SignedWord(app.Negotiated.XferCount);
    case ICAP_COMPRESSION: return TWCP_NONE;
    case ICAP_PIXELTYPE: return CurrentPixelType(settings);
    case ICAP_UNITS: return TWUN_INCHES;
    case ICAP_XFERMECH: return app.Negotiated.XferMech;
    case CAP_FEEDERENABLED: return TRUE;
    // Always asked anew: the paper may have been inserted since the last look.
    case CAP_FEEDERLOADED: return Bool(online && app.Io.IsPaperOn(false));
    case CAP_AUTOFEED: return FALSE;
    case CAP_INDICATORS: return app.Negotiated.ShowIndicators;
    case CAP_PAPERDETECTABLE: return TRUE;
    case CAP_UICONTROLLABLE: return TRUE;
    case CAP_DEVICEONLINE: return Bool(online);
    case CAP_ENABLEDSUIONLY: return Bool(!IsApplicationXtender(app.AppIdentity));
    case CAP_FEEDERALIGNMENT: return TWFA_LEFT;
    case CAP_REACQUIREALLOWED: return FALSE;
    case ICAP_BRIGHTNESS: return Fix(settings.Brightness * 10.0f);
    case ICAP_CONTRAST: return Fix(settings.Contrast * 10.0f);
    case ICAP_GAMMA: return Fix(settings.Gamma / 10.0f);
    case ICAP_HIGHLIGHT: return Fix(settings.Highlight);
    case ICAP_IMAGEFILEFORMAT: return TWFF_BMP;
    case ICAP_PHYSICALWIDTH: return Fix(kPhysicalWidthInches);
    case ICAP_PHYSICALHEIGHT: return Fix(kPhysicalHeightInches);
    case ICAP_SHADOW: return Fix(settings.Shadow);
    case ICAP_XNATIVERESOLUTION:
    case ICAP_YNATIVERESOLUTION: return Fix(kNativeResolution);
    // One resolution serves both axes.
    case ICAP_XRESOLUTION:
    case ICAP_YRESOLUTION: return Fix(settings.DPI);
    case ICAP_BITORDER: return TWBO_MSBFIRST;
    case ICAP_PIXELFLAVOR: return app.Negotiated.PixelFlavor;
    case ICAP_PLANARCHUNKY: return TWPC_CHUNKY;
    case ICAP_SUPPORTEDSIZES: return CurrentPaperSize(settings, app.Negotiated);
    // Not stored: derived from the brightness at every read.
    case ICAP_THRESHOLD: return Fix(128.0f - settings.Brightness);
    case ICAP_BITDEPTH: return BitDepthOf(CurrentPixelType(settings));
    case ICAP_BITDEPTHREDUCTION: return TWBR_THRESHOLD;
    case kCapFilter: return Bool(settings.Filter != 0);
    case kCapDetectEndOfPage: return Bool(settings.DetectEOP != 0);
    case kCapCalibrationNeeded: return Bool(online && app.Io.IsCalibrationNeeded() != 0);
    case kCapCalibrate:
    case kCapFeed:
    case kCapClean: return FALSE;
    default: return 0;
    }
}

// The one-value word MSG_GETDEFAULT reports.
TW_UINT32 DefaultWord(TW_UINT16 id, const CDataSourceApp& app) {
    switch (id) {
    case CAP_XFERCOUNT: return SignedWord(app.Negotiated.XferCount);
    case ICAP_PIXELTYPE: return TWPT_BW;
    case ICAP_XFERMECH: return TWSX_NATIVE;
    case CAP_FEEDERLOADED: return FALSE;
    case CAP_INDICATORS: return TRUE;
    case CAP_DEVICEONLINE: return TRUE;
    case ICAP_BRIGHTNESS:
    case ICAP_CONTRAST: return Fix(0);
    case ICAP_GAMMA: return Fix(1.8f);
    case ICAP_HIGHLIGHT: return Fix(255);
    case ICAP_SHADOW: return Fix(0);
    case ICAP_XRESOLUTION:
    case ICAP_YRESOLUTION: return Fix(kDefaultResolution);
    case ICAP_PIXELFLAVOR: return TWPF_CHOCOLATE;
    case ICAP_SUPPORTEDSIZES: return kDefaultPaperSize;
    case ICAP_THRESHOLD: return Fix(128);
    case kCapFilter:
    case kCapDetectEndOfPage:
    case kCapCalibrationNeeded: return FALSE;
    // Fixed properties, and the two whose default follows the current state
    // (CAP_ENABLEDSUIONLY, ICAP_BITDEPTH).
    default: return CurrentWord(id, app);
    }
}

TW_UINT16 GetPixelTypes(TW_CAPABILITY& cap, const CDataSourceApp& app) {
    TW_UINT16 types[kPixelTypeCount];
    TW_UINT32 count = 0;
    for (int type = TWPT_BW; type <= TWPT_RGB; ++type)
        if (app.Negotiated.AllowedPixelTypes[type]) types[count++] = static_cast<TW_UINT16>(type);
    const TW_UINT16 defaultType = (count == 0 || app.Negotiated.AllowedPixelTypes[TWPT_BW]) ? TWPT_BW : types[0];
    return MakeEnumeration16(cap, TWTY_UINT16, count, types, CurrentPixelType(app.Settings),
                             defaultType);
}

TW_UINT16 GetResolutions(TW_CAPABILITY& cap, const CDataSourceApp& app) {
    TW_UINT32 resolutions[kResolutionCount];
    TW_UINT32 count = 0;
    for (int i = 0; i < kResolutionCount; ++i)
        if (app.Negotiated.AllowedResolutions[i]) resolutions[count++] = Fix(ResolutionList[i]);
    return MakeEnumeration32(cap, TWTY_FIX32, count, resolutions, Fix(app.Settings.DPI),
                             Fix(kDefaultResolution));
}

TW_UINT16 GetPaperSizes(TW_CAPABILITY& cap, const CDataSourceApp& app) {
    TW_UINT16 codes[kPaperSizeCount];
    for (int i = 0; i < kPaperSizeCount; ++i) codes[i] = PaperSizeTable[i].Code;
    return MakeEnumeration16(cap, TWTY_UINT16, kPaperSizeCount, codes,
                             CurrentPaperSize(app.Settings, app.Negotiated), kDefaultPaperSize);
}

TW_UINT16 GetToneRange(TW_CAPABILITY& cap, float low, float high, float step, float defaultValue,
                       float current) {
    return MakeRange(cap, TWTY_FIX32, Fix(low), Fix(high), Fix(step), Fix(defaultValue),
                     Fix(current));
}

TW_UINT16 GetSupportedCaps(TW_CAPABILITY& cap) {
    return MakeArray16(cap, TWTY_UINT16, kSupportedCapCount, SupportedCapsList);
}

// MSG_GET: the capability's list, range or array where it has one, else its
// current value.
TW_UINT16 AnswerGet(TW_CAPABILITY& cap, const CapabilityInfo& info, const CDataSourceApp& app) {
    static const TW_UINT16 kXferMechs[] = {TWSX_NATIVE, TWSX_FILE, TWSX_MEMORY};
    static const TW_UINT16 kPixelFlavors[] = {TWPF_CHOCOLATE, TWPF_VANILLA};
    const ScanSettings& settings = app.Settings;
    switch (info.Id) {
    case ICAP_PIXELTYPE: return GetPixelTypes(cap, app);
    case ICAP_XFERMECH:
        return MakeEnumeration16(cap, info.ItemType, 3, kXferMechs, app.Negotiated.XferMech, TWSX_NATIVE);
    case CAP_SUPPORTEDCAPS: return GetSupportedCaps(cap);
    case ICAP_BRIGHTNESS: return GetToneRange(cap, -1000, 1000, 10, 0, settings.Brightness * 10.0f);
    case ICAP_CONTRAST: return GetToneRange(cap, -1000, 1000, 10, 0, settings.Contrast * 10.0f);
    case ICAP_HIGHLIGHT: return GetToneRange(cap, 0, 255, 1, 255, settings.Highlight);
    case ICAP_SHADOW: return GetToneRange(cap, 0, 255, 1, 0, settings.Shadow);
    case ICAP_XRESOLUTION:
    case ICAP_YRESOLUTION: return GetResolutions(cap, app);
    case ICAP_PIXELFLAVOR:
        return MakeEnumeration16(cap, info.ItemType, 2, kPixelFlavors, app.Negotiated.PixelFlavor, TWPF_CHOCOLATE);
    case ICAP_SUPPORTEDSIZES: return GetPaperSizes(cap, app);
    default: return MakeOneValue(cap, info.ItemType, CurrentWord(info.Id, app));
    }
}

enum class Ask { Get, Current, Default };

TW_UINT16 Answer(TW_MEMREF data, Ask ask) {
    CDataSourceApp& app = TheApp();
    auto& cap = *static_cast<TW_CAPABILITY*>(data);
    const CapabilityInfo* info = FindCapability(cap.Cap);
    if (!info) return app.Fail(TWCC_CAPUNSUPPORTED);
    // The list of capabilities is its own current and default value.
    if (ask == Ask::Get || info->Id == CAP_SUPPORTEDCAPS) return AnswerGet(cap, *info, app);
    const TW_UINT32 word = ask == Ask::Current ? CurrentWord(info->Id, app) : DefaultWord(info->Id, app);
    return MakeOneValue(cap, info->ItemType, word);
}

}  // namespace

TW_UINT16 CapabilityGet(pTW_IDENTITY, TW_MEMREF data) { return Answer(data, Ask::Get); }

TW_UINT16 CapabilityGetCurrent(pTW_IDENTITY, TW_MEMREF data) { return Answer(data, Ask::Current); }

TW_UINT16 CapabilityGetDefault(pTW_IDENTITY, TW_MEMREF data) { return Answer(data, Ask::Default); }

// Ids the source does not handle are answered with support 0, not refused.
TW_UINT16 CapabilityQuerySupport(pTW_IDENTITY, TW_MEMREF data) {
    auto& cap = *static_cast<TW_CAPABILITY*>(data);
    const CapabilityInfo* info = FindCapability(cap.Cap);
    return MakeOneValue(cap, TWTY_INT32, static_cast<TW_UINT32>(info ? info->Support : 0));
}
