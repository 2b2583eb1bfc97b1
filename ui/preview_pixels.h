// The preview image's pixels as the preview draws them: the rows of the
// loaded bitmap (8-bit gray, 24-bit, or a palette image expanded to 24 bits
// once) and a 24-bit working copy that receives them through the tone table.
#pragma once

#include "ui/bitmap_file_image.h"

#include <windows.h>

#include <cstdint>
#include <vector>

class PreviewPixels {
public:
    // Takes the rows of `image` (loaded, with its section made); false and
    // empty when it has none or its bit count cannot be shown.
    bool Take(const BitmapFileImage& image);
    void Clear();

    bool IsEmpty() const { return width_ == 0; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    bool IsGray8() const { return gray8_; }

    // Puts every row through `table` into the working copy for `scanMode`.
    void ApplyTone(const uint8_t table[256], int16_t scanMode);

    // The working copy and its 24-bit header, for StretchDIBits.
    const BITMAPINFO* WorkingInfo() const { return &workingInfo_; }
    const uint8_t* WorkingBits() const { return working_.data(); }
    // Blue, green and red of working pixel (x, y), y counted from the top.
    COLORREF WorkingPixel(int32_t x, int32_t y) const;

private:
    bool TakeRows(const BitmapFileImage& image);

    int32_t width_ = 0;
    int32_t height_ = 0;
    bool gray8_ = false;
    const uint8_t* source_ = nullptr;  // rows of the section, or of expanded_
    int32_t sourceStride_ = 0;
    std::vector<uint8_t> expanded_;    // 24-bit rows of a palette image
    std::vector<uint8_t> working_;
    BITMAPINFO workingInfo_ = {};
};
