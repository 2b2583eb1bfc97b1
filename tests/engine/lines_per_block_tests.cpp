#include "engine/lines_per_block.h"
#include "support/framed_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(LinesPerBlock, ColourAt600IsBoundByTheBlockSize) {
    // 5100 pixels, 15300 bytes a row: 131072 / 15300 = 8 rows.
    EXPECT_EQ(8, LinesPerBlock(FramedSettings(0, 0, 1100, 850, 4, 600)));
}

TEST(LinesPerBlock, ShortFrameIsBoundByItsLines) {
    // 0.10 inch at 75 dpi: 7 lines.
    EXPECT_EQ(7, LinesPerBlock(FramedSettings(0, 0, 10, 850, 2, 75)));
}

TEST(LinesPerBlock, NarrowFrameIsBoundByHalfAnInch) {
    EXPECT_EQ(150, LinesPerBlock(FramedSettings(0, 0, 1100, 850, 2, 300)));
    EXPECT_EQ(37, LinesPerBlock(FramedSettings(0, 0, 1100, 850, 1, 75)));
}

TEST(LinesPerBlock, NeverFewerThanTwo) {
    EXPECT_EQ(2, LinesPerBlock(FramedSettings(0, 0, 1, 850, 2, 75)));
    EXPECT_EQ(2, LinesPerBlock(FramedSettings(500, 0, 500, 850, 4, 600)));
}

TEST(LinesPerBlock, BottomBeyondTheGlassCountsAsTheGlassEdge) {
    // 1400 - 1380 = 20 hundredths at 300 dpi: 60 lines, less than half an inch.
    EXPECT_EQ(60, LinesPerBlock(FramedSettings(1380, 0, 2000, 850, 2, 300)));
}

}  // namespace
