// Page geometry: what IO_GetPageDimension answers for a frame, what
// IO_StartScanPage accepts, and what a block of rows looks like.
#include <gtest/gtest.h>

#include "brsvio_library.h"
#include "scan_helpers.h"

namespace {

class PageGeometry : public ScannerTest {};

TEST_F(PageGeometry, DimensionIsTheFrameAtTheResolution) {
    struct Case {
        int dpi, top, left, bottom, right, width, length;
    } cases[] = {
        {300, 0, 0, 1100, 850, 2550, 3300},  // Letter
        {600, 0, 0, 1100, 850, 5100, 6600},
        {75, 0, 0, 1400, 864, 648, 1050},  // the whole glass
        {200, 10, 25, 20, 100, 150, 20},
        {150, 33, 17, 147, 91, 111, 171},  // truncating divisions
    };
    for (const Case& c : cases) {
        // IO_GetPageDimension gets the data source's own record: gamma 18, no start flag.
        ScanRecordBytes r = PageRecord(2, c.dpi, c.top, c.left, c.bottom, c.right);
        r.Set(BRSVIO_OFFSET_GAMMA, 18).Set(BRSVIO_OFFSET_STARTFLAG, 0);
        int32_t width = -1, length = -1;
        EXPECT_NE(0, io().GetPageDimension(r.Data(), &width, &length)) << c.dpi;
        EXPECT_EQ(c.width, width) << c.dpi << " dpi";
        EXPECT_EQ(c.length, length) << c.dpi << " dpi";
    }
}

TEST_F(PageGeometry, DimensionFailsForFramesTheScannerCannotScan) {
    const ScanRecordBytes bad[] = {
        PageRecord(2, 0, 0, 0, 1100, 850),  // no resolution
        PageRecord(2, -300, 0, 0, 1100, 850), PageRecord(2, 300, 0, 850, 1100, 850),  // no width
        PageRecord(2, 300, 500, 0, 400, 850),  // bottom above top
        PageRecord(2, 300, 0, 0, 1500, 850),   // longer than the glass
        PageRecord(2, 300, 0, 0, 1100, 900),   // wider than the glass
        PageRecord(2, 75, 0, 0, 1, 850),       // less than one row
    };
    for (const ScanRecordBytes& r : bad) {
        int32_t width = 77, length = 77;
        EXPECT_EQ(0, io().GetPageDimension(r.Data(), &width, &length));
        EXPECT_EQ(77, width);
        EXPECT_EQ(77, length);
    }
    int32_t width = 0, length = 0;
    EXPECT_EQ(0, io().GetPageDimension(nullptr, &width, &length));
    const ScanRecordBytes good = PageRecord(2, 300, 0, 0, 1100, 850);
    EXPECT_EQ(0, io().GetPageDimension(good.Data(), nullptr, &length));
    EXPECT_EQ(0, io().GetPageDimension(good.Data(), &width, nullptr));
}

TEST_F(PageGeometry, StartScanPageReportsTheGeometryItWillDeliver) {
    const ScanRecordBytes r = PageRecord(4, 200, 100, 50, 600, 450);
    int32_t out1 = 0, out2 = 0;
    ASSERT_NE(0, io().StartScanPage(r.Data(), &out1, &out2));
    EXPECT_EQ(800, out1);
    EXPECT_EQ(1000, out2);
    // The data source passes one integer for both: that must be safe too.
    int32_t shared = 0;
    EXPECT_NE(0, io().StartScanPage(r.Data(), &shared, &shared));
    EXPECT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    EXPECT_EQ(0, io().StartScanPage(PageRecord(4, 200, 0, 0, 1100, 999).Data(), &out1, &out2));
}

TEST_F(PageGeometry, BlocksHoldTheRequestedRowsPaddedToFourBytes) {
    // 1 bit: 101 pixels need 13 bytes, padded to 16; 8 bits: 101 -> 104; 24 bits: 303 -> 304.
    struct Case {
        int mode, stride;
    } cases[] = {{2, 16}, {1, 104}, {4, 304}, {3, 16}};
    for (const Case& c : cases) {
        const ScanRecordBytes r = PageRecord(c.mode, 100, 0, 0, 200, 101);
        ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
        std::vector<uint8_t> buffer(5 * c.stride + 64, 0xCD);
        int32_t eop = -1;
        EXPECT_EQ(5, io().GetImageBlock(buffer.data(), 5, &eop, 101, 0)) << c.mode;
        EXPECT_EQ(0, eop);
        for (size_t i = 5 * c.stride; i < buffer.size(); ++i)
            ASSERT_EQ(0xCD, buffer[i]) << "mode " << c.mode << " wrote past 5 rows";
        // Padding bytes after the last pixel of each row are zero.
        const int used = (BitsOf(c.mode) * 101 + 7) / 8;
        for (int row = 0; row < 5; ++row)
            for (int i = used; i < c.stride; ++i)
                ASSERT_EQ(0, buffer[row * c.stride + i]) << "mode " << c.mode << " row " << row;
        io().EndScanPage();
    }
}

TEST_F(PageGeometry, BlockWidthMustMatchThePage) {
    const ScanRecordBytes r = PageRecord(1, 100, 0, 0, 1100, 850);
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    std::vector<uint8_t> buffer(8 * 852);
    int32_t eop = 5;
    EXPECT_EQ(-1, io().GetImageBlock(buffer.data(), 8, &eop, 851, 0));
    EXPECT_EQ(0, eop);
    EXPECT_EQ(-1, io().GetImageBlock(buffer.data(), 8, &eop, 849, 0));
    // The right width still reads from the first row: failures consumed nothing.
    EXPECT_EQ(8, io().GetImageBlock(buffer.data(), 8, &eop, 850, 0));
    EXPECT_EQ(8, io().GetImageBlock(buffer.data(), 8, &eop, 850, 0));
}

TEST_F(PageGeometry, InvalidBlockRequestsFailWithoutTouchingThePage) {
    int32_t eop = 7;
    std::vector<uint8_t> buffer(4096);
    EXPECT_EQ(-1, io().GetImageBlock(buffer.data(), 1, &eop, 100, 0)) << "no page started";
    EXPECT_EQ(0, eop);
    const ScanRecordBytes r = PageRecord(1, 100, 0, 0, 1100, 100);
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    EXPECT_EQ(-1, io().GetImageBlock(nullptr, 1, &eop, 100, 0));
    EXPECT_EQ(-1, io().GetImageBlock(buffer.data(), 0, &eop, 100, 0));
    EXPECT_EQ(-1, io().GetImageBlock(buffer.data(), -4, &eop, 100, 0));
    EXPECT_EQ(-1, io().GetImageBlock(buffer.data(), 1, &eop, 100, 2));
    EXPECT_EQ(-1, io().GetImageBlock(buffer.data(), 1, &eop, 100, 1)) << "not double-sided";
    EXPECT_EQ(1, io().GetImageBlock(buffer.data(), 1, nullptr, 100, 0));
    io().EndScanPage();
    EXPECT_EQ(-1, io().GetImageBlock(buffer.data(), 1, &eop, 100, 0)) << "page ended";
}

TEST_F(PageGeometry, HugeRequestsAreAnsweredWithinASixteenBitCount) {
    // The data source reads the result's low 16 bits as a signed count, so a
    // single call never reports more than 32767 rows.
    Configure("paper", "legal");
    const ScanRecordBytes r = PageRecord(2, 2400, 0, 0, 1400, 1);
    const PageShape shape = ShapeOf(r);
    ASSERT_EQ(33600, shape.lines);
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    std::vector<uint8_t> buffer(static_cast<size_t>(shape.stride) * 40000);
    int32_t eop = -1;
    EXPECT_EQ(32767, io().GetImageBlock(buffer.data(), 40000, &eop, shape.width, 0));
    EXPECT_EQ(0, eop);
    EXPECT_EQ(833, io().GetImageBlock(buffer.data(), 40000, &eop, shape.width, 0));
    EXPECT_NE(0, eop);
}

}  // namespace
