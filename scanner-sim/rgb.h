// One pixel as the sensor sees it, and the sensor's gray reading of it.
#pragma once

#include <stdint.h>

struct Rgb {
    uint8_t r;
    uint8_t g;
    uint8_t b;
};

inline bool operator==(const Rgb& a, const Rgb& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

// Gray and black/white scans read luminance with the usual 0.30/0.59/0.11
// weights in 8-bit fixed point; the weights sum to 256, so white stays 255.
inline uint8_t GrayLevel(Rgb p) {
    return static_cast<uint8_t>((77u * p.r + 150u * p.g + 29u * p.b + 128u) >> 8);
}
