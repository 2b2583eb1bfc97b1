// What MSG_SET does with each negotiable capability's value, for the rows of
// the capability table. Every handler reads the container's 16-bit or 32-bit
// value first and refuses, with TWCC_BADVALUE, one it cannot read.
#pragma once

#include "datasource/data_source_app.h"
#include "datasource/twain.h"

// Fixed properties: only `only`, the one value the scanner has, is accepted.
TW_UINT16 RequireWord(const TW_CAPABILITY& cap, CDataSourceApp& app, TW_UINT16 only);
template <TW_UINT16 kOnly>
TW_UINT16 RequireValue(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return RequireWord(cap, app, kOnly);
}

// Commands run on TRUE; FALSE does nothing and succeeds.
TW_UINT16 RunCommand(const TW_CAPABILITY& cap, CDataSourceApp& app, TW_UINT16 (*command)(CDataSourceApp&));
template <TW_UINT16 (*kCommand)(CDataSourceApp&)>
TW_UINT16 RunCommandCap(const TW_CAPABILITY& cap, CDataSourceApp& app) {
    return RunCommand(cap, app, kCommand);
}

// Also sets the transfers still pending to the count.
TW_UINT16 SetXferCountCap(const TW_CAPABILITY& cap, CDataSourceApp& app);
// A one value sets the type; an enumeration restricts the types.
TW_UINT16 SetPixelTypeCap(const TW_CAPABILITY& cap, CDataSourceApp& app);
// Native, file or memory; others are refused.
TW_UINT16 SetXferMechCap(const TW_CAPABILITY& cap, CDataSourceApp& app);
// The feeder is the scanner's only paper path: FALSE is refused.
TW_UINT16 SetFeederEnabledCap(const TW_CAPABILITY& cap, CDataSourceApp& app);
TW_UINT16 SetIndicatorsCap(const TW_CAPABILITY& cap, CDataSourceApp& app);
// The tone values, through the clamping setters.
TW_UINT16 SetBrightnessCap(const TW_CAPABILITY& cap, CDataSourceApp& app);
TW_UINT16 SetContrastCap(const TW_CAPABILITY& cap, CDataSourceApp& app);
TW_UINT16 SetGammaCap(const TW_CAPABILITY& cap, CDataSourceApp& app);
TW_UINT16 SetHighlightCap(const TW_CAPABILITY& cap, CDataSourceApp& app);
TW_UINT16 SetShadowCap(const TW_CAPABILITY& cap, CDataSourceApp& app);
// The threshold is not stored: it is the brightness seen from the other side.
TW_UINT16 SetThresholdCap(const TW_CAPABILITY& cap, CDataSourceApp& app);
// Vanilla, or chocolate for any other value.
TW_UINT16 SetPixelFlavorCap(const TW_CAPABILITY& cap, CDataSourceApp& app);
// One resolution serves both axes. A one value sets it; an enumeration or a
// range restricts the resolutions.
TW_UINT16 SetResolutionCap(const TW_CAPABILITY& cap, CDataSourceApp& app);
// A code of the paper size table; others are refused.
TW_UINT16 SetSupportedSizeCap(const TW_CAPABILITY& cap, CDataSourceApp& app);
// The depth follows from the pixel type; only the matching one is accepted.
TW_UINT16 SetBitDepthCap(const TW_CAPABILITY& cap, CDataSourceApp& app);
TW_UINT16 SetFilterCap(const TW_CAPABILITY& cap, CDataSourceApp& app);
TW_UINT16 SetDetectEndOfPageCap(const TW_CAPABILITY& cap, CDataSourceApp& app);
