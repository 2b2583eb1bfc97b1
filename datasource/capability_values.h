// The value an application's MSG_SET container carries, the conversions of
// received FIX32 numbers into the integers of the scan settings, and the
// Item words the source answers with.
#pragma once

#include "datasource/twain.h"

#include <cstdint>

// Container types a capability accepts in MSG_SET, as a bit mask.
enum ContainerKinds : unsigned {
    kAcceptsNone = 0,
    kAcceptsOneValue = 1u << 0,
    kAcceptsEnumeration = 1u << 1,
    kAcceptsRange = 1u << 2,
};

// Whether `conType` is one of the kinds in `accepted`.
bool AcceptsContainer(unsigned accepted, TW_UINT16 conType);

// The one-value's Item, the enumeration's item at CurrentIndex or the range's
// CurrentValue, by the container's ConType; the ItemType is not looked at.
// False, leaving `value` alone, for any other ConType and for every handle
// or block the container readers refuse.
bool ReadSetValue16(const TW_CAPABILITY& cap, TW_UINT16& value);
bool ReadSetValue32(const TW_CAPABILITY& cap, TW_UINT32& value);

// Tone values (brightness, contrast, highlight, shadow): truncated toward zero.
int32_t TruncatedFix32(TW_UINT32 word);
// Resolutions: 0.5 added, then truncated, as a 16-bit integer. The few FIX32
// values beyond the 16-bit range (only 32767.5 and up) saturate instead of
// wrapping round to a negative resolution.
int16_t RoundedFix32(TW_UINT32 word);
// ICAP_THRESHOLD as the brightness value that reads back as the same
// threshold: (128 - threshold) * 10, truncated.
int32_t BrightnessOfThreshold(TW_UINT32 word);
// Gamma is passed on as a float.
float GammaOfFix32(TW_UINT32 word);

// Item words of the containers the source fills.
TW_UINT32 FixWordOf(float value);
inline TW_UINT32 BoolWord(bool value) { return value ? TRUE : FALSE; }
// Signed 16-bit values fill the Item word sign-extended, so that it reads the
// same as a TW_INT16 and as a TW_INT32.
inline TW_UINT32 SignedWord(int16_t value) { return static_cast<TW_UINT32>(static_cast<int32_t>(value)); }
