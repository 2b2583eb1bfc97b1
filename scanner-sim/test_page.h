// The virtual scanner's built-in test sheet. It is laid out in physical units
// (micro-inches from the sheet's top-left corner) so that it looks the same at
// every resolution and through every scan frame, and it is a pure function so
// that tests can recompute every pixel the scanner delivers.
//
// Front (side 0): a black frame 0.1 inch inside the sheet edge, lines of
// text-like black strokes, a horizontal gray ramp band, six colour bars (red,
// green, blue, cyan, magenta, yellow) and more text down to the bottom.
// Back (side 1): the front mirrored left to right, crossed by a black
// diagonal from the top-left to the bottom-right corner.
//
// The scanner evaluates rows and columns once each (RowAt, ColumnAt) and
// combines them per pixel; Pixel() is the same thing for one pixel.
#pragma once

#include <stdint.h>

#include "rgb.h"

namespace test_page {

constexpr int64_t kPerInch = 1000000;
constexpr int64_t kPerHundredth = 10000;

constexpr int64_t kFrameInset = 100000;
constexpr int64_t kFrameLine = 30000;
constexpr int64_t kBandMargin = 500000;
constexpr int64_t kTextTop = 400000;
constexpr int64_t kTextBottom = 2000000;
constexpr int64_t kRampTop = 2200000;
constexpr int64_t kRampBottom = 3000000;
constexpr int64_t kBarsTop = 3200000;
constexpr int64_t kBarsBottom = 4200000;
constexpr int64_t kLowerTextTop = 4400000;
constexpr int64_t kLowerTextEndAboveBottom = 400000;
constexpr int64_t kLinePitch = 200000;
constexpr int64_t kGlyphRowHeight = 20000;  // 7 rows make a 0.14 inch glyph
constexpr int64_t kCellPitch = 100000;
constexpr int64_t kGlyphColumnWidth = 15000;  // 5 columns, then a gap
constexpr int64_t kDiagonalHalfWidth = 20000;
constexpr int32_t kLowerTextFirstLine = 1000;

enum Band : uint8_t { kBandNone, kBandText, kBandRamp, kBandBars };

constexpr Rgb kBars[6] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},
                          {0, 255, 255}, {255, 0, 255}, {255, 255, 0}};

struct Sheet {
    int32_t widthHundredths;
    int32_t lengthHundredths;
};

// Centre of pixel `index` at `dpi`, in micro-inches.
inline int64_t PixelCentre(int32_t index, int32_t dpi) {
    return (2 * static_cast<int64_t>(index) + 1) * (kPerInch / 2) / dpi;
}

// How many pixels at `dpi`, counted from the sheet edge, have their centre
// inside an extent of `hundredths`: the first pixel off the sheet.
inline int32_t PixelsWithin(int32_t hundredths, int32_t dpi) {
    if (hundredths <= 0 || dpi <= 0) return 0;
    const int64_t limit = static_cast<int64_t>(hundredths) * kPerHundredth * dpi;
    const int64_t halfInch = kPerInch / 2;
    return static_cast<int32_t>(((limit + halfInch - 1) / halfInch) / 2);
}

struct RowFacts {
    bool onSheet;
    bool frameEdge;  // a horizontal frame line crosses this row
    bool frameSpan;  // between the frame's top and bottom lines
    uint8_t band;
    int8_t glyphRow;  // 0..6 inside a text line, -1 between lines
    int32_t textLine;
    bool diagonal;
    int64_t diagonalX;
};

struct ColumnFacts {
    bool onSheet;
    bool frameEdge;
    bool frameSpan;
    bool inBand;
    uint8_t ramp;
    uint8_t bar;
    int8_t glyphColumn;  // 0..4 inside a character cell, -1 in the gap
    int32_t textCell;
    int64_t x;  // unmirrored centre, for the back's diagonal
};

inline uint32_t Mix(int32_t a, int32_t b) {
    uint32_t h = static_cast<uint32_t>(a) * 0x9E3779B1u ^
                 (static_cast<uint32_t>(b) + 0x7F4A7C15u) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}

// Text-like strokes: each character cell draws a few of eight strokes on a
// 5 x 7 grid; lines end raggedly and some cells are word gaps.
inline bool GlyphInk(int32_t line, int32_t cell, int glyphRow, int glyphColumn) {
    const int32_t lineCells = 30 + static_cast<int32_t>(Mix(line, -1) % 50u);
    if (cell >= lineCells) return false;
    const uint32_t h = Mix(line, cell);
    if (h % 6u == 0) return false;
    const uint32_t strokes = ((h >> 3) & 0xFFu) | (1u << ((h >> 11) % 8u));
    const bool top = glyphRow == 0, middle = glyphRow == 3, bottom = glyphRow == 6;
    const bool upper = glyphRow <= 3, lower = glyphRow >= 3;
    const bool left = glyphColumn == 0, right = glyphColumn == 4, stem = glyphColumn == 2;
    return ((strokes & 1u) && top) || ((strokes & 2u) && middle) || ((strokes & 4u) && bottom) ||
           ((strokes & 8u) && left && upper) || ((strokes & 16u) && left && lower) ||
           ((strokes & 32u) && right && upper) || ((strokes & 64u) && right && lower) ||
           ((strokes & 128u) && stem);
}

inline RowFacts RowAt(int side, int32_t y, int32_t dpi, const Sheet& sheet) {
    const int64_t length = sheet.lengthHundredths * kPerHundredth;
    const int64_t width = sheet.widthHundredths * kPerHundredth;
    const int64_t c = PixelCentre(y, dpi);
    RowFacts row{};
    row.onSheet = y >= 0 && c < length;
    row.frameEdge = (c >= kFrameInset && c < kFrameInset + kFrameLine) ||
                    (c <= length - kFrameInset && c > length - kFrameInset - kFrameLine);
    row.frameSpan = c >= kFrameInset && c <= length - kFrameInset;
    row.glyphRow = -1;
    auto text = [&](int64_t top, int32_t firstLine) {
        row.band = kBandText;
        row.textLine = firstLine + static_cast<int32_t>((c - top) / kLinePitch);
        const int64_t inLine = (c - top) % kLinePitch / kGlyphRowHeight;
        row.glyphRow = static_cast<int8_t>(inLine < 7 ? inLine : -1);
    };
    if (c >= kTextTop && c < kTextBottom) {
        text(kTextTop, 0);
    } else if (c >= kRampTop && c < kRampBottom) {
        row.band = kBandRamp;
    } else if (c >= kBarsTop && c < kBarsBottom) {
        row.band = kBandBars;
    } else if (c >= kLowerTextTop && c < length - kLowerTextEndAboveBottom) {
        text(kLowerTextTop, kLowerTextFirstLine);
    }
    row.diagonal = side == 1 && length > 0;
    row.diagonalX = row.diagonal ? c * width / length : 0;
    return row;
}

inline ColumnFacts ColumnAt(int side, int32_t x, int32_t dpi, const Sheet& sheet) {
    const int64_t width = sheet.widthHundredths * kPerHundredth;
    const int64_t c = PixelCentre(x, dpi);
    const int64_t f = side == 1 ? width - c : c;  // the back is the front mirrored
    ColumnFacts column{};
    column.x = c;
    column.onSheet = x >= 0 && c < width;
    column.frameEdge = (f >= kFrameInset && f < kFrameInset + kFrameLine) ||
                       (f <= width - kFrameInset && f > width - kFrameInset - kFrameLine);
    column.frameSpan = f >= kFrameInset && f <= width - kFrameInset;
    column.glyphColumn = -1;
    const int64_t span = width - 2 * kBandMargin;
    column.inBand = span > 0 && f >= kBandMargin && f < width - kBandMargin;
    if (column.inBand) {
        const int64_t u = f - kBandMargin;
        const int64_t ramp = u * 256 / span;
        column.ramp = static_cast<uint8_t>(ramp > 255 ? 255 : ramp);
        column.bar = static_cast<uint8_t>(u * 6 / span);
        column.textCell = static_cast<int32_t>(u / kCellPitch);
        const int64_t inCell = u % kCellPitch / kGlyphColumnWidth;
        column.glyphColumn = static_cast<int8_t>(inCell < 5 ? inCell : -1);
    }
    return column;
}

inline Rgb Combine(const RowFacts& row, const ColumnFacts& column) {
    if (!row.onSheet || !column.onSheet) return kWhite;
    if ((row.frameEdge && column.frameSpan) || (column.frameEdge && row.frameSpan)) return kBlack;
    if (row.diagonal) {
        const int64_t d = column.x - row.diagonalX;
        if (d <= kDiagonalHalfWidth && d >= -kDiagonalHalfWidth) return kBlack;
    }
    if (!column.inBand) return kWhite;
    switch (row.band) {
        case kBandRamp:
            return Rgb{column.ramp, column.ramp, column.ramp};
        case kBandBars:
            return kBars[column.bar];
        case kBandText:
            if (row.glyphRow >= 0 && column.glyphColumn >= 0 &&
                GlyphInk(row.textLine, column.textCell, row.glyphRow, column.glyphColumn))
                return kBlack;
            return kWhite;
        default:
            return kWhite;
    }
}

// Sheet pixel (x, y), in pixels at `dpi` from the sheet's top-left corner.
inline Rgb Pixel(int side, int32_t x, int32_t y, int32_t dpi, const Sheet& sheet) {
    return Combine(RowAt(side, y, dpi, sheet), ColumnAt(side, x, dpi, sheet));
}

inline bool OnSheet(int32_t x, int32_t y, int32_t dpi, const Sheet& sheet) {
    return x >= 0 && y >= 0 && x < PixelsWithin(sheet.widthHundredths, dpi) &&
           y < PixelsWithin(sheet.lengthHundredths, dpi);
}

}  // namespace test_page
