// The picture of each preset button (RAW resources), by preset number.
#pragma once

#include "resources/artwork_ids.h"

#include <windows.h>

constexpr UINT kPresetImages[5] = {IDR_PRESET_REPEAT, IDR_PRESET_FAX, IDR_PRESET_MAIL, IDR_PRESET_OCR,
                                   IDR_PRESET_CUSTOM};
