#include "tone_curve.h"

#include <algorithm>
#include <cmath>

void BuildToneTable(const ToneSettings& settings, uint8_t table[256]) {
    // The same repairs the data source makes before a page starts, so a
    // table built from unrepaired values equals the one the rows use.
    const int shadow = std::clamp<int32_t>(settings.shadow, 0, 254);
    const int highlight = std::clamp<int32_t>(settings.highlight, shadow + 1, 255);
    const double gamma = std::clamp((settings.gammaMinus8 + 8) / 10.0, 0.1, 10.0);
    const double contrast = std::clamp<int32_t>(settings.contrast, -100, 100);
    const double brightness = std::clamp<int32_t>(settings.brightness, -100, 100);

    // Contrast steepens or flattens the curve around mid-gray: -100 flattens
    // it to mid-gray, +100 makes it a near step. Zero leaves it alone.
    const double slope =
        contrast >= 0 ? 100.0 / (100.0 - 0.99 * contrast) : (100.0 + contrast) / 100.0;
    // The sensor is linear; gamma lifts the mid-tones for display (1.8 puts
    // input 128 near 174). Levels and gamma keep 0 and 255 fixed, and so do
    // neutral contrast and brightness.
    const double exponent = 1.0 / gamma;
    const double span = highlight - shadow;
    for (int level = 0; level < 256; ++level) {
        double t = std::clamp((level - shadow) / span, 0.0, 1.0);
        t = std::pow(t, exponent);
        t = (t - 0.5) * slope + 0.5;
        t += brightness / 200.0;
        t = std::clamp(t, 0.0, 1.0);
        table[level] = static_cast<uint8_t>(std::lround(t * 255.0));
    }
}
