// The trailing edge of a sheet shorter than the frame, and what callers get
// when they keep reading past it or past the frame's end.
#include <gtest/gtest.h>

#include "brsvio_library.h"
#include "scan_helpers.h"

namespace {

class EndOfPage : public ScannerTest {
protected:
    struct Call {
        int rows;
        int32_t eop;
    };
    Call Read(std::vector<uint8_t>& buffer, int lines, const PageShape& shape, int side = 0) {
        if (buffer.size() < static_cast<size_t>(lines) * shape.stride)
            buffer.resize(static_cast<size_t>(lines) * shape.stride);
        Call c{0, -7};
        c.rows = io().GetImageBlock(buffer.data(), lines, &c.eop, shape.width, side);
        return c;
    }
    static bool AllWhite(const std::vector<uint8_t>& buffer, int rows, const PageShape& shape) {
        const int used = (shape.bits * shape.width + 7) / 8;
        for (int y = 0; y < rows; ++y)
            for (int i = 0; i < used; ++i) {
                uint8_t want = 0xFF;
                if (shape.bits == 1 && i == used - 1 && shape.width % 8)
                    want = static_cast<uint8_t>(0xFF << (8 - shape.width % 8));
                if (buffer[static_cast<size_t>(y) * shape.stride + i] != want) return false;
            }
        return true;
    }
};

TEST_F(EndOfPage, ShortSheetEndsAtItsTrailingEdgeThenDeliversWhiteToTheFrameEnd) {
    Configure("sheet_length", 300);  // a 3-inch sheet in a Letter frame
    const ScanRecordBytes r = PageRecord(1, 100, 0, 0, 1100, 850);
    const PageShape shape = ShapeOf(r);
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    std::vector<uint8_t> buffer;
    int delivered = 0;
    Call c{};
    for (int i = 0; i < 4; ++i) {
        c = Read(buffer, 64, shape);
        EXPECT_EQ(64, c.rows);
        EXPECT_EQ(0, c.eop);
        delivered += c.rows;
    }
    // The block that reaches the edge is cut short there and says so.
    c = Read(buffer, 64, shape);
    EXPECT_EQ(300 - delivered, c.rows);
    EXPECT_NE(0, c.eop);
    EXPECT_FALSE(AllWhite(buffer, c.rows, shape)) << "the frame's bottom line is on these rows";
    delivered += c.rows;
    // Past the edge: white rows, end of page on every call, up to the frame's end.
    while ((c = Read(buffer, 64, shape)).rows > 0) {
        EXPECT_NE(0, c.eop);
        EXPECT_TRUE(AllWhite(buffer, c.rows, shape)) << "at row " << delivered;
        delivered += c.rows;
    }
    EXPECT_EQ(1100, delivered);
    EXPECT_EQ(0, c.rows);
    EXPECT_EQ(1, c.eop);
    c = Read(buffer, 64, shape);
    EXPECT_EQ(0, c.rows);
    EXPECT_EQ(1, c.eop);
}

TEST_F(EndOfPage, RowsPastTheEdgeStayWhiteEvenInvertedAndInBlackWhite) {
    Configure("sheet_length", 200);
    ScanRecordBytes r = PageRecord(2, 150, 0, 0, 400, 851);
    r.Set(BRSVIO_OFFSET_INVERT, 1);
    const PageShape shape = ShapeOf(r);
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    std::vector<uint8_t> buffer;
    EXPECT_EQ(300, Read(buffer, 400, shape).rows);
    const Call past = Read(buffer, 400, shape);
    EXPECT_EQ(300, past.rows);
    EXPECT_TRUE(AllWhite(buffer, past.rows, shape));
}

TEST_F(EndOfPage, SheetLongerThanTheFrameNeverReportsAnEdgeUntilTheFrameIsRead) {
    const ScanRecordBytes r = PageRecord(2, 100, 0, 0, 500, 850);
    const PageShape shape = ShapeOf(r);
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    std::vector<uint8_t> buffer;
    Call c = Read(buffer, 499, shape);
    EXPECT_EQ(499, c.rows);
    EXPECT_EQ(0, c.eop);
    c = Read(buffer, 100, shape);
    EXPECT_EQ(1, c.rows);
    EXPECT_EQ(0, c.eop) << "the sheet goes on beyond the frame";
    c = Read(buffer, 100, shape);
    EXPECT_EQ(0, c.rows);
    EXPECT_EQ(1, c.eop);
}

TEST_F(EndOfPage, FrameBelowTheSheetFindsTheEdgeBeforeAnyRow) {
    Configure("paper", "photo");  // 5 x 3.5 inches
    const ScanRecordBytes r = PageRecord(1, 100, 400, 0, 600, 850);
    const PageShape shape = ShapeOf(r);
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    std::vector<uint8_t> buffer;
    Call c = Read(buffer, 50, shape);
    EXPECT_EQ(0, c.rows);
    EXPECT_EQ(1, c.eop);
    // A caller that reads on regardless gets the white frame.
    c = Read(buffer, 500, shape);
    EXPECT_EQ(200, c.rows);
    EXPECT_EQ(1, c.eop);
    EXPECT_TRUE(AllWhite(buffer, c.rows, shape));
}

TEST_F(EndOfPage, CallerWithoutAFlagStillGetsTheWholeFrame) {
    Configure("sheet_length", 250);
    const ScanRecordBytes r = PageRecord(4, 100, 50, 0, 1100, 850);
    const PageShape shape = ShapeOf(r);
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    std::vector<uint8_t> buffer(static_cast<size_t>(shape.stride) * 37);
    int total = 0, calls = 0;
    for (int got; (got = io().GetImageBlock(buffer.data(), 37, nullptr, shape.width, 0)) > 0;) {
        total += got;
        ++calls;
    }
    EXPECT_EQ(1050, total);
    // The edge at frame row 200 cuts one block short: 6 calls up to it
    // (5 x 37 + 15), then 23 for the 850 white rows.
    EXPECT_EQ(6 + 23, calls);
}

TEST_F(EndOfPage, EachSideOfADoubleSidedSheetHasItsOwnEdge) {
    Configure("sheet_length", 150);
    ScanRecordBytes r = PageRecord(2, 100, 0, 0, 300, 850);
    r.Set(BRSVIO_OFFSET_DOUBLESIDED, 1);
    const PageShape shape = ShapeOf(r);
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    std::vector<uint8_t> buffer;
    Call front = Read(buffer, 200, shape, 0);
    EXPECT_EQ(150, front.rows);
    EXPECT_EQ(1, front.eop);
    Call back = Read(buffer, 100, shape, 1);
    EXPECT_EQ(100, back.rows);
    EXPECT_EQ(0, back.eop);
    back = Read(buffer, 100, shape, 1);
    EXPECT_EQ(50, back.rows);
    EXPECT_EQ(1, back.eop);
}

TEST_F(EndOfPage, NewPageStartReadsTheSameSheetFromTheTopAgain) {
    Configure("sheet_length", 120);
    const ScanRecordBytes r = PageRecord(1, 100, 0, 0, 1100, 850);
    const PageShape shape = ShapeOf(r);
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    std::vector<uint8_t> first;
    EXPECT_EQ(120, Read(first, 500, shape).rows);
    io().EndScanPage();
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    std::vector<uint8_t> again;
    EXPECT_EQ(120, Read(again, 500, shape).rows);
    EXPECT_EQ(first, again);
}

}  // namespace
