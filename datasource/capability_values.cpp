#include "datasource/capability_values.h"

#include "datasource/capability_containers.h"
#include "datasource/fix32.h"

#include <cstdint>

namespace {

unsigned KindOf(TW_UINT16 conType) {
    switch (conType) {
    case TWON_ONEVALUE: return kAcceptsOneValue;
    case TWON_ENUMERATION: return kAcceptsEnumeration;
    case TWON_RANGE: return kAcceptsRange;
    default: return kAcceptsNone;
    }
}

// FIX32 values span -32768 .. 32768 as floats, so every conversion below fits
// an int32_t without overflow.
float ToFloat(TW_UINT32 word) { return Fix32ToFloat(WordToFix32(word)); }

}  // namespace

bool AcceptsContainer(unsigned accepted, TW_UINT16 conType) {
    const unsigned kind = KindOf(conType);
    return kind != kAcceptsNone && (accepted & kind) != 0;
}

bool ReadSetValue16(const TW_CAPABILITY& cap, TW_UINT16& value) {
    switch (cap.ConType) {
    case TWON_ONEVALUE: return ReadOneValue16(cap.hContainer, value);
    case TWON_ENUMERATION: return ReadEnumerationCurrent16(cap.hContainer, value);
    case TWON_RANGE: {
        // A range holds 32-bit values; a 16-bit capability takes the low half.
        TW_UINT32 word = 0;
        if (!ReadRangeCurrent(cap.hContainer, word)) return false;
        value = static_cast<TW_UINT16>(word & 0xFFFF);
        return true;
    }
    default: return false;
    }
}

bool ReadSetValue32(const TW_CAPABILITY& cap, TW_UINT32& value) {
    switch (cap.ConType) {
    case TWON_ONEVALUE: return ReadOneValue32(cap.hContainer, value);
    case TWON_ENUMERATION: return ReadEnumerationCurrent32(cap.hContainer, value);
    case TWON_RANGE: return ReadRangeCurrent(cap.hContainer, value);
    default: return false;
    }
}

int32_t TruncatedFix32(TW_UINT32 word) { return static_cast<int32_t>(ToFloat(word)); }

int16_t RoundedFix32(TW_UINT32 word) {
    const int32_t rounded = static_cast<int32_t>(ToFloat(word) + 0.5f);
    if (rounded > INT16_MAX) return INT16_MAX;
    if (rounded < INT16_MIN) return INT16_MIN;
    return static_cast<int16_t>(rounded);
}

int32_t BrightnessOfThreshold(TW_UINT32 word) {
    return static_cast<int32_t>((128.0f - ToFloat(word)) * 10.0f);
}

float GammaOfFix32(TW_UINT32 word) { return ToFloat(word); }

TW_UINT32 FixWordOf(float value) { return Fix32ToWord(FloatToFix32(value)); }
