// Writes small uncompressed bitmap files for the tests that feed the virtual
// scanner from a folder of pictures.
#pragma once

#include <stdint.h>

#include <functional>
#include <string>
#include <vector>

#include "scanner-sim/rgb.h"

struct BmpPicture {
    int width = 0;
    int height = 0;
    int bits = 24;             // 1, 8 or 24
    bool topDown = false;      // negative height
    int32_t pelsPerMeter = 0;  // 0: unknown
    std::vector<Rgb> palette;  // for 1 and 8 bits
    // Pixel (x, y) counted from the top: a colour for 24 bits, a palette index otherwise.
    std::function<Rgb(int, int)> color;
    std::function<int(int, int)> index;
};

std::string BmpBytes(const BmpPicture& picture);
