// The enumerations, ranges and arrays MSG_GET answers with, built from the
// negotiation and the current settings.
#pragma once

#include "datasource/twain.h"

class CDataSourceApp;

// Allowed pixel types; current from the scan mode, default TWPT_BW while
// allowed, else the first allowed type.
TW_UINT16 ListPixelTypes(TW_CAPABILITY& cap, const CDataSourceApp& app);
// Native, file and memory; current the negotiated mechanism.
TW_UINT16 ListTransferMechanisms(TW_CAPABILITY& cap, const CDataSourceApp& app);
// Allowed resolutions, the same for both axes.
TW_UINT16 ListResolutions(TW_CAPABILITY& cap, const CDataSourceApp& app);
// Every paper size of the table, current the one the frame matches.
TW_UINT16 ListPaperSizes(TW_CAPABILITY& cap, const CDataSourceApp& app);
// Chocolate and vanilla.
TW_UINT16 ListPixelFlavors(TW_CAPABILITY& cap, const CDataSourceApp& app);
// Brightness and contrast in tenths, -1000..1000 by 10; highlight and shadow
// 0..255 by 1.
TW_UINT16 ListBrightness(TW_CAPABILITY& cap, const CDataSourceApp& app);
TW_UINT16 ListContrast(TW_CAPABILITY& cap, const CDataSourceApp& app);
TW_UINT16 ListHighlight(TW_CAPABILITY& cap, const CDataSourceApp& app);
TW_UINT16 ListShadow(TW_CAPABILITY& cap, const CDataSourceApp& app);
// CAP_SUPPORTEDCAPS: the ids of the capability table, as an array.
TW_UINT16 ListSupportedCaps(TW_CAPABILITY& cap, const CDataSourceApp& app);
