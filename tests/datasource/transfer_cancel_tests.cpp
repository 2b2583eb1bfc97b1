// The progress windows of the transfers, shown with CAP_INDICATORS on: the
// application's window is disabled behind them, and Cancel ends the transfer
// without a message.
#include "tests/datasource/transfer_session.h"

#include "tests/datasource/progress_window_finder.h"
#include "support/png_file.h"

#include <string>

namespace {


class TransferCancel : public TransferSession {
protected:
    // A page long enough that the progress window pumps many times.
    void LongPage(int mode) {
        Page(mode, 300, 0, 0, 1100, 850);
        Scanner(kSlowBlocks);
    }

    // After a cancel: no condition, nothing pending, no window left behind.
    void ExpectCancelled(int state) {
        EXPECT_EQ(TWCC_SUCCESS, Condition());
        TW_UINT16 count = 0xBEEF;
        EXPECT_EQ(TWRC_SUCCESS, PendingCount(count));
        EXPECT_EQ(0, count);
        EXPECT_EQ(nullptr, FindProgressWindow());
        EXPECT_TRUE(IsWindowEnabled(window_.Handle()));
        EXPECT_EQ(state, ProbeState());
        EXPECT_TRUE(TemporaryFiles().empty());
    }
};

TEST_F(TransferCancel, MemoryTransferShowsTheGrowingPageOverADisabledWindow) {
    Page(4, 100);
    OpenAndEnable(true);
    std::vector<uint8_t> buffer(static_cast<size_t>(RowBytes()) * 100);
    TW_IMAGEMEMXFER strip;
    ASSERT_EQ(TWRC_SUCCESS, MemoryStrip(buffer, strip));
    HWND progress = FindProgressWindow();
    ASSERT_NE(nullptr, progress);
    EXPECT_EQ(window_.Handle(), GetWindow(progress, GW_OWNER));
    EXPECT_FALSE(IsWindowEnabled(window_.Handle()));
    char caption[64] = {};
    GetWindowTextA(progress, caption, sizeof caption);
    EXPECT_STREQ("Tavix Scanner", caption);
    // The application's loop runs between two strips; the window paints then.
    for (int i = 0; i < 20; ++i) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
    EXPECT_TRUE(SaveWindowPng(progress, ScreenshotPath("memory_transfer_progress.png")));

    std::vector<uint8_t> rows(buffer.begin(), buffer.begin() + strip.BytesWritten);
    std::vector<TW_IMAGEMEMXFER> strips;
    ASSERT_EQ(TWRC_XFERDONE, MemoryPage(static_cast<uint32_t>(buffer.size()), rows, strips));
    // The window goes with the last row.
    EXPECT_EQ(nullptr, FindProgressWindow());
    EXPECT_TRUE(IsWindowEnabled(window_.Handle()));
    EXPECT_EQ("", FirstRowDifference(rows, ExpectedRows(Length()), RowBytes()));
}

TEST_F(TransferCancel, CancelInAMemoryTransferAsksToBeClosed) {
    Page(1, 100);
    OpenAndEnable(true);
    std::vector<uint8_t> buffer(static_cast<size_t>(RowBytes()) * 20);
    TW_IMAGEMEMXFER strip;
    ASSERT_EQ(TWRC_SUCCESS, MemoryStrip(buffer, strip));
    HWND progress = FindProgressWindow();
    ASSERT_NE(nullptr, progress);
    PressCancel(progress);
    EXPECT_EQ(TWRC_CANCEL, MemoryStrip(buffer, strip));
    EXPECT_EQ(std::vector<WPARAM>{MSG_CLOSEDSREQ}, Notifications());
    // The sheet went out with the cancel.
    EXPECT_EQ(1u, ScannerCalls("IO_FeedPage"));
    ExpectCancelled(7);
    TW_UINT16 count = 0xBEEF;
    EXPECT_EQ(TWRC_SUCCESS, EndTransfer(count));
    EXPECT_EQ(0, count);
    EXPECT_EQ(5, ProbeState());
}

TEST_F(TransferCancel, CancelWhileTheSheetIsReadForItsEndCancelsTheMemoryTransfer) {
    LongPage(1);
    DetectEndOfPage();
    OpenAndEnable(true);
    std::vector<uint8_t> buffer(65536);
    TW_IMAGEMEMXFER strip;
    WhenProgressShows canceller;
    EXPECT_EQ(TWRC_CANCEL, MemoryStrip(buffer, strip));
    EXPECT_TRUE(canceller.Pressed());
    EXPECT_EQ(std::vector<WPARAM>{MSG_CLOSEDSREQ}, Notifications());
    ExpectCancelled(6);
}

TEST_F(TransferCancel, CancelInANativeTransferDeliversNoBlock) {
    LongPage(1);
    OpenAndEnable(true);
    HGLOBAL dib = nullptr;
    WhenProgressShows canceller;
    EXPECT_EQ(TWRC_CANCEL, NativeTransfer(dib));
    EXPECT_TRUE(canceller.Pressed());
    EXPECT_EQ(nullptr, dib);
    ExpectCancelled(6);
    TW_UINT16 count = 0xBEEF;
    EXPECT_EQ(TWRC_SUCCESS, EndTransfer(count));
    EXPECT_EQ(0, count);
    EXPECT_EQ(5, ProbeState());
}

TEST_F(TransferCancel, CancelInAFileTransferLeavesNoFile) {
    LongPage(4);
    OpenAndEnable(true);
    const std::string path = temp_.File("cancelled.bmp");
    ASSERT_EQ(TWRC_SUCCESS, SetFileName(path));
    WhenProgressShows canceller;
    EXPECT_EQ(TWRC_CANCEL, FileTransfer());
    EXPECT_TRUE(canceller.Pressed());
    EXPECT_FALSE(FileExists(path));
    ExpectCancelled(6);
}

TEST_F(TransferCancel, EndingTheTransfersClosesAMemoryTransferLeftHalfWay) {
    Page(1, 100);
    OpenAndEnable(true);
    std::vector<uint8_t> buffer(static_cast<size_t>(RowBytes()) * 20);
    TW_IMAGEMEMXFER strip;
    ASSERT_EQ(TWRC_SUCCESS, MemoryStrip(buffer, strip));
    ASSERT_NE(nullptr, FindProgressWindow());
    TW_UINT16 count = 0xBEEF;
    EXPECT_EQ(TWRC_SUCCESS, EndTransfer(count));
    EXPECT_EQ(0, count);
    EXPECT_EQ(nullptr, FindProgressWindow());
    EXPECT_TRUE(IsWindowEnabled(window_.Handle()));
    EXPECT_EQ(5, ProbeState());
}

}  // namespace
