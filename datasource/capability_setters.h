// The setters through which negotiated capability values reach the scan
// settings record: each clamps or picks the nearest value the scanner can do,
// so none of them fails except the paper size, whose code must be known.
#pragma once

#include "datasource/twain.h"
#include "engine/negotiation_state.h"
#include "engine/scan_settings.h"

#include <cstdint>

// Applications give brightness and contrast in tenths of the stored unit.
constexpr int32_t kToneScale = 10;

// Brightness and contrast arrive in tenths of the stored unit: clamped to
// -1000..1000, then divided by 10 (truncating toward zero).
void SetBrightness(ScanSettings& settings, int32_t value);
void SetContrast(ScanSettings& settings, int32_t value);
// Stored as gamma x 10 + 0.5 truncated, clamped to 10..40.
void SetGamma(ScanSettings& settings, float gamma);
// Clamped to 0..255.
void SetHighlight(ScanSettings& settings, int32_t value);
void SetShadow(ScanSettings& settings, int32_t value);
// Types above TWPT_RGB count as TWPT_RGB; a type that is not allowed gives
// way to the highest allowed one from TWPT_RGB down (TWPT_BW when none is).
void SetPixelType(ScanSettings& settings, const Negotiation& negotiated, TW_UINT16 pixelType);
// The allowed entry of ResolutionList nearest to `dpi` (the earlier one on a
// tie); 75 when no entry is allowed.
void SetResolution(ScanSettings& settings, const Negotiation& negotiated, int16_t dpi);
// The frame of PaperSizeTable's row for `code`, through ClampFrame, and
// the negotiated LastSetSize = code. False, changing nothing, for a code not
// in the table.
bool SetSupportedSize(ScanSettings& settings, Negotiation& negotiated, TW_UINT16 code);

// The entry of ResolutionList SetResolution picks for `dpi` under the
// negotiated AllowedResolutions.
int16_t NearestAllowedResolution(const Negotiation& negotiated, int16_t dpi);
