// A transferred image file set against the page the scanner delivered.
#pragma once

#include "e2e/scanner_replay.h"
#include "scanner-sim/bmp_image.h"

#include <cstdint>
#include <string>

struct BitmapHeaderFacts {
    int bitsPerPixel = 0;
    int32_t width = 0;
    int32_t height = 0;  // negative for a top-down file
};

// From the file's headers; false when it is no bitmap file.
bool ReadBitmapHeaderFacts(const std::string& bytes, BitmapHeaderFacts& facts);

// Empty when the image holds exactly the first `length` rows of `page`,
// pixel for pixel; otherwise where they first differ.
std::string PixelDifference(const BmpImage& image, const ReplayedPage& page, int32_t length);
