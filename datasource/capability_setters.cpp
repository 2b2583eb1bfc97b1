#include "datasource/capability_setters.h"

#include "datasource/scanner_properties.h"
#include "engine/negotiation_state.h"

#include <cstdlib>

namespace {

int32_t Clamp(int32_t value, int32_t low, int32_t high) {
    return value < low ? low : (value > high ? high : value);
}

constexpr int16_t kFallbackResolution = 75;
static_assert(kBrightnessRange.Low == kContrastRange.Low && kBrightnessRange.High == kContrastRange.High,
              "brightness and contrast share one capability range");
constexpr int32_t kToneLow = kBrightnessRange.Low * kToneScale;
constexpr int32_t kToneHigh = kBrightnessRange.High * kToneScale;

}  // namespace

void SetBrightness(ScanSettings& settings, int32_t value) {
    settings.Brightness = static_cast<int16_t>(Clamp(value, kToneLow, kToneHigh) / kToneScale);
}

void SetContrast(ScanSettings& settings, int32_t value) {
    settings.Contrast = static_cast<int16_t>(Clamp(value, kToneLow, kToneHigh) / kToneScale);
}

void SetGamma(ScanSettings& settings, float gamma) {
    const float scaled = gamma * 10.0f + 0.5f;
    // Clamped as a float first: a huge or NaN value has no integer to truncate to.
    int16_t stored = kGammaRange.Low;
    if (scaled >= kGammaRange.High)
        stored = kGammaRange.High;
    else if (scaled >= kGammaRange.Low)
        stored = static_cast<int16_t>(scaled);
    settings.Gamma = stored;
}

void SetHighlight(ScanSettings& settings, int32_t value) {
    settings.Highlight = static_cast<int16_t>(Clamp(value, 0, kToneLevelMax));
}

void SetShadow(ScanSettings& settings, int32_t value) {
    settings.Shadow = static_cast<int16_t>(Clamp(value, 0, kToneLevelMax));
}

void SetPixelType(ScanSettings& settings, const Negotiation& negotiated, TW_UINT16 pixelType) {
    int type = pixelType > TWPT_RGB ? TWPT_RGB : pixelType;
    if (!negotiated.AllowedPixelTypes[type]) {
        type = TWPT_BW;
        for (int candidate = TWPT_RGB; candidate >= TWPT_BW; --candidate) {
            if (negotiated.AllowedPixelTypes[candidate]) {
                type = candidate;
                break;
            }
        }
    }
    settings.ScanMode = PixelTypeModeMap[type].ScanMode;
}

int16_t NearestAllowedResolution(const Negotiation& negotiated, int16_t dpi) {
    int16_t best = kFallbackResolution;
    int bestDistance = -1;
    for (int i = 0; i < kResolutionCount; ++i) {
        if (!negotiated.AllowedResolutions[i]) continue;
        const int distance = std::abs(ResolutionList[i] - dpi);
        if (distance == 0) return ResolutionList[i];
        // Strictly smaller only: on a tie the earlier entry stays.
        if (bestDistance < 0 || distance < bestDistance) {
            best = ResolutionList[i];
            bestDistance = distance;
        }
    }
    return best;
}

void SetResolution(ScanSettings& settings, const Negotiation& negotiated, int16_t dpi) {
    settings.DPI = NearestAllowedResolution(negotiated, dpi);
}

bool SetSupportedSize(ScanSettings& settings, Negotiation& negotiated, TW_UINT16 code) {
    const PaperSize* size = FindPaperSizeCode(code);
    if (!size) return false;
    ClampFrame(&settings, size->Top, size->Left, size->Bottom, size->Right);
    negotiated.LastSetSize = code;
    return true;
}
