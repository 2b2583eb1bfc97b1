// The scanner's tone curve: levels (shadow to black, highlight to white),
// gamma, contrast and brightness, as one 256-entry table. The same table
// shapes the delivered rows and answers IO_AdjustChannelValue, so a preview
// drawn with the table matches what a scan delivers.
#pragma once

#include <stdint.h>

struct ToneSettings {
    int32_t brightness;   // -100..100
    int32_t contrast;     // -100..100
    int32_t gammaMinus8;  // gamma x 10, less 8: 10 means gamma 1.8
    int32_t highlight;    // input level that becomes 255
    int32_t shadow;       // input level that becomes 0
};

// 16-bit record fields reach the library in the low half of a 32-bit
// argument with zero above; a negative brightness arrives as 65536 + b.
inline int32_t FromLowWord(int32_t argument) {
    return static_cast<int16_t>(static_cast<uint16_t>(argument & 0xFFFF));
}

void BuildToneTable(const ToneSettings& settings, uint8_t table[256]);
