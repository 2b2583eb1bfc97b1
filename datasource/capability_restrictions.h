// MSG_SET of ICAP_PIXELTYPE with an enumeration and of the resolutions with an
// enumeration or a range: the application narrows what MSG_GET lists and
// what the setters may choose, until MSG_RESET or the next MSG_OPENDS.
#pragma once

#include "datasource/data_source_app.h"
#include "datasource/twain.h"

// AllowedPixelTypes from the enumeration's items, then the pixel type setter
// with its current item.
TW_UINT16 RestrictPixelTypes(const TW_CAPABILITY& cap, CDataSourceApp& app);
// AllowedResolutions from the enumeration's items or the range's steps, then
// the resolution setter with the current item or value.
TW_UINT16 RestrictResolutions(const TW_CAPABILITY& cap, CDataSourceApp& app);
