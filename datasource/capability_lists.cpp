#include "datasource/capability_lists.h"

#include "datasource/capability_containers.h"
#include "datasource/capability_setters.h"
#include "datasource/capability_table.h"
#include "datasource/capability_values.h"
#include "datasource/data_source_app.h"
#include "datasource/scanner_properties.h"
#include "engine/negotiation_state.h"

namespace {

TW_UINT16 ToneRangeOf(TW_CAPABILITY& cap, float low, float high, float step, float defaultValue,
                      float current) {
    return MakeRange(cap, TWTY_FIX32, FixWordOf(low), FixWordOf(high), FixWordOf(step), FixWordOf(defaultValue),
                     FixWordOf(current));
}

// Brightness and contrast in the tenths applications set them in.
TW_UINT16 TenthsRange(TW_CAPABILITY& cap, const ToneRange& range, int16_t stored) {
    return ToneRangeOf(cap, static_cast<float>(range.Low * kToneScale), static_cast<float>(range.High * kToneScale),
                       kToneScale, static_cast<float>(range.Default * kToneScale), stored * 10.0f);
}

TW_UINT16 LevelRange(TW_CAPABILITY& cap, const ToneRange& range, int16_t stored) {
    return ToneRangeOf(cap, 0, kToneLevelMax, 1, range.Default, stored);
}

}  // namespace

TW_UINT16 ListPixelTypes(TW_CAPABILITY& cap, const CDataSourceApp& app) {
    TW_UINT16 types[kPixelTypeCount];
    TW_UINT32 count = 0;
    for (int type = TWPT_BW; type <= TWPT_RGB; ++type)
        if (app.Negotiated.AllowedPixelTypes[type]) types[count++] = static_cast<TW_UINT16>(type);
    const TW_UINT16 defaultType = (count == 0 || app.Negotiated.AllowedPixelTypes[TWPT_BW]) ? TWPT_BW : types[0];
    return MakeEnumeration16(cap, TWTY_UINT16, count, types, CurrentPixelType(app.Settings), defaultType);
}

TW_UINT16 ListTransferMechanisms(TW_CAPABILITY& cap, const CDataSourceApp& app) {
    static const TW_UINT16 kMechanisms[] = {TWSX_NATIVE, TWSX_FILE, TWSX_MEMORY};
    return MakeEnumeration16(cap, TWTY_UINT16, 3, kMechanisms, app.Negotiated.XferMech, TWSX_NATIVE);
}

TW_UINT16 ListResolutions(TW_CAPABILITY& cap, const CDataSourceApp& app) {
    TW_UINT32 resolutions[kResolutionCount];
    TW_UINT32 count = 0;
    for (int i = 0; i < kResolutionCount; ++i)
        if (app.Negotiated.AllowedResolutions[i]) resolutions[count++] = FixWordOf(ResolutionList[i]);
    return MakeEnumeration32(cap, TWTY_FIX32, count, resolutions, FixWordOf(app.Settings.DPI),
                             FixWordOf(kDefaultResolution));
}

TW_UINT16 ListPaperSizes(TW_CAPABILITY& cap, const CDataSourceApp& app) {
    TW_UINT16 codes[kPaperSizeCount];
    for (int i = 0; i < kPaperSizeCount; ++i) codes[i] = PaperSizeTable[i].Code;
    return MakeEnumeration16(cap, TWTY_UINT16, kPaperSizeCount, codes,
                             CurrentPaperSize(app.Settings, app.Negotiated), kDefaultPaperSize);
}

TW_UINT16 ListPixelFlavors(TW_CAPABILITY& cap, const CDataSourceApp& app) {
    static const TW_UINT16 kFlavors[] = {TWPF_CHOCOLATE, TWPF_VANILLA};
    return MakeEnumeration16(cap, TWTY_UINT16, 2, kFlavors, app.Negotiated.PixelFlavor, TWPF_CHOCOLATE);
}

TW_UINT16 ListBrightness(TW_CAPABILITY& cap, const CDataSourceApp& app) {
    return TenthsRange(cap, kBrightnessRange, app.Settings.Brightness);
}

TW_UINT16 ListContrast(TW_CAPABILITY& cap, const CDataSourceApp& app) {
    return TenthsRange(cap, kContrastRange, app.Settings.Contrast);
}

TW_UINT16 ListHighlight(TW_CAPABILITY& cap, const CDataSourceApp& app) {
    return LevelRange(cap, kHighlightRange, app.Settings.Highlight);
}

TW_UINT16 ListShadow(TW_CAPABILITY& cap, const CDataSourceApp& app) {
    return LevelRange(cap, kShadowRange, app.Settings.Shadow);
}

TW_UINT16 ListSupportedCaps(TW_CAPABILITY& cap, const CDataSourceApp&) {
    return MakeArray16(cap, TWTY_UINT16, kSupportedCapCount, SupportedCapsList);
}
