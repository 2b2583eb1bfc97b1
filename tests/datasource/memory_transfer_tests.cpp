// DG_IMAGE / DAT_IMAGEMEMXFER: strips of top-down rows written straight into
// the application's buffers, and the buffers that cannot take a row.
#include "tests/datasource/transfer_session.h"

#include "tests/datasource/progress_window_finder.h"

#include <string>

namespace {

class MemoryTransfers : public TransferSession {
protected:
    // Checks the strips of a whole page: consecutive, uncompressed, full rows.
    void ExpectStrips(const std::vector<TW_IMAGEMEMXFER>& strips, int32_t length) {
        uint32_t next = 0;
        for (const TW_IMAGEMEMXFER& strip : strips) {
            EXPECT_EQ(TWCP_NONE, strip.Compression);
            EXPECT_EQ(static_cast<TW_UINT32>(RowBytes()), strip.BytesPerRow);
            EXPECT_EQ(static_cast<TW_UINT32>(Width()), strip.Columns);
            EXPECT_EQ(0u, strip.XOffset);
            EXPECT_EQ(next, strip.YOffset);
            EXPECT_EQ(strip.BytesPerRow * strip.Rows, strip.BytesWritten);
            next += strip.Rows;
        }
        EXPECT_EQ(static_cast<uint32_t>(length), next);
    }
};

class MemoryTransferModes : public MemoryTransfers, public testing::WithParamInterface<int> {};

TEST_P(MemoryTransferModes, DeliversTheScannedRowsTopDown) {
    const int mode = GetParam();
    Page(mode, 100);
    OpenAndEnable();
    MessageBoxWatcher watcher;
    TW_SETUPMEMXFER setup{};
    ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup));
    std::vector<uint8_t> rows;
    std::vector<TW_IMAGEMEMXFER> strips;
    EXPECT_EQ(TWRC_XFERDONE, MemoryPage(setup.Preferred, rows, strips));
    ExpectStrips(strips, Length());
    EXPECT_EQ("", FirstRowDifference(rows, ExpectedRows(Length()), RowBytes()));
    EXPECT_EQ(7, ProbeState());
    // Read straight from the scanner; the sheet is ejected after the last
    // row and the scan is not ended by the transfer.
    EXPECT_EQ(1u, ScannerCalls("IO_StartScanPage"));
    EXPECT_EQ(1u, ScannerCalls("IO_FeedPage"));
    EXPECT_EQ(0u, ScannerCalls("IO_EndScan"));
    EXPECT_TRUE(Messages(watcher).empty());

    TW_UINT16 count = 0xBEEF;
    EXPECT_EQ(TWRC_SUCCESS, EndTransfer(count));
    EXPECT_EQ(0, count);
    EXPECT_EQ(5, ProbeState());
}

INSTANTIATE_TEST_SUITE_P(Modes, MemoryTransferModes, testing::Values(2, 1, 4),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(info.param == 1   ? "Gray"
                                                : info.param == 4 ? "Color"
                                                                  : "BlackAndWhite");
                         });

TEST_F(MemoryTransfers, FirstStripMovesToStateSeven) {
    Page(1, 100);
    OpenAndEnable();
    std::vector<uint8_t> buffer(static_cast<size_t>(RowBytes()) * 10);
    TW_IMAGEMEMXFER strip;
    EXPECT_EQ(TWRC_SUCCESS, MemoryStrip(buffer, strip));
    EXPECT_EQ(10u, strip.Rows);
    EXPECT_EQ(7, ProbeState());
    EXPECT_EQ(TWRC_SUCCESS, MemoryStrip(buffer, strip));
    EXPECT_EQ(10u, strip.YOffset);
}

TEST_F(MemoryTransfers, BufferOf128KiBCarriesSeventeenColorRowsAndTheLastTheRest) {
    // 2550 pixels of color: 7652 bytes a row; 300 rows.
    Page(4, 300, 0, 0, 100, 850);
    OpenAndEnable();
    std::vector<uint8_t> rows;
    std::vector<TW_IMAGEMEMXFER> strips;
    ASSERT_EQ(TWRC_XFERDONE, MemoryPage(131072, rows, strips));
    ASSERT_EQ(18u, strips.size());
    for (size_t i = 0; i + 1 < strips.size(); ++i) EXPECT_EQ(17u, strips[i].Rows) << i;
    EXPECT_EQ(300u - 17u * 17u, strips.back().Rows);
    EXPECT_EQ(7652u, strips[0].BytesPerRow);
    ExpectStrips(strips, 300);
}

TEST_F(MemoryTransfers, GlobalMemoryHandlesAreLockedAndFilled) {
    Page(4, 100);
    OpenAndEnable();
    const size_t bytes = static_cast<size_t>(RowBytes()) * 64;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    ASSERT_NE(nullptr, block);
    std::vector<uint8_t> rows;
    TW_UINT16 rc = TWRC_SUCCESS;
    while (rc == TWRC_SUCCESS) {
        TW_IMAGEMEMXFER strip{};
        strip.Memory.Flags = TWMF_APPOWNS | TWMF_HANDLE;
        strip.Memory.Length = static_cast<TW_UINT32>(bytes);
        strip.Memory.TheMem = block;
        rc = Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &strip);
        if (rc != TWRC_SUCCESS && rc != TWRC_XFERDONE) break;
        // The source unlocked the block again.
        EXPECT_EQ(0u, GlobalFlags(block) & GMEM_LOCKCOUNT);
        const auto* data = static_cast<const uint8_t*>(GlobalLock(block));
        ASSERT_NE(nullptr, data);
        rows.insert(rows.end(), data, data + strip.BytesWritten);
        GlobalUnlock(block);
    }
    EXPECT_EQ(TWRC_XFERDONE, rc);
    EXPECT_EQ("", FirstRowDifference(rows, ExpectedRows(Length()), RowBytes()));
    GlobalFree(block);
}

TEST_F(MemoryTransfers, WithEndOfPageDetectionTheRowsEndWithTheSheet) {
    Scanner("sheet_length=320\n");
    Page(2, 100);
    DetectEndOfPage();
    OpenAndEnable();
    std::vector<uint8_t> rows;
    std::vector<TW_IMAGEMEMXFER> strips;
    ASSERT_EQ(TWRC_XFERDONE, MemoryPage(static_cast<uint32_t>(RowBytes()) * 50, rows, strips));
    ExpectStrips(strips, 120);
    ScannedPage page = Expected(120);
    page.sheetLength = 320;
    EXPECT_EQ("", FirstRowDifference(rows, ExpectedScannerRows(page), RowBytes()));
    EXPECT_EQ(1u, ScannerCalls("IO_StartScanPage"));
    // The store is emptied after the last row.
    EXPECT_TRUE(TemporaryFiles().empty());
}

TEST_F(MemoryTransfers, NullBufferIsABadValueAndStartsNothing) {
    OpenAndEnable();
    TW_IMAGEMEMXFER strip{};
    strip.Memory.Flags = TWMF_APPOWNS | TWMF_POINTER;
    strip.Memory.Length = 65536;
    strip.Memory.TheMem = nullptr;
    EXPECT_EQ(TWRC_FAILURE, Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &strip));
    EXPECT_EQ(TWCC_BADVALUE, Condition());
    EXPECT_EQ(0u, ScannerCalls("IO_StartScanPage"));
    EXPECT_EQ(6, ProbeState());
    // Nothing was lost: a proper buffer gets the whole page.
    std::vector<uint8_t> rows;
    std::vector<TW_IMAGEMEMXFER> strips;
    EXPECT_EQ(TWRC_XFERDONE, MemoryPage(65536, rows, strips));
    EXPECT_EQ("", FirstRowDifference(rows, ExpectedRows(Length()), RowBytes()));
}

TEST_F(MemoryTransfers, HandleThatCannotBeLockedIsABadValue) {
    OpenAndEnable();
    // A discarded block keeps its handle but has no memory to lock.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DISCARDABLE, 65536);
    ASSERT_NE(nullptr, block);
    block = GlobalReAlloc(block, 0, GMEM_MOVEABLE);
    ASSERT_NE(nullptr, block);
    ASSERT_EQ(nullptr, GlobalLock(block));
    TW_IMAGEMEMXFER strip{};
    strip.Memory.Flags = TWMF_APPOWNS | TWMF_HANDLE;
    strip.Memory.Length = 65536;
    strip.Memory.TheMem = block;
    EXPECT_EQ(TWRC_FAILURE, Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &strip));
    EXPECT_EQ(TWCC_BADVALUE, Condition());
    EXPECT_EQ(0u, ScannerCalls("IO_StartScanPage"));
    EXPECT_EQ(6, ProbeState());
    GlobalFree(block);
}

TEST_F(MemoryTransfers, BufferShorterThanOneRowIsABadValueAndLosesNoRow) {
    Page(4, 100);
    OpenAndEnable();
    std::vector<uint8_t> tooShort(static_cast<size_t>(RowBytes()) - 1);
    TW_IMAGEMEMXFER strip;
    EXPECT_EQ(TWRC_FAILURE, MemoryStrip(tooShort, strip));
    EXPECT_EQ(TWCC_BADVALUE, Condition());
    EXPECT_EQ(0u, ScannerCalls("IO_StartScanPage"));

    // In the middle of the page too: the rows stay for the next buffer.
    std::vector<uint8_t> buffer(static_cast<size_t>(RowBytes()) * 30);
    std::vector<uint8_t> rows;
    ASSERT_EQ(TWRC_SUCCESS, MemoryStrip(buffer, strip));
    rows.insert(rows.end(), buffer.begin(), buffer.begin() + strip.BytesWritten);
    EXPECT_EQ(TWRC_FAILURE, MemoryStrip(tooShort, strip));
    EXPECT_EQ(TWCC_BADVALUE, Condition());
    EXPECT_EQ(7, ProbeState());
    std::vector<TW_IMAGEMEMXFER> strips;
    EXPECT_EQ(TWRC_XFERDONE, MemoryPage(static_cast<uint32_t>(buffer.size()), rows, strips));
    EXPECT_EQ(30u, strips.front().YOffset);
    EXPECT_EQ("", FirstRowDifference(rows, ExpectedRows(Length()), RowBytes()));
}

TEST_F(MemoryTransfers, SmallerLaterBufferGetsOnlyTheRowsItHolds) {
    Page(1, 100);
    OpenAndEnable();
    std::vector<uint8_t> large(static_cast<size_t>(RowBytes()) * 40);
    std::vector<uint8_t> small(static_cast<size_t>(RowBytes()) * 3 + 5);
    // Guard bytes right behind the rows that fit.
    TW_IMAGEMEMXFER strip;
    ASSERT_EQ(TWRC_SUCCESS, MemoryStrip(large, strip));
    std::fill(small.begin(), small.end(), 0xA5);
    ASSERT_EQ(TWRC_SUCCESS, MemoryStrip(small, strip));
    EXPECT_EQ(3u, strip.Rows);
    for (size_t i = small.size() - 5; i < small.size(); ++i) EXPECT_EQ(0xA5, small[i]);
}

TEST_F(MemoryTransfers, AfterTheLastStripAnotherCallIsASequenceError) {
    OpenAndEnable();
    std::vector<uint8_t> rows;
    std::vector<TW_IMAGEMEMXFER> strips;
    ASSERT_EQ(TWRC_XFERDONE, MemoryPage(65536, rows, strips));
    std::vector<uint8_t> buffer(65536);
    TW_IMAGEMEMXFER strip;
    EXPECT_EQ(TWRC_FAILURE, MemoryStrip(buffer, strip));
    EXPECT_EQ(TWCC_SEQERROR, Condition());
    EXPECT_EQ(1u, ScannerCalls("IO_StartScanPage"));
}

TEST_F(MemoryTransfers, AfterANativeTransferIsASequenceError) {
    OpenAndEnable();
    HGLOBAL dib = nullptr;
    ASSERT_EQ(TWRC_XFERDONE, NativeTransfer(dib));
    GlobalFree(dib);
    std::vector<uint8_t> buffer(65536);
    TW_IMAGEMEMXFER strip;
    EXPECT_EQ(TWRC_FAILURE, MemoryStrip(buffer, strip));
    EXPECT_EQ(TWCC_SEQERROR, Condition());
    EXPECT_EQ(1u, ScannerCalls("IO_StartScanPage"));
}

}  // namespace
