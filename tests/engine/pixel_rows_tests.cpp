#include "engine/pixel_rows.h"

#include "engine/scan_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

std::vector<uint8_t> Numbered(size_t size) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 13 + 5);
    return bytes;
}

TEST(BytesPerLine, PadsEveryRowToFourBytes) {
    EXPECT_EQ(BytesPerLine(1, 1), 4);
    EXPECT_EQ(BytesPerLine(1, 2550), 320);
    EXPECT_EQ(BytesPerLine(1, 32), 4);
    EXPECT_EQ(BytesPerLine(1, 33), 8);
    EXPECT_EQ(BytesPerLine(4, 1), 4);
    EXPECT_EQ(BytesPerLine(4, 9), 8);
    EXPECT_EQ(BytesPerLine(8, 1700), 1700);
    EXPECT_EQ(BytesPerLine(8, 1701), 1704);
    EXPECT_EQ(BytesPerLine(24, 2550), 7652);
    EXPECT_EQ(BytesPerLine(24, 3), 12);
    EXPECT_EQ(BytesPerLine(24, 4), 12);
    EXPECT_EQ(BytesPerLine(24, 0), 0);
}

TEST(BytesPerLine, OtherBitCountsAndBadWidthsGiveZero) {
    EXPECT_EQ(BytesPerLine(16, 100), 0);
    EXPECT_EQ(BytesPerLine(32, 100), 0);
    EXPECT_EQ(BytesPerLine(0, 100), 0);
    EXPECT_EQ(BytesPerLine(8, -1), 0);
    EXPECT_EQ(BytesPerLine(24, 0x7FFFFFFF), 0);  // beyond 32 bits
}

TEST(ScanModeBits, GrayIsEightColorIsTwentyFourOthersOne) {
    EXPECT_EQ(ScanModeBits(kScanModeGray), 8);
    EXPECT_EQ(ScanModeBits(kScanModeColor), 24);
    EXPECT_EQ(ScanModeBits(kScanModeBlackWhite), 1);
    EXPECT_EQ(ScanModeBits(0), 1);
    EXPECT_EQ(ScanModeBits(3), 1);
}

TEST(ReverseRows, FiveRowsSwapOuterPairsAndKeepTheMiddle) {
    const int stride = 8;
    const std::vector<uint8_t> before = Numbered(5 * stride);
    std::vector<uint8_t> block = before;
    ASSERT_TRUE(ReverseRows(block.data(), 5, stride));
    for (int row = 0; row < 5; ++row)
        EXPECT_TRUE(std::equal(block.begin() + row * stride, block.begin() + (row + 1) * stride,
                               before.begin() + (4 - row) * stride))
            << "row " << row;
}

TEST(ReverseRows, EvenRowCountSwapsEveryRow) {
    const int stride = 12;
    const std::vector<uint8_t> before = Numbered(4 * stride);
    std::vector<uint8_t> block = before;
    ASSERT_TRUE(ReverseRows(block.data(), 4, stride));
    for (int row = 0; row < 4; ++row)
        EXPECT_TRUE(std::equal(block.begin() + row * stride, block.begin() + (row + 1) * stride,
                               before.begin() + (3 - row) * stride));
    ASSERT_TRUE(ReverseRows(block.data(), 4, stride));
    EXPECT_EQ(block, before);
}

TEST(ReverseRows, OneRowOrNoneIsLeftAlone) {
    std::vector<uint8_t> block = Numbered(16);
    const std::vector<uint8_t> before = block;
    EXPECT_TRUE(ReverseRows(block.data(), 1, 16));
    EXPECT_TRUE(ReverseRows(block.data(), 0, 16));
    EXPECT_EQ(block, before);
}

TEST(ReverseRows, BadArgumentsAreRefused) {
    std::vector<uint8_t> block = Numbered(16);
    const std::vector<uint8_t> before = block;
    EXPECT_FALSE(ReverseRows(nullptr, 2, 8));
    EXPECT_FALSE(ReverseRows(block.data(), -2, 8));
    EXPECT_FALSE(ReverseRows(block.data(), 2, -8));
    EXPECT_EQ(block, before);
}

// Red and blue swapped one pixel at a time, padding untouched.
std::vector<uint8_t> SwappedByHand(std::vector<uint8_t> block, int rows, int width, int stride) {
    for (int row = 0; row < rows; ++row)
        for (int x = 0; x < width; ++x) std::swap(block[row * stride + 3 * x], block[row * stride + 3 * x + 2]);
    return block;
}

TEST(SwapRedBlue, WidthThreeLeavesThePaddingBytesNineToEleven) {
    const int rows = 3, width = 3, stride = 12;
    std::vector<uint8_t> block = Numbered(rows * stride);
    const std::vector<uint8_t> before = block;
    ASSERT_TRUE(SwapRedBlue(block.data(), rows, width, stride));
    EXPECT_EQ(block, SwappedByHand(before, rows, width, stride));
    for (int row = 0; row < rows; ++row)
        for (int i = 9; i < 12; ++i) EXPECT_EQ(block[row * stride + i], before[row * stride + i]);
    EXPECT_EQ(block[0], before[2]);
    EXPECT_EQ(block[1], before[1]);
    EXPECT_EQ(block[2], before[0]);
}

TEST(SwapRedBlue, EveryWidthMatchesThePixelByPixelSwap) {
    for (int width = 1; width <= 21; ++width) {
        for (int rows : {1, 2, 5}) {
            const int stride = BytesPerLine(24, width);
            std::vector<uint8_t> block = Numbered(static_cast<size_t>(rows) * stride);
            const std::vector<uint8_t> expected = SwappedByHand(block, rows, width, stride);
            ASSERT_TRUE(SwapRedBlue(block.data(), rows, width, stride));
            EXPECT_EQ(block, expected) << "width " << width << " rows " << rows;
        }
    }
}

TEST(SwapRedBlue, WiderStrideThanNeededKeepsItsPadding) {
    // Rows of 4 pixels stored 16 bytes apart: not one run, even though the
    // width is a multiple of 4.
    const int rows = 3, width = 4, stride = 16;
    std::vector<uint8_t> block = Numbered(rows * stride);
    const std::vector<uint8_t> expected = SwappedByHand(block, rows, width, stride);
    ASSERT_TRUE(SwapRedBlue(block.data(), rows, width, stride));
    EXPECT_EQ(block, expected);
}

TEST(SwapRedBlue, BadArgumentsAreRefused) {
    std::vector<uint8_t> block = Numbered(24);
    const std::vector<uint8_t> before = block;
    EXPECT_FALSE(SwapRedBlue(nullptr, 1, 4, 12));
    EXPECT_FALSE(SwapRedBlue(block.data(), 2, 4, 11));  // stride shorter than the pixels
    EXPECT_FALSE(SwapRedBlue(block.data(), -1, 4, 12));
    EXPECT_FALSE(SwapRedBlue(block.data(), 1, -4, 12));
    EXPECT_EQ(block, before);
}

}  // namespace
