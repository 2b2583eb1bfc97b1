// Scanner faults during a transfer: the message over the application's
// window, then the codes, the state and what is left pending.
#include "support/png_file.h"
#include "tests/datasource/transfer_session.h"

#include "tests/datasource/message_box_probe.h"
#include "tests/datasource/module_alloc_limit.h"

#include <string>

namespace {


class TransferFault : public TransferSession {
protected:
    // One message with `text`, captioned and owned like every message of a scan.
    static void ExpectOneMessage(const MessageBoxWatcher& watcher, const char* text) {
        const std::vector<SeenMessageBox> boxes = Messages(watcher);
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ(text, boxes[0].text);
        EXPECT_EQ("Tavix Scanner", boxes[0].caption);
        EXPECT_TRUE(boxes[0].hasOwner);
    }
    // A failed transfer: TWCC_OPERATIONERROR, nothing pending, `state`.
    void ExpectFailed(int state) {
        EXPECT_EQ(TWCC_OPERATIONERROR, Condition());
        TW_UINT16 count = 0xBEEF;
        EXPECT_EQ(TWRC_SUCCESS, PendingCount(count));
        EXPECT_EQ(0, count);
        EXPECT_EQ(state, ProbeState());
        EXPECT_TRUE(IsWindowEnabled(window_.Handle()));
        EXPECT_TRUE(TemporaryFiles().empty());
    }
};

TEST_F(TransferFault, BlockReadFailureInANativeTransfer) {
    Scanner("block_fails_after_rows=60\n");
    OpenAndEnable();
    MessageBoxWatcher watcher;
    HGLOBAL dib = nullptr;
    EXPECT_EQ(TWRC_FAILURE, NativeTransfer(dib));
    ExpectOneMessage(watcher, kScannerNotReadyText);
    EXPECT_EQ(nullptr, dib);
    ExpectFailed(6);
    // The sheet was ejected and the scan ended.
    EXPECT_EQ(1u, ScannerCalls("IO_FeedPage"));
    EXPECT_EQ(1u, ScannerCalls("IO_EndScan"));
}

TEST_F(TransferFault, PageStartFailureInANativeTransfer) {
    Scanner("page_start_fails=1\n");
    OpenAndEnable();
    MessageBoxWatcher watcher;
    HGLOBAL dib = nullptr;
    EXPECT_EQ(TWRC_FAILURE, NativeTransfer(dib));
    ExpectOneMessage(watcher, kScannerNotReadyText);
    EXPECT_EQ(nullptr, dib);
    ExpectFailed(6);
    EXPECT_EQ(0u, ScannerCalls("IO_GetImageBlock"));
}

TEST_F(TransferFault, MessageOfANativeTransferShowsTheExclamationIcon) {
    Scanner("page_start_fails=1\n");
    OpenAndEnable();
    MessageBoxProbe probe(ScreenshotPath("native_transfer_scanner_error.png"));
    HGLOBAL dib = nullptr;
    EXPECT_EQ(TWRC_FAILURE, NativeTransfer(dib));
    probe.Finish();
    ASSERT_TRUE(probe.Seen());
    EXPECT_EQ(LoadIconA(nullptr, IDI_EXCLAMATION), probe.Icon());
}

TEST_F(TransferFault, PageStartFailureWithEndOfPageDetectionIsNotRetried) {
    Scanner("page_start_fails=1\n");
    DetectEndOfPage();
    OpenAndEnable();
    MessageBoxWatcher watcher;
    HGLOBAL dib = nullptr;
    EXPECT_EQ(TWRC_FAILURE, NativeTransfer(dib));
    ExpectOneMessage(watcher, kScannerNotReadyText);
    EXPECT_EQ(TWCC_OPERATIONERROR, Condition());
    // The failed read of the sheet is remembered: the image information
    // does not try again.
    TW_IMAGEINFO info{};
    EXPECT_EQ(TWRC_SUCCESS, ImageInfo(info));
    EXPECT_EQ(1u, ScannerCalls("IO_StartScanPage"));
}

TEST_F(TransferFault, BlockReadFailureInAFileTransfer) {
    Scanner("block_fails_after_rows=0\n");
    Page(4, 100);
    OpenAndEnable();
    const std::string path = temp_.File("page.bmp");
    ASSERT_EQ(TWRC_SUCCESS, SetFileName(path));
    MessageBoxWatcher watcher;
    EXPECT_EQ(TWRC_FAILURE, FileTransfer());
    ExpectOneMessage(watcher, kScannerNotReadyText);
    ExpectFailed(6);
    EXPECT_FALSE(FileExists(path));
}

TEST_F(TransferFault, PageStartFailureInAFileTransfer) {
    Scanner("page_start_fails=1\n");
    OpenAndEnable();
    const std::string path = temp_.File("page.bmp");
    ASSERT_EQ(TWRC_SUCCESS, SetFileName(path));
    MessageBoxWatcher watcher;
    EXPECT_EQ(TWRC_FAILURE, FileTransfer());
    ExpectOneMessage(watcher, kScannerNotReadyText);
    ExpectFailed(6);
    EXPECT_FALSE(FileExists(path));
}

TEST_F(TransferFault, PageStartFailureInAMemoryTransferAsksToBeClosed) {
    Scanner("page_start_fails=1\n");
    OpenAndEnable();
    MessageBoxWatcher watcher;
    std::vector<uint8_t> buffer(65536);
    TW_IMAGEMEMXFER strip;
    EXPECT_EQ(TWRC_FAILURE, MemoryStrip(buffer, strip));
    ExpectOneMessage(watcher, kScannerNotReadyText);
    EXPECT_EQ(std::vector<WPARAM>{MSG_CLOSEDSREQ}, Notifications());
    ExpectFailed(6);
    TW_UINT16 count = 0xBEEF;
    EXPECT_EQ(TWRC_SUCCESS, EndTransfer(count));
    EXPECT_EQ(0, count);
    EXPECT_EQ(5, ProbeState());
}

TEST_F(TransferFault, BlockReadFailureInTheMiddleOfAMemoryTransfer) {
    Scanner("block_fails_after_rows=40\n");
    Page(1, 100);
    OpenAndEnable();
    std::vector<uint8_t> buffer(static_cast<size_t>(RowBytes()) * 40);
    TW_IMAGEMEMXFER strip;
    ASSERT_EQ(TWRC_SUCCESS, MemoryStrip(buffer, strip));
    ASSERT_EQ(40u, strip.Rows);
    MessageBoxWatcher watcher;
    EXPECT_EQ(TWRC_FAILURE, MemoryStrip(buffer, strip));
    ExpectOneMessage(watcher, kScannerNotReadyText);
    EXPECT_EQ(std::vector<WPARAM>{MSG_CLOSEDSREQ}, Notifications());
    // A failure leaves the state as it was.
    ExpectFailed(7);
    EXPECT_EQ(1u, ScannerCalls("IO_FeedPage"));
    // The transfer is over: a further strip is refused.
    EXPECT_EQ(TWRC_FAILURE, MemoryStrip(buffer, strip));
    EXPECT_EQ(TWCC_SEQERROR, Condition());
}

TEST_F(TransferFault, BlockReadFailureWhileTheSheetIsReadForItsEnd) {
    Scanner("block_fails_after_rows=30\n");
    DetectEndOfPage();
    OpenAndEnable();
    MessageBoxWatcher watcher;
    std::vector<uint8_t> buffer(65536);
    TW_IMAGEMEMXFER strip;
    EXPECT_EQ(TWRC_FAILURE, MemoryStrip(buffer, strip));
    ExpectOneMessage(watcher, kScannerNotReadyText);
    EXPECT_EQ(std::vector<WPARAM>{MSG_CLOSEDSREQ}, Notifications());
    ExpectFailed(6);
}

TEST_F(TransferFault, NativeBlockThatCannotBeAllocatedIsLowMemory) {
    Page(4, 100);
    OpenAndEnable();
    // The bitmap's header is written; the block of the whole page is refused.
    ModuleAllocLimit limit(GetModuleHandleA("TAVIXSRC.ds"), 64 * 1024);
    ASSERT_TRUE(limit.Active());
    MessageBoxWatcher watcher;
    HGLOBAL dib = nullptr;
    EXPECT_EQ(TWRC_FAILURE, NativeTransfer(dib));
    EXPECT_EQ(nullptr, dib);
    EXPECT_EQ(1, limit.Refused());
    ExpectOneMessage(watcher, "Scan aborted because not enough memory is available.");
    EXPECT_EQ(TWCC_LOWMEMORY, Condition());
    TW_UINT16 count = 0xBEEF;
    EXPECT_EQ(TWRC_SUCCESS, PendingCount(count));
    EXPECT_EQ(0, count);
    EXPECT_EQ(6, ProbeState());
    // The bitmap file went with the failure.
    EXPECT_TRUE(TemporaryFiles().empty());
}

TEST_F(TransferFault, NativeTransferWithoutATemporaryFolderIsAFileError) {
    OpenAndEnable();
    ScopedTempPath missing(temp_.File("no such folder\\"));
    MessageBoxWatcher watcher;
    HGLOBAL dib = nullptr;
    EXPECT_EQ(TWRC_FAILURE, NativeTransfer(dib));
    ExpectOneMessage(watcher, kFileErrorText);
    EXPECT_EQ(TWCC_OPERATIONERROR, Condition());
    EXPECT_EQ(6, ProbeState());
    // Nothing was read from the scanner.
    EXPECT_EQ(0u, ScannerCalls("IO_StartScanPage"));
}

TEST_F(TransferFault, MemoryTransferWithoutATemporaryFolderForTheSheetIsAFileError) {
    DetectEndOfPage();
    OpenAndEnable();
    ScopedTempPath missing(temp_.File("no such folder\\"));
    MessageBoxWatcher watcher;
    std::vector<uint8_t> buffer(65536);
    TW_IMAGEMEMXFER strip;
    EXPECT_EQ(TWRC_FAILURE, MemoryStrip(buffer, strip));
    ExpectOneMessage(watcher, kFileErrorText);
    EXPECT_EQ(TWCC_OPERATIONERROR, Condition());
    EXPECT_EQ(std::vector<WPARAM>{MSG_CLOSEDSREQ}, Notifications());
}

}  // namespace
