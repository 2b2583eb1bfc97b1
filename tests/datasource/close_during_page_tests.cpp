// MSG_CLOSEDS while a page is under way (states 5, 6 and 7): what the page
// holds is given back before the scanner closes, and the next session scans
// a sheet of its own. The virtual scanner is told to serve the old sheet's
// rows to block reads without a started sheet, so a session that skipped
// starting its own would be seen at once.
#include "tests/datasource/progress_window_finder.h"
#include "tests/datasource/transfer_session.h"

#include "framework/global_block.h"
#include "framework/handles.h"

#include <sstream>

namespace {

struct CloseCase {
    const char* name;
    int state;        // 5, 6 or 7 when the source is closed
    bool detectEnd;   // the sheet is pre-scanned into the page store
    bool indicators;  // progress windows
};

class CloseDuringPage : public TransferSession, public testing::WithParamInterface<CloseCase> {
protected:
    void SetUp() override {
        TransferSession::SetUp();
        Scanner("sheets=2\nrows_without_page=1\n");
        // The scanner library stays loaded across the close, with its call
        // log and the sheet it last read.
        scanner_.Reset(LoadLibraryA((ScannerFolder() + "BRSVIO.DLL").c_str()));
        ASSERT_TRUE(scanner_);
    }

    // Brings the source to the case's state on a colour page of the first sheet.
    void ReachState(const CloseCase& c) {
        Page(4, 150);
        if (c.detectEnd) DetectEndOfPage();
        OpenAndEnable(c.indicators);
        if (c.detectEnd) {
            TW_IMAGEINFO info{};
            ASSERT_EQ(TWRC_SUCCESS, ImageInfo(info));
        }
        if (c.state >= 7) {
            std::vector<uint8_t> buffer(static_cast<size_t>(RowBytes()) * 16);
            TW_IMAGEMEMXFER strip;
            ASSERT_EQ(TWRC_SUCCESS, MemoryStrip(buffer, strip));
            ASSERT_EQ(16u, strip.Rows);
        }
        if (c.state == 5) {
            HGLOBAL dib = nullptr;
            ASSERT_EQ(TWRC_XFERDONE, NativeTransfer(dib));
            GlobalFree(dib);
            TW_UINT16 count = 0;
            ASSERT_EQ(TWRC_SUCCESS, EndTransfer(count));
        }
        ASSERT_EQ(c.state, ProbeState());
    }

    // Every sheet started before the scanner was closed was also ended.
    static testing::AssertionResult SheetsEndedBeforeClosing() {
        std::istringstream log(ScannerCallLog());
        int started = 0, ended = 0;
        for (std::string line; std::getline(log, line);) {
            if (line.rfind("IO_CloseInterface", 0) == 0) break;
            if (line.rfind("IO_StartScanPage", 0) == 0 && line.find("-> 1") != std::string::npos) ++started;
            if (line.rfind("IO_EndScanPage", 0) == 0) ++ended;
        }
        if (started == ended) return testing::AssertionSuccess();
        return testing::AssertionFailure() << started << " sheet(s) started, " << ended << " ended:\n"
                                           << ScannerCallLog();
    }

    ModuleHandle scanner_;
};

TEST_P(CloseDuringPage, GivesThePageBackAndTheNextSessionScansItsOwnSheet) {
    const CloseCase& c = GetParam();
    ReachState(c);
    if (HasFatalFailure()) return;
    MessageBoxWatcher watcher;

    ASSERT_EQ(TWRC_SUCCESS, Close());
    EXPECT_EQ(3, ProbeState());
    EXPECT_EQ(nullptr, FindProgressWindow());
    EXPECT_TRUE(IsWindowEnabled(window_.Handle()));
    EXPECT_TRUE(SheetsEndedBeforeClosing());
    EXPECT_TRUE(TemporaryFiles().empty());
    EXPECT_TRUE(Notifications().empty());

    // A narrower page of the second sheet, whole and as the scanner made it.
    Page(1, 75);
    OpenAndEnable(c.indicators);
    std::vector<uint8_t> rows;
    std::vector<TW_IMAGEMEMXFER> strips;
    ASSERT_EQ(TWRC_XFERDONE, MemoryPage(static_cast<uint32_t>(RowBytes()) * 8, rows, strips));
    EXPECT_EQ("", FirstRowDifference(rows, ExpectedRows(Length()), RowBytes()));
    EXPECT_TRUE(Messages(watcher).empty());
}

INSTANTIATE_TEST_SUITE_P(
    States, CloseDuringPage,
    testing::Values(CloseCase{"EnabledAfterThePage", 5, false, false},
                    CloseCase{"PageReady", 6, false, false},
                    CloseCase{"PageReadAheadIntoTheStore", 6, true, false},
                    CloseCase{"MidMemoryTransfer", 7, false, false},
                    CloseCase{"MidMemoryTransferWithProgress", 7, false, true},
                    CloseCase{"MidMemoryTransferFromTheStoreWithProgress", 7, true, true}),
    [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

// An application that closes or disables the source from a message handler
// that the progress window's message pump runs is told the source is busy;
// the transfer goes on and delivers the page.
class CallsFromInsideATransfer : public TransferSession {};

TEST_F(CallsFromInsideATransfer, CloseDisableAndEndAreSequenceErrorsThere) {
    Page(1, 100);
    Scanner(kSlowBlocks);
    OpenAndEnable(true);
    std::vector<std::pair<TW_UINT16, TW_UINT16>> answers;
    HGLOBAL dib = nullptr;
    {
        WhenProgressShows nested([&](HWND) {
            TW_PENDINGXFERS pending{};
            TW_USERINTERFACE ui{FALSE, FALSE, window_.Handle()};
            TW_UINT16 rc = Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr);
            answers.emplace_back(rc, Condition());
            rc = Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui);
            answers.emplace_back(rc, Condition());
            rc = Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending);
            answers.emplace_back(rc, Condition());
        });
        ASSERT_EQ(TWRC_XFERDONE, NativeTransfer(dib));
        ASSERT_TRUE(nested.Pressed());
    }
    const std::vector<std::pair<TW_UINT16, TW_UINT16>> refused(3, {TWRC_FAILURE, TWCC_SEQERROR});
    EXPECT_EQ(refused, answers);
    {
        GlobalBlockLock lock(dib);
        ASSERT_TRUE(lock);
        EXPECT_EQ("", FirstRowDifference(BytesFrom(lock.Bytes(), lock.Size(), 40 + 256 * 4),
                                         AsBitmapRows(ExpectedRows(Length()), 1, Width(), RowBytes()),
                                         RowBytes()));
    }
    GlobalFree(dib);
    EXPECT_EQ(7, ProbeState());
}

}  // namespace
