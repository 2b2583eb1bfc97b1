// DG_IMAGE / DAT_IMAGENATIVEXFER: the page as a packed DIB in a global memory
// block that the application owns and frees.
#include "tests/datasource/transfer_session.h"

#include "framework/global_block.h"

#include <string>

namespace {

class NativeTransfers : public TransferSession {
protected:
    // Checks the block against the bitmap of `length` lines and frees it.
    void ExpectPage(HGLOBAL dib, int mode, int32_t length) {
        ASSERT_NE(nullptr, dib);
        const int entries = mode == 1 ? 256 : mode == 4 ? 0 : 2;
        const size_t header = 40 + 4 * static_cast<size_t>(entries);
        const size_t pixels = static_cast<size_t>(RowBytes()) * length;
        {
            GlobalBlockLock lock(dib);
            ASSERT_TRUE(lock);
            // The bitmap file without its 14-byte file header.
            ASSERT_EQ(header + pixels, lock.Size());
            const auto& info = *reinterpret_cast<const BITMAPINFOHEADER*>(lock.Bytes());
            EXPECT_EQ(40u, info.biSize);
            EXPECT_EQ(Width(), info.biWidth);
            EXPECT_EQ(length, info.biHeight);
            EXPECT_EQ(1, info.biPlanes);
            EXPECT_EQ(BitsOfMode(mode), info.biBitCount);
            EXPECT_EQ(static_cast<DWORD>(BI_RGB), info.biCompression);
            EXPECT_EQ(pixels, info.biSizeImage);
            EXPECT_EQ(static_cast<DWORD>(entries), info.biClrUsed);
            const auto* palette = reinterpret_cast<const RGBQUAD*>(lock.Bytes() + 40);
            if (mode == 2) {
                EXPECT_EQ(0, palette[0].rgbRed);
                EXPECT_EQ(255, palette[1].rgbRed);
            }
            const std::vector<uint8_t> expected =
                AsBitmapRows(ExpectedRows(length), mode, Width(), RowBytes());
            EXPECT_EQ("", FirstRowDifference(BytesFrom(lock.Bytes(), lock.Size(), header), expected,
                                             RowBytes()));
        }
        EXPECT_EQ(nullptr, GlobalFree(dib));
    }
};

class NativeTransferModes : public NativeTransfers, public testing::WithParamInterface<int> {};

TEST_P(NativeTransferModes, HandsOverTheScannedPageBottomUp) {
    const int mode = GetParam();
    Page(mode, 100);
    OpenAndEnable();
    MessageBoxWatcher watcher;
    HGLOBAL dib = nullptr;
    EXPECT_EQ(TWRC_XFERDONE, NativeTransfer(dib));
    ExpectPage(dib, mode, Length());
    EXPECT_EQ(7, ProbeState());
    // Written straight from the scanner; the scan is ended afterwards.
    EXPECT_EQ(1u, ScannerCalls("IO_StartScanPage"));
    EXPECT_EQ(1u, ScannerCalls("IO_EndScan"));
    EXPECT_EQ(1u, ScannerCalls("IO_FeedPage"));
    EXPECT_TRUE(Messages(watcher).empty());
    EXPECT_TRUE(TemporaryFiles().empty());

    TW_UINT16 count = 0xBEEF;
    EXPECT_EQ(TWRC_SUCCESS, EndTransfer(count));
    EXPECT_EQ(0, count);
    EXPECT_EQ(5, ProbeState());
}

INSTANTIATE_TEST_SUITE_P(Modes, NativeTransferModes, testing::Values(2, 1, 4),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(info.param == 1   ? "Gray"
                                                : info.param == 4 ? "Color"
                                                                  : "BlackAndWhite");
                         });

TEST_F(NativeTransfers, BlockStartsWithTheInfoHeaderOfAFullWidthPage) {
    Page(2, 300, 0, 0, 100, 850);
    OpenAndEnable();
    HGLOBAL dib = nullptr;
    ASSERT_EQ(TWRC_XFERDONE, NativeTransfer(dib));
    ASSERT_NE(nullptr, dib);
    {
        GlobalBlockLock lock(dib);
        ASSERT_TRUE(lock);
        EXPECT_EQ(40u, *reinterpret_cast<const uint32_t*>(lock.Bytes()));
        // 2550 pixels of 1 bit: 320 bytes a row; 62-byte file header and
        // palette less the 14 bytes of the file header.
        EXPECT_EQ(48u + 320u * 300u, lock.Size());
    }
    GlobalFree(dib);
}

TEST_F(NativeTransfers, WithEndOfPageDetectionTheBitmapIsAsLongAsTheSheet) {
    Scanner("sheet_length=320\n");
    Page(1, 100);
    DetectEndOfPage();
    OpenAndEnable();
    TW_IMAGEINFO info{};
    ASSERT_EQ(TWRC_SUCCESS, ImageInfo(info));
    EXPECT_EQ(120, info.ImageLength);
    HGLOBAL dib = nullptr;
    EXPECT_EQ(TWRC_XFERDONE, NativeTransfer(dib));
    ScannedPage page = Expected(120);
    page.sheetLength = 320;
    {
        GlobalBlockLock lock(dib);
        ASSERT_TRUE(lock);
        const auto& header = *reinterpret_cast<const BITMAPINFOHEADER*>(lock.Bytes());
        EXPECT_EQ(120, header.biHeight);
        EXPECT_EQ("", FirstRowDifference(BytesFrom(lock.Bytes(), lock.Size(), 40 + 1024),
                                         AsBitmapRows(ExpectedScannerRows(page), 1, Width(), RowBytes()),
                                         RowBytes()));
    }
    GlobalFree(dib);
    // The sheet was read once, for the image information; the bitmap came
    // from the page store, so the scan is not ended a second time.
    EXPECT_EQ(1u, ScannerCalls("IO_StartScanPage"));
    EXPECT_EQ(0u, ScannerCalls("IO_EndScan"));
    EXPECT_TRUE(TemporaryFiles().empty());
}

TEST_F(NativeTransfers, ASecondTransferInStateSevenIsASequenceError) {
    OpenAndEnable();
    HGLOBAL dib = nullptr;
    ASSERT_EQ(TWRC_XFERDONE, NativeTransfer(dib));
    GlobalFree(dib);
    HGLOBAL second = nullptr;
    EXPECT_EQ(TWRC_FAILURE, NativeTransfer(second));
    EXPECT_EQ(TWCC_SEQERROR, Condition());
    // Refused before anything was touched.
    EXPECT_EQ(reinterpret_cast<HGLOBAL>(static_cast<uintptr_t>(0x5A5A5A5A)), second);
    EXPECT_EQ(7, ProbeState());
}

TEST_F(NativeTransfers, BeforeAPageIsReadyIsASequenceError) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    HGLOBAL dib = nullptr;
    EXPECT_EQ(TWRC_FAILURE, NativeTransfer(dib));
    EXPECT_EQ(TWCC_SEQERROR, Condition());
    EXPECT_EQ(0u, ScannerCalls("IO_StartScanPage"));
}

}  // namespace
