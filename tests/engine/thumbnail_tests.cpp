#include "engine/thumbnail.h"

#include "engine/pixel_rows.h"
#include "engine/scan_settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace {

// A small synthetic scan: one value per pixel and channel (0/1 for
// black/white with 1 = white, levels for gray, red-green-blue for color).
struct Picture {
    int16_t mode;
    int width;
    int height;
    std::vector<int> values;

    int Bits() const { return ScanModeBits(mode); }
    int Channels() const { return Bits() == 24 ? 3 : 1; }
    int At(int x, int y, int channel) const { return values[(y * width + x) * Channels() + channel]; }

    // Rows first .. first + count - 1 as the scanner delivers them.
    std::vector<uint8_t> ScannerRows(int first, int count) const {
        const int stride = BytesPerLine(Bits(), width);
        std::vector<uint8_t> rows(static_cast<size_t>(stride) * count, 0);
        for (int r = 0; r < count; ++r) {
            uint8_t* row = rows.data() + r * stride;
            for (int x = 0; x < width; ++x) {
                if (Bits() == 1) {
                    if (At(x, first + r, 0)) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
                } else {
                    for (int c = 0; c < Channels(); ++c)
                        row[x * Channels() + c] = static_cast<uint8_t>(At(x, first + r, c));
                }
            }
        }
        return rows;
    }
};

Picture RandomPicture(int16_t mode, int width, int height, unsigned seed) {
    Picture p{mode, width, height, {}};
    std::mt19937 random(seed);
    const int top = ScanModeBits(mode) == 1 ? 1 : 255;
    p.values.resize(static_cast<size_t>(width) * height * p.Channels());
    for (int& v : p.values) v = static_cast<int>(random() % (top + 1));
    return p;
}

// The boxes of one direction: box i starts at i*q + (i*r)/n and is q long,
// one longer whenever the accumulator (raised by r per box) exceeds n.
std::vector<std::pair<int, int>> Boxes(int count, int n) {
    std::vector<std::pair<int, int>> boxes;
    const int q = count / n, r = count % n;
    int accumulator = 0;
    for (int i = 0; i < n; ++i) {
        int length = q;
        accumulator += r;
        if (accumulator > n) {
            ++length;
            accumulator -= n;
        }
        boxes.emplace_back(i * q + (i * r) / n, length);
    }
    return boxes;
}

// The thumbnail worked out pixel by pixel from the whole picture.
struct ReferenceThumbnail {
    int tw, th;
    int received = 0, filled = 0;
    std::vector<uint8_t> pixels;

    ReferenceThumbnail(int width, int height) : tw(width), th(height), pixels(3 * width * height, 0) {}

    void Add(const Picture& p, int first, int count) {
        received += count;
        const int n = th * received / p.height - filled;
        if (n <= 0) return;
        const auto rows = Boxes(count, n);
        const auto columns = Boxes(p.width, tw);
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < tw; ++j) {
                long sums[3] = {0, 0, 0};
                const int area = rows[i].second * columns[j].second;
                for (int y = first + rows[i].first; y < first + rows[i].first + rows[i].second; ++y)
                    for (int x = columns[j].first; x < columns[j].first + columns[j].second; ++x)
                        for (int c = 0; c < p.Channels(); ++c) sums[c] += p.At(x, y, c);
                uint8_t* out = &pixels[((filled + i) * tw + j) * 3];
                if (p.Bits() == 24) {
                    out[0] = static_cast<uint8_t>(sums[2] / area);
                    out[1] = static_cast<uint8_t>(sums[1] / area);
                    out[2] = static_cast<uint8_t>(sums[0] / area);
                } else {
                    const long level = p.Bits() == 1 ? sums[0] * 255 / area : sums[0] / area;
                    out[0] = out[1] = out[2] = static_cast<uint8_t>(level);
                }
            }
        }
        filled += n;
    }
};

std::vector<uint8_t> PixelsOf(const Thumbnail& t) {
    return std::vector<uint8_t>(t.Pixels(), t.Pixels() + t.Stride() * t.Height());
}

// Feeds the picture in blocks and compares the whole thumbnail after each one.
void ExpectShrinkingMatches(const Picture& p, int frameWidth, int frameHeight,
                            const std::vector<int>& blocks, int expectedWidth, int expectedHeight) {
    Thumbnail thumbnail;
    ASSERT_TRUE(thumbnail.InitThumbnail(frameWidth, frameHeight, p.width, p.height, p.mode));
    ASSERT_EQ(thumbnail.Width(), expectedWidth);
    ASSERT_EQ(thumbnail.Height(), expectedHeight);
    ASSERT_EQ(thumbnail.Stride(), BytesPerLine(24, expectedWidth));
    ReferenceThumbnail reference(expectedWidth, expectedHeight);
    int first = 0;
    for (int count : blocks) {
        const std::vector<uint8_t> rows = p.ScannerRows(first, count);
        const int before = thumbnail.RowsFilled();
        const int added = thumbnail.AddBlock(rows.data(), count);
        reference.Add(p, first, count);
        first += count;
        ASSERT_EQ(thumbnail.RowsFilled(), reference.filled) << "after row " << first;
        ASSERT_EQ(added, reference.filled - before);
        ASSERT_EQ(PixelsOf(thumbnail), reference.pixels) << "after row " << first;
        EXPECT_EQ(thumbnail.Percent(), first * 100 / p.height);
    }
    EXPECT_EQ(first, p.height);
    EXPECT_EQ(thumbnail.RowsFilled(), expectedHeight);
}

TEST(ThumbnailShrinking, GrayIsTheAverageLevelOfEachBox) {
    // 37 x 29 into 16 x 12: three or two columns per pixel, uneven row boxes.
    const Picture p = RandomPicture(kScanModeGray, 37, 29, 1);
    ExpectShrinkingMatches(p, 24, 28, {5, 3, 7, 2, 12}, 16, 12);
}

TEST(ThumbnailShrinking, BlackWhiteIsTheShareOfWhiteTimes255) {
    // 45 pixels per row (6 bytes used of 8) into 20 x 13.
    const Picture p = RandomPicture(kScanModeBlackWhite, 45, 31, 2);
    ExpectShrinkingMatches(p, 28, 28, {2, 2, 9, 1, 17}, 20, 13);
}

TEST(ThumbnailShrinking, ColorIsTheAverageOfEachChannelInBlueGreenRedOrder) {
    // 23 pixels per row (69 bytes padded to 72) into 12 x 8.
    const Picture p = RandomPicture(kScanModeColor, 23, 17, 3);
    ExpectShrinkingMatches(p, 20, 48, {4, 4, 4, 5}, 12, 8);
}

TEST(ThumbnailShrinking, AccumulatorThatReachesExactlyNAddsNoRowYet) {
    // Columns 44 into 8 (q 5, r 4) and a block of 11 rows into 2 (q 5, r 1):
    // the accumulator meets n exactly, which does not exceed it.
    const Picture gray = RandomPicture(kScanModeGray, 44, 30, 4);
    ExpectShrinkingMatches(gray, 16, 108, {7, 11, 12}, 8, 5);
    const Picture bw = RandomPicture(kScanModeBlackWhite, 44, 30, 5);
    ExpectShrinkingMatches(bw, 16, 108, {7, 11, 12}, 8, 5);
    const Picture color = RandomPicture(kScanModeColor, 44, 30, 6);
    ExpectShrinkingMatches(color, 16, 108, {7, 11, 12}, 8, 5);
}

TEST(ThumbnailShrinking, ImageSmallerThanTheAreaIsCopiedPixelForPixel) {
    const Picture p = RandomPicture(kScanModeColor, 8, 6, 7);
    Thumbnail thumbnail;
    ASSERT_TRUE(thumbnail.InitThumbnail(108, 108, 8, 6, kScanModeColor));
    ASSERT_EQ(thumbnail.Width(), 8);
    ASSERT_EQ(thumbnail.Height(), 6);
    const std::vector<uint8_t> rows = p.ScannerRows(0, 6);
    ASSERT_EQ(thumbnail.AddBlock(rows.data(), 6), 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const uint8_t* out = thumbnail.Pixels() + y * thumbnail.Stride() + 3 * x;
            EXPECT_EQ(out[0], p.At(x, y, 2));
            EXPECT_EQ(out[1], p.At(x, y, 1));
            EXPECT_EQ(out[2], p.At(x, y, 0));
        }
}

TEST(ThumbnailShrinking, BlackWhitePixelsAreReadMostSignificantBitFirst) {
    // One white pixel in the first column of an otherwise black image that
    // is copied pixel for pixel.
    Picture p{kScanModeBlackWhite, 16, 2, std::vector<int>(32, 0)};
    p.values[0] = 1;
    Thumbnail thumbnail;
    ASSERT_TRUE(thumbnail.InitThumbnail(100, 100, 16, 2, kScanModeBlackWhite));
    const std::vector<uint8_t> rows = p.ScannerRows(0, 2);
    ASSERT_EQ(rows[0], 0x80);
    ASSERT_EQ(thumbnail.AddBlock(rows.data(), 2), 2);
    EXPECT_EQ(thumbnail.Pixels()[0], 255);
    EXPECT_EQ(thumbnail.Pixels()[3], 0);
}

TEST(ThumbnailShrinking, BlocksBeforeARowBoundaryLeaveNoTrace) {
    // A Letter page at 300 dpi in a 300 x 400 area: 300 x 388. The first
    // 8 rows make no thumbnail row (388 x 8 / 3300 = 0); the next row takes
    // the count past the boundary and fills row 0 from its own pixels only.
    const int width = 2550, height = 3300;
    Thumbnail thumbnail;
    ASSERT_TRUE(thumbnail.InitThumbnail(308, 408, width, height, kScanModeGray));
    ASSERT_EQ(thumbnail.Width(), 300);
    ASSERT_EQ(thumbnail.Height(), 388);

    const std::vector<uint8_t> light(static_cast<size_t>(BytesPerLine(8, width)) * 8, 200);
    EXPECT_EQ(thumbnail.AddBlock(light.data(), 8), 0);
    EXPECT_EQ(thumbnail.RowsFilled(), 0);
    EXPECT_EQ(thumbnail.RowsReceived(), 8);
    EXPECT_EQ(PixelsOf(thumbnail), std::vector<uint8_t>(300 * 3 * 388, 0));

    std::vector<uint8_t> next(BytesPerLine(8, width));
    for (int x = 0; x < width; ++x) next[x] = static_cast<uint8_t>(x < width / 2 ? 40 : 90);
    EXPECT_EQ(thumbnail.AddBlock(next.data(), 1), 1);
    EXPECT_EQ(thumbnail.RowsFilled(), 1);
    // Columns of 8 or 9 pixels: the left half averages 40, the right 90; the
    // one column that straddles the middle lies between.
    EXPECT_EQ(thumbnail.Pixels()[0], 40);
    EXPECT_EQ(thumbnail.Pixels()[3 * 299], 90);
    for (int x = 0; x < 300; ++x) {
        const int level = thumbnail.Pixels()[3 * x];
        EXPECT_TRUE(level >= 40 && level <= 90) << x;
    }
    EXPECT_EQ(thumbnail.Pixels()[thumbnail.Stride()], 0);  // row 1 still empty
}

TEST(ThumbnailSize, SmallImageKeepsItsSize) {
    Thumbnail thumbnail;
    ASSERT_TRUE(thumbnail.InitThumbnail(608, 508, 400, 300, kScanModeGray));
    EXPECT_EQ(thumbnail.Width(), 400);
    EXPECT_EQ(thumbnail.Height(), 300);
}

TEST(ThumbnailSize, LargeImageFitsTheAreaInItsProportions) {
    Thumbnail thumbnail;
    ASSERT_TRUE(thumbnail.InitThumbnail(308, 408, 2550, 3300, kScanModeColor));
    EXPECT_EQ(thumbnail.Width(), 300);
    EXPECT_EQ(thumbnail.Height(), 388);
    // A wide image: the width fills the area, the height follows.
    ASSERT_TRUE(thumbnail.InitThumbnail(208, 208, 1000, 500, kScanModeColor));
    EXPECT_EQ(thumbnail.Width(), 200);
    EXPECT_EQ(thumbnail.Height(), 100);
}

TEST(ThumbnailSize, WidthIsCutToAMultipleOfFour) {
    Thumbnail thumbnail;
    ASSERT_TRUE(thumbnail.InitThumbnail(608, 508, 401, 300, kScanModeGray));
    EXPECT_EQ(thumbnail.Width(), 400);
    EXPECT_EQ(thumbnail.Height(), 300);
    EXPECT_EQ(thumbnail.Stride(), 1200);
}

TEST(ThumbnailSize, PaletteFollowsTheScanMode) {
    Thumbnail thumbnail;
    PALETTEENTRY entry{};
    ASSERT_TRUE(thumbnail.InitThumbnail(100, 100, 50, 50, kScanModeColor));
    ASSERT_EQ(GetPaletteEntries(thumbnail.Palette(), 0, 1, &entry), 1u);
    EXPECT_EQ(entry.peRed, 3);  // the colour palette starts with gray 3
    ASSERT_TRUE(thumbnail.InitThumbnail(100, 100, 50, 50, kScanModeBlackWhite));
    ASSERT_EQ(GetPaletteEntries(thumbnail.Palette(), 0, 1, &entry), 1u);
    EXPECT_EQ(entry.peRed, 0);
}

TEST(ThumbnailSize, EmptyImageOrFrameMakesNoPicture) {
    Thumbnail thumbnail;
    EXPECT_FALSE(thumbnail.InitThumbnail(100, 100, 0, 50, kScanModeGray));
    EXPECT_FALSE(thumbnail.InitThumbnail(100, 100, 50, -1, kScanModeGray));
    EXPECT_FALSE(thumbnail.InitThumbnail(8, 100, 50, 50, kScanModeGray));
    EXPECT_EQ(thumbnail.Pixels(), nullptr);
    // So narrow that the width cuts to 0: progress still counts, nothing is drawn.
    EXPECT_FALSE(thumbnail.InitThumbnail(100, 100, 3, 90, kScanModeGray));
    const std::vector<uint8_t> rows(4 * 45, 100);
    EXPECT_EQ(thumbnail.AddBlock(rows.data(), 45), 0);
    EXPECT_EQ(thumbnail.Percent(), 50);
    EXPECT_EQ(thumbnail.RowsFilled(), 0);
}

TEST(ThumbnailBlocks, NothingHappensForEmptyOrMissingBlocks) {
    Thumbnail thumbnail;
    ASSERT_TRUE(thumbnail.InitThumbnail(100, 100, 20, 20, kScanModeGray));
    const std::vector<uint8_t> rows(20 * 20, 7);
    EXPECT_EQ(thumbnail.AddBlock(rows.data(), 0), 0);
    EXPECT_EQ(thumbnail.AddBlock(rows.data(), -3), 0);
    EXPECT_EQ(thumbnail.AddBlock(nullptr, 5), 0);
    EXPECT_EQ(thumbnail.RowsReceived(), 0);
    EXPECT_EQ(thumbnail.Percent(), 0);
}

TEST(ThumbnailBlocks, RowsBeyondTheAnnouncedLengthDoNotOverrunTheThumbnail) {
    Thumbnail thumbnail;
    ASSERT_TRUE(thumbnail.InitThumbnail(100, 100, 20, 20, kScanModeGray));
    const std::vector<uint8_t> rows(20 * 30, 9);
    EXPECT_EQ(thumbnail.AddBlock(rows.data(), 15), 15);
    EXPECT_EQ(thumbnail.AddBlock(rows.data(), 15), 5);
    EXPECT_EQ(thumbnail.AddBlock(rows.data(), 30), 0);
    EXPECT_EQ(thumbnail.RowsFilled(), 20);
    EXPECT_EQ(thumbnail.Percent(), 100);
}

TEST(ThumbnailBlocks, InitStartsAgain) {
    Thumbnail thumbnail;
    ASSERT_TRUE(thumbnail.InitThumbnail(100, 100, 20, 20, kScanModeGray));
    const std::vector<uint8_t> rows(20 * 10, 9);
    ASSERT_EQ(thumbnail.AddBlock(rows.data(), 10), 10);
    ASSERT_TRUE(thumbnail.InitThumbnail(100, 100, 20, 20, kScanModeGray));
    EXPECT_EQ(thumbnail.RowsFilled(), 0);
    EXPECT_EQ(thumbnail.RowsReceived(), 0);
    EXPECT_EQ(PixelsOf(thumbnail), std::vector<uint8_t>(20 * 3 * 20, 0));
}

}  // namespace
