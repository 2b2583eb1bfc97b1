// DAT_SETUPMEMXFER and DAT_SETUPFILEXFER: the buffer sizes of a memory
// transfer and the name and format of a file transfer.
#include "tests/datasource/transfer_session.h"

#include <cstring>
#include <string>

namespace {

class SetupTransfers : public TransferSession {
protected:
    TW_SETUPMEMXFER MemorySetup(TW_UINT16 expected = TWRC_SUCCESS) {
        TW_SETUPMEMXFER setup{0xEEEEEEEE, 0xEEEEEEEE, 0xEEEEEEEE};
        EXPECT_EQ(expected, Call(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup));
        return setup;
    }
    TW_UINT16 FileSetup(TW_UINT16 msg, TW_SETUPFILEXFER& setup) {
        std::memset(&setup, 0x77, sizeof setup);
        return Call(DG_CONTROL, DAT_SETUPFILEXFER, msg, &setup);
    }
    // The row size a memory transfer reports for the page set up; the
    // buffer is too short for a whole page of the tests.
    TW_UINT32 MemoryRowBytes() {
        std::vector<uint8_t> buffer(16384);
        TW_IMAGEMEMXFER strip;
        EXPECT_EQ(TWRC_SUCCESS, MemoryStrip(buffer, strip));
        return strip.BytesPerRow;
    }
};

TEST_F(SetupTransfers, MemoryBuffersBeforeAPageAreFixed) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    const TW_SETUPMEMXFER setup = MemorySetup();
    EXPECT_EQ(16384u, setup.MinBufSize);
    EXPECT_EQ(131072u, setup.MaxBufSize);
    EXPECT_EQ(131072u, setup.Preferred);
}

TEST_F(SetupTransfers, MemoryBuffersInStateFiveAreFixed) {
    OpenAndEnable();
    TW_UINT16 count = 0;
    ASSERT_EQ(TWRC_SUCCESS, EndTransfer(count));
    ASSERT_EQ(5, ProbeState());
    const TW_SETUPMEMXFER setup = MemorySetup();
    EXPECT_EQ(16384u, setup.MinBufSize);
    EXPECT_EQ(131072u, setup.MaxBufSize);
    EXPECT_EQ(131072u, setup.Preferred);
}

TEST_F(SetupTransfers, MemoryBuffersForAPageHoldWholeRows) {
    // 2550 color pixels: 7652 bytes a row; 17 rows make one block.
    Page(4, 300, 0, 0, 1100, 850);
    OpenAndEnable();
    const TW_SETUPMEMXFER setup = MemorySetup();
    EXPECT_EQ(7652u * 2u, setup.MinBufSize);
    EXPECT_EQ(7652u * 17u, setup.MaxBufSize);
    EXPECT_EQ(7652u * 17u, setup.Preferred);
}

TEST_F(SetupTransfers, MemoryBuffersForShortRowsAreAtLeast16KiB) {
    // 841 gray pixels: 844 bytes a row; 50 rows (half an inch) make a block.
    Page(1, 100);
    OpenAndEnable();
    const TW_SETUPMEMXFER setup = MemorySetup();
    EXPECT_EQ(844u * 19u, setup.MinBufSize);
    EXPECT_EQ(844u * 50u, setup.MaxBufSize);
    EXPECT_EQ(844u * 50u, setup.Preferred);
}

TEST_F(SetupTransfers, MemoryBuffersForNarrowRowsNeverMaxBelowMin) {
    // Black-and-white Letter: 80, 108 and 152 bytes a row at 75, 100 and
    // 150 dpi, whose half-inch blocks are smaller than 16 KiB.
    const std::pair<int, TW_UINT32> resolutions[] = {{75, 80}, {100, 108}, {150, 160}};
    for (const auto& [dpi, rowBytes] : resolutions) {
        Page(2, dpi, 0, 0, 1100, 850);
        OpenAndEnable();
        const TW_SETUPMEMXFER setup = MemorySetup();
        EXPECT_EQ(rowBytes * (16384 / rowBytes), setup.MinBufSize) << dpi;
        EXPECT_EQ(setup.MinBufSize, setup.MaxBufSize) << dpi;
        EXPECT_EQ(setup.MinBufSize, setup.Preferred) << dpi;
        // A buffer of the minimum carries whole rows, as many as it holds.
        std::vector<uint8_t> buffer(setup.MinBufSize);
        TW_IMAGEMEMXFER strip;
        ASSERT_EQ(TWRC_SUCCESS, MemoryStrip(buffer, strip)) << dpi;
        EXPECT_EQ(rowBytes, strip.BytesPerRow) << dpi;
        EXPECT_EQ(16384 / rowBytes, strip.Rows) << dpi;
        TW_PENDINGXFERS pending{};
        ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending));
        ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui_));
        ASSERT_EQ(TWRC_SUCCESS, Close());
        Notifications();
    }
}

TEST_F(SetupTransfers, MemoryBuffersInStateSevenAreASequenceError) {
    OpenAndEnable();
    ASSERT_GT(MemoryRowBytes(), 0u);
    MemorySetup(TWRC_FAILURE);
    EXPECT_EQ(TWCC_SEQERROR, Condition());
}

TEST_F(SetupTransfers, RowSizesOfAFullWidthPage) {
    // 2550 pixels: 320 bytes of 1 bit, 2552 of gray, 7652 of color.
    const std::pair<int, TW_UINT32> modes[] = {{2, 320}, {1, 2552}, {4, 7652}};
    for (const auto& [mode, bytes] : modes) {
        Page(mode, 300, 0, 0, 100, 850);
        OpenAndEnable();
        EXPECT_EQ(bytes, MemoryRowBytes()) << mode;
        TW_PENDINGXFERS pending{};
        ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending));
        ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui_));
        ASSERT_EQ(TWRC_SUCCESS, Close());
        Notifications();
    }
}

TEST_F(SetupTransfers, FileNameStartsAsTwainBmp) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    TW_SETUPFILEXFER setup;
    ASSERT_EQ(TWRC_SUCCESS, FileSetup(MSG_GET, setup));
    EXPECT_STREQ("TWAIN.BMP", setup.FileName);
    EXPECT_EQ(TWFF_BMP, setup.Format);
    EXPECT_EQ(0, setup.VRefNum);
    ASSERT_EQ(TWRC_SUCCESS, FileSetup(MSG_GETDEFAULT, setup));
    EXPECT_STREQ("TWAIN.BMP", setup.FileName);
    EXPECT_EQ(TWFF_BMP, setup.Format);
    EXPECT_EQ(0, setup.VRefNum);
}

TEST_F(SetupTransfers, SetNameIsReportedBackAndTheDefaultStays) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    TW_SETUPFILEXFER set{};
    std::strcpy(set.FileName, "C:\\scans\\page one.bmp");
    set.Format = TWFF_BMP;
    set.VRefNum = 123;
    ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &set));
    TW_SETUPFILEXFER setup;
    ASSERT_EQ(TWRC_SUCCESS, FileSetup(MSG_GET, setup));
    EXPECT_STREQ("C:\\scans\\page one.bmp", setup.FileName);
    // The rest of the field is cleared, not left as it was.
    for (size_t i = std::strlen(setup.FileName); i < sizeof setup.FileName; ++i)
        EXPECT_EQ(0, setup.FileName[i]) << i;
    EXPECT_EQ(0, setup.VRefNum);
    ASSERT_EQ(TWRC_SUCCESS, FileSetup(MSG_GETDEFAULT, setup));
    EXPECT_STREQ("TWAIN.BMP", setup.FileName);
}

TEST_F(SetupTransfers, FormatOtherThanBmpIsRefusedAndTheNameKept) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, SetFileName("first.bmp"));
    TW_SETUPFILEXFER set{};
    std::strcpy(set.FileName, "second.tif");
    set.Format = TWFF_TIFF;
    EXPECT_EQ(TWRC_FAILURE, Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &set));
    EXPECT_EQ(TWCC_BADVALUE, Condition());
    TW_SETUPFILEXFER setup;
    ASSERT_EQ(TWRC_SUCCESS, FileSetup(MSG_GET, setup));
    EXPECT_STREQ("first.bmp", setup.FileName);
}

TEST_F(SetupTransfers, NameWithoutATerminatorIsRefusedAndTheNameKept) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, SetFileName("kept.bmp"));
    TW_SETUPFILEXFER set;
    std::memset(set.FileName, 'N', sizeof set.FileName);
    set.Format = TWFF_BMP;
    set.VRefNum = 0x4141;  // would read on as "AA" without a bound
    EXPECT_EQ(TWRC_FAILURE, Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &set));
    EXPECT_EQ(TWCC_BADVALUE, Condition());
    TW_SETUPFILEXFER setup;
    ASSERT_EQ(TWRC_SUCCESS, FileSetup(MSG_GET, setup));
    EXPECT_STREQ("kept.bmp", setup.FileName);
}

TEST_F(SetupTransfers, LongestNameComesBackTerminatedWithinTheField) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    TW_SETUPFILEXFER set;
    std::memset(set.FileName, 'N', sizeof set.FileName);
    set.FileName[255] = '\0';
    set.Format = TWFF_BMP;
    set.VRefNum = 0x4141;
    ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &set));
    TW_SETUPFILEXFER setup;
    ASSERT_EQ(TWRC_SUCCESS, FileSetup(MSG_GET, setup));
    EXPECT_EQ(std::string(255, 'N') + '\0', std::string(setup.FileName, sizeof setup.FileName));
    EXPECT_EQ(TWFF_BMP, setup.Format);
    EXPECT_EQ(0, setup.VRefNum);
}

TEST_F(SetupTransfers, ResetRestoresTheDefaultNameInStateFourOnly) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, SetFileName("elsewhere.bmp"));
    TW_SETUPFILEXFER setup;
    ASSERT_EQ(TWRC_SUCCESS, FileSetup(MSG_RESET, setup));
    EXPECT_STREQ("TWAIN.BMP", setup.FileName);
    EXPECT_EQ(TWFF_BMP, setup.Format);
    ASSERT_EQ(TWRC_SUCCESS, FileSetup(MSG_GET, setup));
    EXPECT_STREQ("TWAIN.BMP", setup.FileName);

    ASSERT_EQ(TWRC_SUCCESS, SetFileName("elsewhere.bmp"));
    ASSERT_EQ(TWRC_SUCCESS, SetIndicators(false));
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    EXPECT_EQ(TWRC_FAILURE, FileSetup(MSG_RESET, setup));
    EXPECT_EQ(TWCC_SEQERROR, Condition());
    // Setting and reading it still work with a page ready.
    ASSERT_EQ(TWRC_SUCCESS, SetFileName("page six.bmp"));
    ASSERT_EQ(TWRC_SUCCESS, FileSetup(MSG_GET, setup));
    EXPECT_STREQ("page six.bmp", setup.FileName);
}

TEST_F(SetupTransfers, FileSetupInStateSevenIsASequenceError) {
    OpenAndEnable();
    HGLOBAL dib = nullptr;
    ASSERT_EQ(TWRC_XFERDONE, NativeTransfer(dib));
    GlobalFree(dib);
    TW_SETUPFILEXFER setup;
    EXPECT_EQ(TWRC_FAILURE, FileSetup(MSG_GET, setup));
    EXPECT_EQ(TWCC_SEQERROR, Condition());
}

}  // namespace
