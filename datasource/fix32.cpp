#include "datasource/fix32.h"

#include <cstdint>

TW_FIX32 FloatToFix32(float value) {
    // In double: x * 65536 + 0.5 is not exact in single precision beyond 256.
    double scaled = static_cast<double>(value) * 65536.0;
    scaled += scaled >= 0.0 ? 0.5 : -0.5;
    // Values beyond the FIX32 range saturate instead of overflowing.
    if (scaled > 2147483647.0) scaled = 2147483647.0;
    if (scaled < -2147483648.0) scaled = -2147483648.0;
    const int32_t v = static_cast<int32_t>(scaled);  // truncates toward zero
    TW_FIX32 fix;
    fix.Whole = static_cast<TW_INT16>(v >> 16);
    fix.Frac = static_cast<TW_UINT16>(v & 0xFFFF);
    return fix;
}

float Fix32ToFloat(TW_FIX32 value) {
    return static_cast<float>(value.Whole) + static_cast<float>(value.Frac) / 65536.0f;
}

bool Fix32Equal(TW_FIX32 a, TW_FIX32 b) { return a.Whole == b.Whole && a.Frac == b.Frac; }

TW_UINT32 Fix32ToWord(TW_FIX32 value) {
    return static_cast<TW_UINT32>(static_cast<TW_UINT16>(value.Whole)) |
           (static_cast<TW_UINT32>(value.Frac) << 16);
}

TW_FIX32 WordToFix32(TW_UINT32 word) {
    TW_FIX32 fix;
    fix.Whole = static_cast<TW_INT16>(static_cast<TW_UINT16>(word & 0xFFFF));
    fix.Frac = static_cast<TW_UINT16>(word >> 16);
    return fix;
}
