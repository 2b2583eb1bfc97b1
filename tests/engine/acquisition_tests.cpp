#include "engine/acquisition.h"
#include "engine/acquisition_ui.h"
#include "engine/page_bracket.h"
#include "engine/page_store.h"
#include "engine/pixel_rows.h"
#include "engine/scan_error.h"
#include "framework/wnd.h"
#include "localization/language.h"
#include "support/message_box_watcher.h"
#include "tests/engine/profile_fixture.h"
#include "tests/engine/scoped_temp_path.h"
#include "tests/engine/virtual_scanner.h"

#include <memory>
#include <vector>

namespace {

// Progress windows and calibration as a test wants them.
class FakeUi : public AcquisitionUi {
public:
    class Progress : public RowProgress {
    public:
        explicit Progress(FakeUi& ui) : ui_(ui) {}
        bool AddRows(const uint8_t*, int32_t count) override {
            ++ui_.blocks;
            ui_.rowsShown += count;
            ui_.ownerEnabledWhileShown = ui_.owner && IsWindowEnabled(ui_.owner->GetSafeHwnd());
            return ui_.cancelAtBlock == 0 || ui_.blocks < ui_.cancelAtBlock;
        }

    private:
        FakeUi& ui_;
    };

    bool CalibrateBeforeScan(const CWnd*) override {
        ++calibrations;
        return calibrationSucceeds;
    }
    std::unique_ptr<RowProgress> OpenRowProgress(const CWnd*, int16_t, int32_t, int32_t length) override {
        lengthAnnounced = length;
        return std::make_unique<Progress>(*this);
    }
    // The pre-scan reads from the scanner only; it never asks for a bar.
    std::unique_ptr<BarProgress> OpenBarProgress(const CWnd*) override {
        ++barsOpened;
        return nullptr;
    }

    const CWnd* owner = nullptr;
    int calibrations = 0;
    bool calibrationSucceeds = true;
    int blocks = 0;
    int32_t rowsShown = 0;
    int cancelAtBlock = 0;
    int32_t lengthAnnounced = 0;
    int barsOpened = 0;
    bool ownerEnabledWhileShown = true;
};

class AcquisitionTest : public ProfileFixture {
protected:
    void SetUp() override {
        ProfileFixture::SetUp();
        ASSERT_TRUE(io_.Load(VirtualScannerPath().c_str()));
        control_ = std::make_unique<VirtualScannerControl>(io_.Library());
        ASSERT_TRUE(control_->Valid());
        control_->reset();
        windows_ = &ui_;
        LoadSettings("NONE", &current_, negotiated_);
        current_.ScanMode = kScanModeGray;
        current_.DPI = 100;
        current_.DetectEOP = 1;
        width_ = 850;
        length_ = 1100;
    }
    void TearDown() override {
        windows_ = nullptr;
        store_.ClearStore();
        sheet_.End();
        io_.Close();
        ProfileFixture::TearDown();
    }
    int Prescan(int32_t acquireResult = 0, bool showProgress = true, const CWnd* owner = nullptr) {
        return PrescanPage(Context(), owner, current_, showProgress, PageInProgress{width_, length_, acquireResult});
    }
    std::vector<uint8_t> StoredRows(int side) {
        PageStore& store = store_;
        std::vector<uint8_t> rows(static_cast<size_t>(store.LineCount(side)) * store.RowBytes());
        store.SelectSlot(side);
        store.Rewind();
        EXPECT_EQ(kPageStoreOk, store.ReadRows(rows.data(), store.LineCount(side)));
        return rows;
    }

    TempFolder temp_{"acq"};
    ScopedTempPath tempPath_{temp_.Path()};
    std::unique_ptr<VirtualScannerControl> control_;
    FakeUi ui_;
    int32_t width_ = 0;
    int32_t length_ = 0;
};

TEST_F(AcquisitionTest, PrescanFindsTheEndOfAShortSheetAndStoresExactlyItsRows) {
    control_->configure("sheets", "2");
    control_->configure("sheet_length", "500");
    ASSERT_EQ(kScanOk, Prescan());
    EXPECT_EQ(500, length_);
    EXPECT_EQ(850, width_);
    EXPECT_EQ(500, store_.LineCount(0));
    EXPECT_EQ(500, ui_.rowsShown);
    EXPECT_EQ(1100, ui_.lengthAnnounced);
    EXPECT_EQ(0, ui_.barsOpened);
    // The sheet left the scanner.
    EXPECT_FALSE(sheet_.Started());
    EXPECT_EQ(1u, control_->Calls("IO_FeedPage"));

    // The second, identical sheet read straight from the scanner gives the same rows.
    const std::vector<uint8_t> stored = StoredRows(0);
    ASSERT_EQ(0, sheet_.Start(current_));
    std::vector<uint8_t> direct(stored.size());
    const int32_t stride = BytesPerLine(8, 850);
    for (int32_t row = 0; row < 500;) {
        int got = io_.GetImageBlock(direct.data() + row * stride, 500 - row, nullptr, 850, 0);
        ASSERT_GT(got, 0);
        row += got;
    }
    EXPECT_EQ(direct, stored);
}

TEST_F(AcquisitionTest, SheetLongerThanTheFrameKeepsTheFrameLength) {
    control_->configure("sheet_length", "1400");
    ASSERT_EQ(kScanOk, Prescan(0, false));
    EXPECT_EQ(1100, length_);
    EXPECT_EQ(1100, store_.LineCount(0));
    EXPECT_EQ(0, ui_.blocks);
}

TEST_F(AcquisitionTest, BothSidesAreStoredWhenDoubleSided) {
    current_.DoubleSided = 1;
    ASSERT_EQ(kScanOk, Prescan());
    EXPECT_EQ(1100, store_.LineCount(0));
    EXPECT_EQ(1100, store_.LineCount(1));
    EXPECT_NE(StoredRows(0), StoredRows(1));
}

TEST_F(AcquisitionTest, AFailedPrescanIsNotRepeatedAndADoneOneIsNotReadAgain) {
    EXPECT_EQ(kScanScannerError, Prescan(kScanScannerError));
    EXPECT_EQ(0u, control_->Calls("IO_StartScanPage"));
    ASSERT_EQ(kScanOk, Prescan());
    EXPECT_EQ(kScanOk, Prescan());
    EXPECT_EQ(1u, control_->Calls("IO_StartScanPage"));
}

TEST_F(AcquisitionTest, RefusedSheetIsAScannerError) {
    control_->configure("page_start_fails", "1");
    EXPECT_EQ(kScanScannerError, Prescan());
    EXPECT_FALSE(store_.HasRows());
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());
}

TEST_F(AcquisitionTest, FailingBlockEmptiesTheStoreAndEndsTheSheet) {
    control_->configure("block_fails_after_rows", "300");
    EXPECT_EQ(kScanScannerError, Prescan());
    EXPECT_FALSE(store_.HasRows());
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());
    EXPECT_FALSE(sheet_.Started());
    EXPECT_EQ(1u, control_->Calls("IO_FeedPage"));
}

TEST_F(AcquisitionTest, AFewEmptyAnswersAreAskedAgain) {
    control_->configure("empty_blocks", "25");
    EXPECT_EQ(kScanOk, Prescan());
    EXPECT_EQ(1100, store_.LineCount(0));
}

TEST_F(AcquisitionTest, AScannerThatNeverDeliversFailsInsteadOfHanging) {
    control_->configure("empty_blocks", "1000000");
    EXPECT_EQ(kScanScannerError, Prescan());
    EXPECT_FALSE(store_.HasRows());
}

TEST_F(AcquisitionTest, CancelInTheProgressWindowStopsTheSheet) {
    ui_.cancelAtBlock = 2;
    EXPECT_EQ(kScanCancelled, Prescan());
    EXPECT_EQ(2, ui_.blocks);
    EXPECT_FALSE(store_.HasRows());
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());
    EXPECT_FALSE(sheet_.Started());
}

TEST_F(AcquisitionTest, OwnerIsDisabledWhileTheProgressWindowShowsAndGivenBack) {
    HWND window = CreateWindowA("STATIC", "owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    CWnd owner;
    owner.Attach(window);
    ui_.owner = &owner;
    EXPECT_EQ(kScanOk, Prescan(0, true, &owner));
    EXPECT_FALSE(ui_.ownerEnabledWhileShown);
    EXPECT_TRUE(IsWindowEnabled(window));
    owner.Detach();
    DestroyWindow(window);
}

TEST_F(AcquisitionTest, UnwritableTemporaryFolderIsAFileError) {
    ScopedTempPath missing(temp_.File("no-such-folder"));
    EXPECT_EQ(kScanFileError, Prescan());
    EXPECT_FALSE(sheet_.Started());
}

TEST_F(AcquisitionTest, CheckPaperWithPaperAndNoCalibrationAsksNothing) {
    MessageBoxWatcher watcher;
    EXPECT_TRUE(CheckPaper(Context(), nullptr));
    EXPECT_EQ(0, ui_.calibrations);
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(AcquisitionTest, CheckPaperCalibratesFirstWhenTheScannerAsks) {
    control_->configure("calibration_needed", "1");
    ui_.calibrationSucceeds = false;
    EXPECT_FALSE(CheckPaper(Context(), nullptr));
    ui_.calibrationSucceeds = true;
    EXPECT_TRUE(CheckPaper(Context(), nullptr));
    EXPECT_EQ(2, ui_.calibrations);
}

TEST_F(AcquisitionTest, CheckPaperWithoutPaperAsksForItThenWhetherToGoOn) {
    control_->configure("sheets", "0");
    {
        MessageBoxWatcher watcher({IDCANCEL});
        EXPECT_FALSE(CheckPaper(Context(), nullptr));
        auto seen = watcher.Seen();
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ("Tavix Scanner", seen[0].caption);
        EXPECT_EQ("Please insert the item to be scanned into the scanner now.", seen[0].text);
    }
    {
        MessageBoxWatcher watcher({IDOK, IDNO});
        EXPECT_FALSE(CheckPaper(Context(), nullptr));
        auto seen = watcher.Seen();
        ASSERT_EQ(2u, seen.size());
        EXPECT_EQ("The paper was not detected. Continue anyway?", seen[1].text);
    }
    {
        MessageBoxWatcher watcher({IDOK, IDYES});
        EXPECT_TRUE(CheckPaper(Context(), nullptr));
    }
}

}  // namespace
