#include "engine/lines_per_block.h"

#include <gtest/gtest.h>

namespace {

ScanSettings Frame(int16_t mode, int16_t dpi, int16_t top, int16_t left, int16_t bottom, int16_t right) {
    ScanSettings s{};
    s.ScanMode = mode;
    s.DPI = dpi;
    s.Top = top;
    s.Left = left;
    s.Bottom = bottom;
    s.Right = right;
    return s;
}

TEST(LinesPerBlock, ColourAt600IsBoundByTheBlockSize) {
    // 5100 pixels, 15300 bytes a row: 131072 / 15300 = 8 rows.
    EXPECT_EQ(8, LinesPerBlock(Frame(4, 600, 0, 0, 1100, 850)));
}

TEST(LinesPerBlock, ShortFrameIsBoundByItsLines) {
    // 0.10 inch at 75 dpi: 7 lines.
    EXPECT_EQ(7, LinesPerBlock(Frame(2, 75, 0, 0, 10, 850)));
}

TEST(LinesPerBlock, NarrowFrameIsBoundByHalfAnInch) {
    EXPECT_EQ(150, LinesPerBlock(Frame(2, 300, 0, 0, 1100, 850)));
    EXPECT_EQ(37, LinesPerBlock(Frame(1, 75, 0, 0, 1100, 850)));
}

TEST(LinesPerBlock, NeverFewerThanTwo) {
    EXPECT_EQ(2, LinesPerBlock(Frame(2, 75, 0, 0, 1, 850)));
    EXPECT_EQ(2, LinesPerBlock(Frame(4, 600, 500, 0, 500, 850)));
}

TEST(LinesPerBlock, BottomBeyondTheGlassCountsAsTheGlassEdge) {
    // 1400 - 1380 = 20 hundredths at 300 dpi: 60 lines, less than half an inch.
    EXPECT_EQ(60, LinesPerBlock(Frame(2, 300, 1380, 0, 2000, 850)));
}

}  // namespace
