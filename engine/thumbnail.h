// The live thumbnail of the scanning progress window: each block of scanner
// rows is shrunk into it as it arrives, so the page is never held whole.
#pragma once

#include "framework/gdi_object.h"

#include <windows.h>

#include <cstdint>
#include <vector>

class Thumbnail {
public:
    // Sizes the thumbnail for a picture frame whose client area is
    // frameWidth x frameHeight (4 pixels are kept free on each side) and an
    // image of imageWidth x imageLength pixels scanned in `scanMode`, and
    // makes its pixels and palette; all counters start at 0. False when no
    // picture can be made (empty image or frame, no memory): rows are then
    // still counted for the progress, but nothing is drawn.
    bool InitThumbnail(int frameWidth, int frameHeight, int32_t imageWidth, int32_t imageLength,
                       int16_t scanMode);

    // Takes the next `count` scanner rows (top-down, BytesPerLine(bits, W)
    // bytes each) and shrinks them into the thumbnail rows they complete.
    // Returns the number of thumbnail rows filled, 0 when there is nothing
    // new to paint.
    int AddBlock(const uint8_t* rows, int32_t count);

    // Paints a 3-D border one pixel inside `frame` (the frame's client area
    // in the coordinates of `dc`) and the rows filled so far, centered
    // across and ending 4 pixels above the frame's bottom.
    void DrawThumbnail(HDC dc, const RECT& frame) const;
    // The rows filled so far alone, where DrawThumbnail puts them: after a
    // block, over a window that shows the thumbnail already. The border
    // never changes and the picture only grows upwards, inside it, so the
    // result is the same as a whole DrawThumbnail.
    void DrawFilledRows(HDC dc, const RECT& frame) const;

    // Rows received x 100 / image length, at most 100: the progress bar.
    int Percent() const;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int RowsFilled() const { return rowsFilled_; }
    int64_t RowsReceived() const { return rowsReceived_; }
    // Top-down 24-bit blue-green-red pixels, Height() rows of Stride() bytes.
    const uint8_t* Pixels() const { return pixels_.empty() ? nullptr : pixels_.data(); }
    int32_t Stride() const { return 3 * width_; }
    HPALETTE Palette() const { return palette_.Get(); }

private:
    struct Span {
        int32_t start;
        int32_t length;
    };

    void Shrink(const uint8_t* rows, int32_t count, int32_t outputRows);
    void AccumulateRow(const uint8_t* row);
    void StoreRow(uint8_t* out, uint64_t rowsInBox) const;

    int bits_ = 1;
    int32_t imageWidth_ = 0;
    int32_t imageLength_ = 0;
    int32_t inputStride_ = 0;
    int width_ = 0;
    int height_ = 0;
    int rowsFilled_ = 0;
    int64_t rowsReceived_ = 0;
    std::vector<uint8_t> pixels_;
    std::vector<Span> columns_;    // the input columns of each thumbnail column
    std::vector<uint64_t> sums_;   // per thumbnail column (and channel) of the row being made
    GdiObject<HPALETTE> palette_;
};
