// TW_FIX32 to and from ordinary numbers, as the client sends and prints them.
#pragma once

#include "datasource/twain.h"

#include <cmath>

inline TW_FIX32 ToFix32(double value) {
    const long v = std::lround(value * 65536.0);
    TW_FIX32 fix;
    fix.Whole = static_cast<TW_INT16>(v >> 16);
    fix.Frac = static_cast<TW_UINT16>(v & 0xFFFF);
    return fix;
}

inline double FromFix32(TW_FIX32 fix) { return fix.Whole + fix.Frac / 65536.0; }

// The value as it travels in a one-value container's Item.
inline TW_UINT32 Fix32Word(TW_FIX32 fix) {
    return static_cast<TW_UINT16>(fix.Whole) | (static_cast<TW_UINT32>(fix.Frac) << 16);
}
