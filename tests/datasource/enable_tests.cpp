// Enabling without the dialog, the failures of the scanner at that moment,
// and disabling.
#include "support/png_file.h"
#include "support/message_box_watcher.h"
#include "tests/datasource/enabled_source.h"
#include "tests/datasource/message_box_probe.h"

#include <string>

namespace {

const char kScannerNotReady[] = "The scan was aborted because the scanner is not powered on";


class Enable : public EnabledSource {};

TEST_F(Enable, WithoutUiGoesStraightToStateSixAndAnnouncesThePage) {
    MessageBoxWatcher watcher;
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ui_.ModalUI = 0x5A;
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    EXPECT_EQ(0x5A, ui_.ModalUI);
    EXPECT_EQ(std::vector<WPARAM>{MSG_XFERREADY}, Notifications());

    TW_UINT16 count = 0;
    EXPECT_EQ(TWRC_SUCCESS, PendingCount(count));
    EXPECT_EQ(1, count);
    TW_IMAGEINFO info{};
    ASSERT_EQ(TWRC_SUCCESS, ImageInfo(info));
    // The profile's defaults: black and white, 300 dpi, the letter frame.
    EXPECT_EQ(2550, info.ImageWidth);
    EXPECT_EQ(3300, info.ImageLength);
    EXPECT_EQ(6, ProbeState());

    // The scan was started and measured; no row is read before a transfer.
    EXPECT_EQ(1u, ScannerCalls("IO_StartScan"));
    EXPECT_EQ(1u, ScannerCalls("IO_GetPageDimension"));
    EXPECT_EQ(0u, ScannerCalls("IO_StartScanPage"));
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(Enable, EachEnableCountsOnePageWhateverWasPendingBefore) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    TW_UINT16 count = 0xBEEF;
    EXPECT_EQ(TWRC_SUCCESS, PendingCount(count));
    EXPECT_EQ(0, count);
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    EXPECT_EQ(TWRC_SUCCESS, PendingCount(count));
    EXPECT_EQ(1, count);
}

TEST_F(Enable, InAnyStateButFourIsASequenceError) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    EXPECT_EQ(TWRC_FAILURE, EnableWithoutUi());
    EXPECT_EQ(TWCC_SEQERROR, Condition());
    EXPECT_EQ(1u, ScannerCalls("IO_StartScan"));
    EXPECT_EQ(6, ProbeState());
}

TEST_F(Enable, ParentThatIsNoWindowIsRefusedBeforeTheScannerIsTouched) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    HWND gone = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, gone);
    DestroyWindow(gone);
    ui_.hParent = gone;
    EXPECT_EQ(TWRC_FAILURE, EnableWithoutUi());
    EXPECT_EQ(TWCC_BADVALUE, Condition());
    EXPECT_EQ(0u, ScannerCalls("IO_StartScan"));
    EXPECT_EQ(4, ProbeState());
}

TEST_F(Enable, ScannerThatCannotBeOpenedShowsTheMessageWithoutOwner) {
    Scanner("open_fails=1\n");
    ASSERT_EQ(TWRC_SUCCESS, Open());
    MessageBoxWatcher watcher;
    EXPECT_EQ(TWRC_FAILURE, EnableWithoutUi());
    EXPECT_EQ(TWCC_OPERATIONERROR, Condition());
    auto seen = watcher.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Tavix Scanner", seen[0].caption);
    EXPECT_FALSE(seen[0].hasOwner);
    EXPECT_NE(std::string::npos, seen[0].text.find(kScannerNotReady)) << seen[0].text;
    EXPECT_NE(std::string::npos, seen[0].text.find("Please check the hardware connections and try again."));
    EXPECT_EQ(4, ProbeState());
    EXPECT_TRUE(Notifications().empty());
    // The open was tried once at MSG_OPENDS and once more here.
    EXPECT_EQ(2u, ScannerCalls("IO_OpenInterface"));
    EXPECT_EQ(0u, ScannerCalls("IO_StartScan"));
}

TEST_F(Enable, ScannerSwitchedOnAfterOpeningIsOpenedAtEnable) {
    Scanner("open_fails=1\n");
    ASSERT_EQ(TWRC_SUCCESS, Open());
    Scanner("");
    MessageBoxWatcher watcher;
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    EXPECT_TRUE(watcher.Seen().empty());
    EXPECT_EQ(std::vector<WPARAM>{MSG_XFERREADY}, Notifications());
    EXPECT_EQ(2u, ScannerCalls("IO_OpenInterface"));
}

// A failure after the scanner was reached: the message is owned by the
// application's window, the source stays open in state 4.
void ExpectScanFailureMessage(const MessageBoxWatcher& watcher) {
    auto seen = watcher.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Tavix Scanner", seen[0].caption);
    EXPECT_TRUE(seen[0].hasOwner);
    EXPECT_NE(std::string::npos, seen[0].text.find(kScannerNotReady)) << seen[0].text;
}

TEST_F(Enable, ScanThatCannotStartIsReportedAndLeavesStateFour) {
    Scanner("start_scan_fails=1\n");
    ASSERT_EQ(TWRC_SUCCESS, Open());
    MessageBoxWatcher watcher;
    EXPECT_EQ(TWRC_FAILURE, EnableWithoutUi());
    EXPECT_EQ(TWCC_OPERATIONERROR, Condition());
    ExpectScanFailureMessage(watcher);
    EXPECT_EQ(4, ProbeState());
    EXPECT_TRUE(Notifications().empty());
    EXPECT_EQ(0u, ScannerCalls("IO_GetPageDimension"));
}

TEST_F(Enable, ScanFailureShowsTheExclamationIcon) {
    Scanner("start_scan_fails=1\n");
    ASSERT_EQ(TWRC_SUCCESS, Open());
    MessageBoxProbe probe(ScreenshotPath("enable_scan_failure.png"));
    EXPECT_EQ(TWRC_FAILURE, EnableWithoutUi());
    probe.Finish();
    ASSERT_TRUE(probe.Seen());
    EXPECT_EQ(LoadIconA(nullptr, IDI_EXCLAMATION), probe.Icon());
}

TEST_F(Enable, UnreachableScannerMessageHasNoIcon) {
    Scanner("open_fails=1\n");
    ASSERT_EQ(TWRC_SUCCESS, Open());
    MessageBoxProbe probe(ScreenshotPath("enable_scanner_not_opened.png"));
    EXPECT_EQ(TWRC_FAILURE, EnableWithoutUi());
    probe.Finish();
    ASSERT_TRUE(probe.Seen());
    EXPECT_EQ(nullptr, probe.Icon());
}

TEST_F(Enable, PageThatCannotBeMeasuredIsReportedAndLeavesStateFour) {
    Scanner("page_dimension_fails=1\n");
    ASSERT_EQ(TWRC_SUCCESS, Open());
    MessageBoxWatcher watcher;
    EXPECT_EQ(TWRC_FAILURE, EnableWithoutUi());
    EXPECT_EQ(TWCC_OPERATIONERROR, Condition());
    ExpectScanFailureMessage(watcher);
    EXPECT_EQ(4, ProbeState());
    EXPECT_TRUE(Notifications().empty());
    EXPECT_EQ(1u, ScannerCalls("IO_StartScan"));
    TW_UINT16 count = 0xBEEF;
    EXPECT_EQ(TWRC_SUCCESS, PendingCount(count));
    EXPECT_EQ(0, count);
}

TEST_F(Enable, UserWhoDeclinesToInsertPaperGetsNoErrorMessage) {
    Scanner("sheets=0\n");
    ASSERT_EQ(TWRC_SUCCESS, Open());
    MessageBoxWatcher watcher({IDCANCEL});
    EXPECT_EQ(TWRC_FAILURE, EnableWithoutUi());
    EXPECT_EQ(TWCC_OPERATIONERROR, Condition());
    // Only the request for paper, owned by the application's window.
    auto seen = watcher.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_NE(std::string::npos, seen[0].text.find("Please insert the item to be scanned")) << seen[0].text;
    EXPECT_TRUE(seen[0].hasOwner);
    EXPECT_EQ(4, ProbeState());
    EXPECT_TRUE(Notifications().empty());
    EXPECT_EQ(0u, ScannerCalls("IO_GetPageDimension"));
}

TEST_F(Enable, UserWhoScansWithoutDetectedPaperGetsThePage) {
    Scanner("sheets=0\n");
    ASSERT_EQ(TWRC_SUCCESS, Open());
    MessageBoxWatcher watcher({IDOK, IDYES});
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    EXPECT_EQ(2u, watcher.Seen().size());
    EXPECT_EQ(std::vector<WPARAM>{MSG_XFERREADY}, Notifications());
}

TEST_F(Enable, DisableFromStateSixReturnsToFourWithNothingPending) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    Notifications();
    EXPECT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui_));
    EXPECT_EQ(4, ProbeState());
    TW_UINT16 count = 0xBEEF;
    EXPECT_EQ(TWRC_SUCCESS, PendingCount(count));
    EXPECT_EQ(0, count);
    // Disabling announces nothing.
    EXPECT_TRUE(Notifications().empty());

    // The next enable is a new acquisition.
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    EXPECT_EQ(std::vector<WPARAM>{MSG_XFERREADY}, Notifications());
    EXPECT_EQ(2u, ScannerCalls("IO_StartScan"));
}

TEST_F(Enable, DisableWorksWithoutData) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    EXPECT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, nullptr));
    EXPECT_EQ(4, ProbeState());
}

TEST_F(Enable, DisableInStateFourIsASequenceError) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    EXPECT_EQ(TWRC_FAILURE, Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui_));
    EXPECT_EQ(TWCC_SEQERROR, Condition());
}

}  // namespace
