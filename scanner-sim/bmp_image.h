// A sheet image read from an uncompressed Windows bitmap file (1, 8 or 24
// bits per pixel, bottom-up or top-down), held top-down as RGB.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include "rgb.h"

struct BmpImage {
    int32_t width = 0;
    int32_t height = 0;
    // Resolution as a fraction, pixels per inch = perInchNumerator / perInchDenominator,
    // kept exact so that the sheet's size in inches is not rounded.
    int64_t xPerInchNumerator = 200, xPerInchDenominator = 1;
    int64_t yPerInchNumerator = 200, yPerInchDenominator = 1;
    std::vector<Rgb> pixels;  // width x height, top row first

    const Rgb* Row(int32_t y) const { return pixels.data() + static_cast<size_t>(y) * width; }
};

// Reads and checks the whole file. On failure `error` says why; nothing
// outside the file's bytes is ever read.
bool LoadBmpImage(const std::string& path, BmpImage& image, std::string& error);

// The same, for file contents already in memory.
bool DecodeBmpImage(const std::vector<unsigned char>& file, BmpImage& image, std::string& error);
