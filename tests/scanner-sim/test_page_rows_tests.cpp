// Rows of the built-in test page in the three formats, checked pixel by
// pixel against test_page.h through the frame and tone of the record.
#include <windows.h>

#include <gtest/gtest.h>

#include "brsvio_library.h"
#include "scan_helpers.h"

namespace {

const test_page::Sheet kLetter{850, 1100};

class TestPageRows : public ScannerTest {
protected:
    // Reads the whole frame of `side` and compares every row.
    void ExpectPageMatches(const ScanRecordBytes& r, int side, int block,
                           const test_page::Sheet& sheet = kLetter) {
        const PageShape shape = ShapeOf(r);
        uint8_t tone[256];
        ToneTableOf(io(), r, tone);
        const std::vector<uint8_t> rows = ReadRows(io(), shape, shape.lines, side, block);
        std::vector<uint8_t> expected;
        expected.reserve(static_cast<size_t>(shape.lines) * shape.stride);
        for (int y = 0; y < shape.lines; ++y) {
            const std::vector<uint8_t> row = ExpectedTestPageRow(r, sheet, side, y, tone);
            expected.insert(expected.end(), row.begin(), row.end());
        }
        EXPECT_EQ("", FirstDifference(rows, expected, shape.stride))
            << "mode " << r.Get(BRSVIO_OFFSET_SCANMODE) << " dpi " << r.Get(BRSVIO_OFFSET_DPI)
            << " side " << side;
    }

    std::vector<uint8_t> ReadWhole(const ScanRecordBytes& r) {
        EXPECT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
        const PageShape shape = ShapeOf(r);
        std::vector<uint8_t> rows = ReadRows(io(), shape, shape.lines, 0, 64);
        io().EndScanPage();
        return rows;
    }
};

TEST_F(TestPageRows, ColorGrayAndBlackWhiteLetterPagesMatchPixelForPixel) {
    for (int mode : {4, 1, 2}) {
        const ScanRecordBytes r = PageRecord(mode, 100, 0, 0, 1100, 850);
        ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
        ExpectPageMatches(r, 0, 31);
        io().EndScanPage();
    }
}

TEST_F(TestPageRows, OffsetAndInvertedFramesAtOddResolutionsShowTheSameSheet) {
    struct Case {
        int mode, dpi, top, left, bottom, right, invert;
    } cases[] = {
        {4, 150, 210, 40, 450, 830, 0},  // across the ramp and the colour bars
        {1, 75, 0, 0, 1100, 850, 1},
        {2, 240, 5, 3, 180, 313, 0},      // a corner of the frame and the first text lines
        {2, 300, 300, 400, 420, 864, 1},  // past the sheet's right edge: white there
        {4, 600, 315, 100, 335, 200, 1},  // 600 dpi, bars band
    };
    for (const Case& c : cases) {
        ScanRecordBytes r = PageRecord(c.mode, c.dpi, c.top, c.left, c.bottom, c.right);
        r.Set(BRSVIO_OFFSET_INVERT, c.invert);
        ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
        ExpectPageMatches(r, 0, 16);
        io().EndScanPage();
    }
}

TEST_F(TestPageRows, BackSideOfADoubleSidedSheetIsTheMirroredPageWithADiagonal) {
    ScanRecordBytes r = PageRecord(4, 100, 0, 0, 1100, 850);
    r.Set(BRSVIO_OFFSET_DOUBLESIDED, 1);
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    // Front and back are read from their own positions, in any order.
    ExpectPageMatches(r, 1, 50);
    ExpectPageMatches(r, 0, 64);

    // Visibly different: the back's diagonal crosses the middle of the page.
    const PageShape shape = ShapeOf(r);
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    const std::vector<uint8_t> front = ReadRows(io(), shape, shape.lines, 0, 100);
    const std::vector<uint8_t> back = ReadRows(io(), shape, shape.lines, 1, 100);
    EXPECT_NE(front, back);
    const size_t centre = 550 * shape.stride + 3 * 425;  // 4.25", 5.5": on the diagonal
    EXPECT_EQ(0, back[centre]);
    EXPECT_EQ(0, back[centre + 1]);
}

TEST_F(TestPageRows, LayoutIsPhysicalSoEveryResolutionShowsTheSameMarks) {
    // Linear tone, so levels are the page's own. At 100 and 200 dpi the same
    // physical points carry the same colour.
    const auto low = ReadWhole(LinearRecord(4, 100, 0, 0, 1100, 850));
    const auto high = ReadWhole(LinearRecord(4, 200, 0, 0, 1100, 850));
    const int lowStride = StrideOf(24, 850), highStride = StrideOf(24, 1700);
    auto at = [](const std::vector<uint8_t>& page, int stride, int x, int y) {
        const uint8_t* p = page.data() + static_cast<size_t>(y) * stride + 3 * x;
        return Rgb{p[0], p[1], p[2]};
    };
    // Frame line 0.1" inside the edge; paper just outside it.
    EXPECT_EQ(kBlack, at(low, lowStride, 11, 500));
    EXPECT_EQ(kBlack, at(high, highStride, 22, 1000));
    EXPECT_EQ(kWhite, at(low, lowStride, 5, 500));
    EXPECT_EQ(kWhite, at(high, highStride, 10, 1000));
    // Colour bars between 3.2" and 4.2", six across 0.5" .. 8.0": red first, yellow last.
    EXPECT_EQ((Rgb{255, 0, 0}), at(low, lowStride, 100, 370));
    EXPECT_EQ((Rgb{255, 0, 0}), at(high, highStride, 200, 740));
    EXPECT_EQ((Rgb{0, 0, 255}), at(low, lowStride, 375, 370));
    EXPECT_EQ((Rgb{255, 255, 0}), at(low, lowStride, 750, 370));
    EXPECT_EQ((Rgb{255, 255, 0}), at(high, highStride, 1500, 740));
    // The gray ramp between 2.2" and 3.0" darkens to the left, lightens to the right.
    const Rgb left = at(low, lowStride, 60, 260), right = at(low, lowStride, 790, 260);
    EXPECT_EQ(left.r, left.g);
    EXPECT_LT(left.r, 20);
    EXPECT_GT(right.r, 235);
    for (int x = 51; x < 799; ++x)
        ASSERT_LE(at(low, lowStride, x, 260).r, at(low, lowStride, x + 1, 260).r) << x;
    // Text lines carry black strokes on white.
    int ink = 0;
    for (int x = 50; x < 800; ++x) ink += at(low, lowStride, x, 60) == kBlack;
    EXPECT_GT(ink, 20);
}

TEST_F(TestPageRows, SixHundredDpiColorLetterPageIsDeliveredFast) {
    const ScanRecordBytes r = PageRecord(4, 600, 0, 0, 1100, 850);
    const PageShape shape = ShapeOf(r);
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    std::vector<uint8_t> buffer(static_cast<size_t>(shape.stride) * 8);
    FILETIME created, exited, kernelBefore, userBefore, kernelAfter, userAfter;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernelBefore, &userBefore);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    int rows = 0;
    for (int got; (got = io().GetImageBlock(buffer.data(), 8, nullptr, shape.width, 0)) > 0;)
        rows += got;
    QueryPerformanceCounter(&end);
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernelAfter, &userAfter);
    EXPECT_EQ(6600, rows);
    auto ticks = [](const FILETIME& t) {
        return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    const double cpu = (ticks(userAfter) - ticks(userBefore)) / 1e7;
    const double wall = static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
    RecordProperty("cpu_seconds", std::to_string(cpu));
    std::printf("600 dpi colour Letter (%.0f MB): %.3f s CPU, %.3f s elapsed\n",
                shape.stride * 6600.0 / 1e6, cpu, wall);
    // A caller's page loop must not wait on the scanner: well under a second
    // of processor time (an optimised build needs about an eighth of one).
    EXPECT_LT(cpu, 1.0);
    EXPECT_LT(wall, 3.0);
}

}  // namespace
