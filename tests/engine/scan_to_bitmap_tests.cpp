#include "engine/scan_to_bitmap.h"

#include "engine/acquisition.h"
#include "engine/acquisition_ui.h"
#include "engine/page_bracket.h"
#include "engine/page_store.h"
#include "engine/pixel_rows.h"
#include "engine/scan_error.h"
#include "framework/wnd.h"
#include "tests/engine/bitmap_bytes.h"
#include "tests/engine/profile_fixture.h"
#include "tests/engine/scoped_temp_path.h"
#include "tests/engine/virtual_scanner.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Progress windows as a test wants them: counts what they are shown and
// cancels at a chosen block.
class FakeUi : public AcquisitionUi {
public:
    class Rows : public RowProgress {
    public:
        explicit Rows(FakeUi& ui) : ui_(ui) {}
        bool AddRows(const uint8_t*, int32_t count) override {
            ++ui_.blocks;
            ui_.rowsShown += count;
            ui_.NoteOwner();
            return ui_.cancelAtBlock == 0 || ui_.blocks < ui_.cancelAtBlock;
        }

    private:
        FakeUi& ui_;
    };
    class Bar : public BarProgress {
    public:
        explicit Bar(FakeUi& ui) : ui_(ui) {}
        bool SetPercent(int percent) override {
            ui_.percents.push_back(percent);
            ui_.NoteOwner();
            return ui_.cancelAtBlock == 0 || static_cast<int>(ui_.percents.size()) < ui_.cancelAtBlock;
        }

    private:
        FakeUi& ui_;
    };

    bool CalibrateBeforeScan(const CWnd*) override { return true; }
    std::unique_ptr<RowProgress> OpenRowProgress(const CWnd*, int16_t scanMode, int32_t width,
                                                 int32_t length) override {
        ++rowWindows;
        modeAnnounced = scanMode;
        widthAnnounced = width;
        lengthAnnounced = length;
        return std::make_unique<Rows>(*this);
    }
    std::unique_ptr<BarProgress> OpenBarProgress(const CWnd*) override {
        ++barWindows;
        return std::make_unique<Bar>(*this);
    }

    void NoteOwner() {
        if (owner && IsWindowEnabled(owner->GetSafeHwnd())) ownerEnabledWhileShown = true;
    }

    const CWnd* owner = nullptr;
    int rowWindows = 0;
    int barWindows = 0;
    int16_t modeAnnounced = 0;
    int32_t widthAnnounced = 0;
    int32_t lengthAnnounced = 0;
    int blocks = 0;
    int32_t rowsShown = 0;
    std::vector<int> percents;
    int cancelAtBlock = 0;
    bool ownerEnabledWhileShown = false;
};

class ScanToBitmapTest : public ProfileFixture {
protected:
    void SetUp() override {
        ProfileFixture::SetUp();
        ASSERT_TRUE(io_.Load(VirtualScannerPath().c_str()));
        control_ = std::make_unique<VirtualScannerControl>(io_.Library());
        ASSERT_TRUE(control_->Valid());
        control_->reset();
        windows_ = &ui_;
        LoadSettings("NONE", &current_, negotiated_);
        // A small gray page, 300 x 150 pixels at 100 dpi: quick to scan and
        // read in blocks of 49 rows.
        current_.ScanMode = kScanModeGray;
        current_.DPI = 100;
        current_.Top = 0;
        current_.Left = 0;
        current_.Bottom = 150;
        current_.Right = 300;
        current_.DetectEOP = 0;
        path_ = out_.File("page.bmp");
    }
    void TearDown() override {
        windows_ = nullptr;
        store_.ClearStore();
        sheet_.End();
        io_.Close();
        ProfileFixture::TearDown();
    }

    // The page geometry the scanner announces for the current settings.
    void AnnouncePage() {
        ASSERT_NE(0, io_.GetPageDimension(current_, width_, length_));
    }
    int32_t Stride() const { return BytesPerLine(ScanModeBits(current_.ScanMode), width_); }

    // The rows of the sheet at the sensor, top down, read directly with the
    // settings as the scanner gets them. The sheet stays in the feeder, and
    // the call log counts from after this read.
    std::vector<uint8_t> SheetRows(int side, int32_t lines) {
        std::vector<uint8_t> rows(static_cast<size_t>(lines) * Stride());
        EXPECT_NE(0, io_.StartScanPage(AdjustedForScanner(current_)));
        for (int32_t row = 0; row < lines;) {
            const int got = io_.GetImageBlock(rows.data() + static_cast<size_t>(row) * Stride(),
                                              lines - row, nullptr, width_, side);
            EXPECT_GT(got, 0);
            if (got <= 0) break;
            row += got;
        }
        io_.EndScanPage();
        logMark_ = control_->CallLog().size();
        return rows;
    }

    // Lines of the call log written after the last SheetRows for `name`.
    std::vector<std::string> Calls(const std::string& name) const {
        std::istringstream log(control_->CallLog().substr(logMark_));
        std::vector<std::string> lines;
        for (std::string line; std::getline(log, line);)
            if (line.compare(0, name.size() + 1, name + " ") == 0) lines.push_back(line);
        return lines;
    }

    int Scan(bool fromStore, int32_t pendingXfers = 1, bool showProgress = true,
             const CWnd* owner = nullptr) {
        return ScanToBitmapFile(Context(), fromStore, owner, path_.c_str(), current_, showProgress,
                                BitmapPage{width_, length_, pendingXfers});
    }
    int Prescan() {
        return PrescanPage(Context(), nullptr, current_, false, PageInProgress{width_, length_, 0});
    }

    // The pixel area a bitmap of these top-down scanner rows must hold:
    // bottom-up, and blue-green-red for color.
    std::vector<uint8_t> AsBitmapRows(const std::vector<uint8_t>& sheet, int32_t lines) const {
        const int32_t stride = Stride();
        std::vector<uint8_t> expected(static_cast<size_t>(lines) * stride);
        for (int32_t row = 0; row < lines; ++row) {
            const uint8_t* from = sheet.data() + static_cast<size_t>(row) * stride;
            uint8_t* to = expected.data() + static_cast<size_t>(lines - 1 - row) * stride;
            std::copy(from, from + stride, to);
            if (current_.ScanMode != kScanModeColor) continue;
            for (int32_t x = 0; x < width_; ++x) std::swap(to[3 * x], to[3 * x + 2]);
        }
        return expected;
    }

    // The pixel area of the written file.
    std::vector<uint8_t> FileRows(const std::string& bytes) const {
        const uint32_t offBits = U32At(bytes, bmp::kOffBits);
        if (offBits > bytes.size()) return {};
        return std::vector<uint8_t>(bytes.begin() + offBits, bytes.end());
    }

    TempFolder out_{"bmpout"};
    TempFolder temp_{"bmptmp"};
    ScopedTempPath tempPath_{temp_.Path()};
    std::unique_ptr<VirtualScannerControl> control_;
    FakeUi ui_;
    std::string path_;
    int32_t width_ = 0;
    int32_t length_ = 0;
    size_t logMark_ = 0;
};

TEST_F(ScanToBitmapTest, GrayPageFromTheScannerIsWrittenBottomUpAndTheSheetEnds) {
    AnnouncePage();
    ASSERT_EQ(300, width_);
    ASSERT_EQ(150, length_);
    const std::vector<uint8_t> sheet = SheetRows(0, 150);
    ASSERT_EQ(kScanOk, Scan(false));

    const std::string bytes = ReadWholeFile(path_);
    ASSERT_EQ(1078u + 150 * 300, bytes.size());
    EXPECT_EQ(1078u + 150 * 300, U32At(bytes, bmp::kFileSize));
    EXPECT_EQ(1078u, U32At(bytes, bmp::kOffBits));
    EXPECT_EQ(300, I32At(bytes, bmp::kWidth));
    EXPECT_EQ(150, I32At(bytes, bmp::kHeight));
    EXPECT_EQ(8u, U16At(bytes, bmp::kBitCount));
    EXPECT_EQ(3937, I32At(bytes, bmp::kXPels));
    EXPECT_EQ(3937, I32At(bytes, bmp::kYPels));
    EXPECT_EQ(256u, U32At(bytes, bmp::kClrUsed));
    EXPECT_EQ(AsBitmapRows(sheet, 150), FileRows(bytes));
    // The page is not uniform, so a wrong row order would show.
    EXPECT_NE(AsBitmapRows(sheet, 150), std::vector<uint8_t>(sheet.begin(), sheet.end()));

    // Blocks of LinesPerBlock (50) less one, without an end-of-page flag.
    const std::vector<std::string> blocks = Calls("IO_GetImageBlock");
    ASSERT_EQ(4u, blocks.size());
    for (const std::string& block : blocks) EXPECT_NE(std::string::npos, block.find("eop=null")) << block;
    EXPECT_NE(std::string::npos, blocks[0].find("lines=49 width=300 side=0 -> 49"));
    EXPECT_NE(std::string::npos, blocks[3].find("lines=3 width=300 side=0 -> 3"));

    EXPECT_FALSE(sheet_.Started());
    EXPECT_EQ(1u, Calls("IO_StartScanPage").size());
    EXPECT_EQ(1u, Calls("IO_FeedPage").size());
    EXPECT_TRUE(Calls("IO_EndScan").empty());
    EXPECT_EQ(1, ui_.rowWindows);
    EXPECT_EQ(0, ui_.barWindows);
    EXPECT_EQ(kScanModeGray, ui_.modeAnnounced);
    EXPECT_EQ(300, ui_.widthAnnounced);
    EXPECT_EQ(150, ui_.lengthAnnounced);
    EXPECT_EQ(150, ui_.rowsShown);
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());
}

TEST_F(ScanToBitmapTest, ColorPageHoldsBlueGreenRedPixels) {
    // 225 pixels: rows of 675 bytes padded to 676, with the color bars.
    current_.ScanMode = kScanModeColor;
    current_.DPI = 75;
    current_.Bottom = 450;
    AnnouncePage();
    ASSERT_EQ(225, width_);
    ASSERT_EQ(337, length_);
    ASSERT_EQ(676, Stride());
    const std::vector<uint8_t> sheet = SheetRows(0, length_);
    bool redDiffersFromBlue = false;
    for (size_t at = 0; at + 2 < sheet.size() && !redDiffersFromBlue; at += 3)
        redDiffersFromBlue = sheet[at] != sheet[at + 2];
    ASSERT_TRUE(redDiffersFromBlue) << "the page must have colors for this test to mean anything";

    ASSERT_EQ(kScanOk, Scan(false));
    const std::string bytes = ReadWholeFile(path_);
    ASSERT_EQ(54u + 337 * 676, bytes.size());
    EXPECT_EQ(54u, U32At(bytes, bmp::kOffBits));
    EXPECT_EQ(24u, U16At(bytes, bmp::kBitCount));
    EXPECT_EQ(0u, U32At(bytes, bmp::kClrUsed));
    EXPECT_EQ(2952, I32At(bytes, bmp::kXPels));
    EXPECT_EQ(AsBitmapRows(sheet, length_), FileRows(bytes));
    EXPECT_EQ(kScanModeColor, ui_.modeAnnounced);
}

TEST_F(ScanToBitmapTest, BlackWhitePageKeepsItsBitsUnderABlackWhiteTable) {
    current_.ScanMode = kScanModeBlackWhite;
    AnnouncePage();
    ASSERT_EQ(40, Stride());
    const std::vector<uint8_t> sheet = SheetRows(0, length_);
    ASSERT_EQ(kScanOk, Scan(false));
    const std::string bytes = ReadWholeFile(path_);
    ASSERT_EQ(62u + 150 * 40, bytes.size());
    EXPECT_EQ(62u, U32At(bytes, bmp::kOffBits));
    EXPECT_EQ(1u, U16At(bytes, bmp::kBitCount));
    EXPECT_EQ(2u, U32At(bytes, bmp::kClrUsed));
    EXPECT_EQ(0x00000000u, U32At(bytes, bmp::kPalette));
    EXPECT_EQ(0x00FFFFFFu, U32At(bytes, bmp::kPalette + 4));
    EXPECT_EQ(AsBitmapRows(sheet, length_), FileRows(bytes));
}

TEST_F(ScanToBitmapTest, ShortBlocksFromTheScannerLandInTheirPlace) {
    // The sheet ends after one inch: the block that reaches its edge is cut
    // short, and white rows follow up to the announced length.
    control_->configure("sheet_length", "100");
    AnnouncePage();
    const std::vector<uint8_t> sheet = SheetRows(0, length_);
    ASSERT_EQ(kScanOk, Scan(false));
    const std::vector<std::string> blocks = Calls("IO_GetImageBlock");
    ASSERT_GE(blocks.size(), 3u);
    EXPECT_NE(std::string::npos, blocks[2].find("lines=49 width=300 side=0 -> 2 ")) << blocks[2];
    const std::string bytes = ReadWholeFile(path_);
    EXPECT_EQ(150, I32At(bytes, bmp::kHeight));
    EXPECT_EQ(AsBitmapRows(sheet, length_), FileRows(bytes));
}

TEST_F(ScanToBitmapTest, ShortSheetWithEndOfPageDetectionHoldsExactlyTheSheet) {
    current_.DetectEOP = 1;
    control_->configure("sheet_length", "100");
    AnnouncePage();
    const std::vector<uint8_t> sheet = SheetRows(0, 100);
    ASSERT_EQ(kScanOk, WriteTransferBitmap(Context(), nullptr, path_.c_str(), current_, true,
                                           PageInProgress{width_, length_, 0}, 1));
    EXPECT_EQ(100, length_);

    const std::string bytes = ReadWholeFile(path_);
    ASSERT_EQ(1078u + 100 * 300, bytes.size());
    EXPECT_EQ(1078u + 100 * 300, U32At(bytes, bmp::kFileSize));
    EXPECT_EQ(100u * 300, U32At(bytes, bmp::kSizeImage));
    EXPECT_EQ(100, I32At(bytes, bmp::kHeight));
    EXPECT_EQ(AsBitmapRows(sheet, 100), FileRows(bytes));

    // Read once from the scanner into the store, then served from it.
    EXPECT_EQ(1u, Calls("IO_StartScanPage").size());
    EXPECT_EQ(1u, Calls("IO_FeedPage").size());
    EXPECT_TRUE(Calls("IO_EndScan").empty());
    EXPECT_FALSE(store_.HasRows());
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());
    EXPECT_EQ(1, ui_.rowWindows);
    EXPECT_EQ(1, ui_.barWindows);
    EXPECT_EQ((std::vector<int>{49, 98, 100}), ui_.percents);
}

TEST_F(ScanToBitmapTest, TransferStraightFromTheScannerEndsTheScanAfterwards) {
    AnnouncePage();
    const std::vector<uint8_t> sheet = SheetRows(0, length_);
    ASSERT_EQ(kScanOk, WriteTransferBitmap(Context(), nullptr, path_.c_str(), current_, false,
                                           PageInProgress{width_, length_, 0}, 1));
    EXPECT_EQ(AsBitmapRows(sheet, length_), FileRows(ReadWholeFile(path_)));
    const std::string log = control_->CallLog().substr(logMark_);
    ASSERT_EQ(1u, Calls("IO_EndScan").size());
    EXPECT_LT(log.find("IO_FeedPage"), log.find("IO_EndScan "));
    EXPECT_EQ(0, ui_.rowWindows);
}

TEST_F(ScanToBitmapTest, FailedTransferStillEndsTheScan) {
    control_->configure("block_fails_after_rows", "60");
    AnnouncePage();
    EXPECT_EQ(kScanScannerError, WriteTransferBitmap(Context(), nullptr, path_.c_str(), current_, false,
                                                     PageInProgress{width_, length_, 0}, 1));
    EXPECT_FALSE(FileExists(path_));
    EXPECT_EQ(1u, control_->Calls("IO_EndScan"));
}

TEST_F(ScanToBitmapTest, FailedPrescanWritesNoFile) {
    current_.DetectEOP = 1;
    control_->configure("page_start_fails", "1");
    AnnouncePage();
    EXPECT_EQ(kScanScannerError, WriteTransferBitmap(Context(), nullptr, path_.c_str(), current_, false,
                                                     PageInProgress{width_, length_, 0}, 1));
    EXPECT_FALSE(FileExists(path_));
    EXPECT_TRUE(FilesIn(out_.Path()).empty());
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());
    EXPECT_EQ(0u, control_->Calls("IO_EndScan"));
}

TEST_F(ScanToBitmapTest, SideFollowsDoubleSidedAndTheParityOfPendingTransfers) {
    ScanSettings single = current_;
    single.DoubleSided = 0;
    ScanSettings both = current_;
    both.DoubleSided = 1;
    for (int32_t pending : {-3, -2, -1, 0, 1, 2, 3}) EXPECT_EQ(0, BitmapSide(single, pending));
    EXPECT_EQ(1, BitmapSide(both, 1));
    EXPECT_EQ(1, BitmapSide(both, 3));
    EXPECT_EQ(1, BitmapSide(both, -1));
    EXPECT_EQ(1, BitmapSide(both, -3));
    EXPECT_EQ(0, BitmapSide(both, 0));
    EXPECT_EQ(0, BitmapSide(both, 2));
    EXPECT_EQ(0, BitmapSide(both, -2));
}

TEST_F(ScanToBitmapTest, DoubleSidedFrontLeavesTheSheetOpenForItsBack) {
    current_.DoubleSided = 1;
    AnnouncePage();
    const std::vector<uint8_t> back = SheetRows(1, length_);
    const std::vector<uint8_t> front = SheetRows(0, length_);
    ASSERT_NE(front, back);

    ASSERT_EQ(kScanOk, Scan(false, 2));
    EXPECT_EQ(AsBitmapRows(front, length_), FileRows(ReadWholeFile(path_)));
    EXPECT_TRUE(sheet_.Started());
    EXPECT_TRUE(Calls("IO_FeedPage").empty());
    for (const std::string& block : Calls("IO_GetImageBlock"))
        EXPECT_NE(std::string::npos, block.find("side=0")) << block;

    ASSERT_EQ(kScanOk, Scan(false, 1));
    EXPECT_EQ(AsBitmapRows(back, length_), FileRows(ReadWholeFile(path_)));
    EXPECT_FALSE(sheet_.Started());
    EXPECT_EQ(1u, Calls("IO_StartScanPage").size());
    EXPECT_EQ(1u, Calls("IO_FeedPage").size());
    const std::vector<std::string> blocks = Calls("IO_GetImageBlock");
    ASSERT_EQ(8u, blocks.size());
    for (size_t i = 4; i < blocks.size(); ++i)
        EXPECT_NE(std::string::npos, blocks[i].find("side=1")) << blocks[i];
}

TEST_F(ScanToBitmapTest, DoubleSidedSheetFromTheStoreKeepsItUntilTheBackIsWritten) {
    current_.DoubleSided = 1;
    current_.DetectEOP = 1;
    AnnouncePage();
    const std::vector<uint8_t> back = SheetRows(1, length_);
    const std::vector<uint8_t> front = SheetRows(0, length_);
    ASSERT_EQ(kScanOk, Prescan());

    ASSERT_EQ(kScanOk, Scan(true, 2));
    EXPECT_EQ(AsBitmapRows(front, length_), FileRows(ReadWholeFile(path_)));
    EXPECT_TRUE(store_.HasRows());

    ASSERT_EQ(kScanOk, Scan(true, 1));
    EXPECT_EQ(AsBitmapRows(back, length_), FileRows(ReadWholeFile(path_)));
    EXPECT_FALSE(store_.HasRows());
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());
    EXPECT_EQ(1u, Calls("IO_StartScanPage").size());
}

TEST_F(ScanToBitmapTest, StoredSideIsWrittenFromItsFirstRowEvenAfterAnEarlierRead) {
    current_.DetectEOP = 1;
    AnnouncePage();
    const std::vector<uint8_t> front = SheetRows(0, length_);
    ASSERT_EQ(kScanOk, Prescan());
    std::vector<uint8_t> some(static_cast<size_t>(10) * Stride());
    ASSERT_EQ(kPageStoreOk, store_.ReadRows(some.data(), 10));
    ASSERT_EQ(kScanOk, Scan(true));
    EXPECT_EQ(AsBitmapRows(front, length_), FileRows(ReadWholeFile(path_)));
}

TEST_F(ScanToBitmapTest, FailingBlockLeavesNoFileAndEndsTheSheet) {
    control_->configure("block_fails_after_rows", "60");
    AnnouncePage();
    EXPECT_EQ(kScanScannerError, Scan(false));
    EXPECT_FALSE(FileExists(path_));
    EXPECT_TRUE(FilesIn(out_.Path()).empty());
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());
    EXPECT_FALSE(sheet_.Started());
    EXPECT_EQ(1u, control_->Calls("IO_FeedPage"));
}

TEST_F(ScanToBitmapTest, FailingBlockOfTheDoubleSidedFrontEndsTheSheetToo) {
    current_.DoubleSided = 1;
    control_->configure("block_fails_after_rows", "60");
    AnnouncePage();
    EXPECT_EQ(kScanScannerError, Scan(false, 2));
    EXPECT_FALSE(FileExists(path_));
    EXPECT_FALSE(sheet_.Started());
    EXPECT_EQ(1u, control_->Calls("IO_FeedPage"));
}

TEST_F(ScanToBitmapTest, RefusedSheetLeavesNoFile) {
    control_->configure("page_start_fails", "1");
    AnnouncePage();
    EXPECT_EQ(kScanScannerError, Scan(false));
    EXPECT_FALSE(FileExists(path_));
    EXPECT_TRUE(FilesIn(out_.Path()).empty());
    EXPECT_EQ(0, ui_.rowWindows);
    EXPECT_EQ(0u, control_->Calls("IO_GetImageBlock"));
}

TEST_F(ScanToBitmapTest, ScannerThatNeverDeliversFailsAndLeavesNoFile) {
    control_->configure("empty_blocks", "1000000");
    AnnouncePage();
    EXPECT_EQ(kScanScannerError, Scan(false, 1, false));
    EXPECT_FALSE(FileExists(path_));
    EXPECT_FALSE(sheet_.Started());
}

TEST_F(ScanToBitmapTest, UnwritableTargetIsAFileErrorBeforeTheScannerIsTouched) {
    path_ = out_.File("missing\\page.bmp");
    AnnouncePage();
    EXPECT_EQ(kScanFileError, Scan(false));
    EXPECT_EQ(0u, control_->Calls("IO_StartScanPage"));
    EXPECT_TRUE(FilesIn(out_.Path()).empty());
    EXPECT_EQ(0, ui_.rowWindows);
}

TEST_F(ScanToBitmapTest, UnwritableTargetForTheBackStillEndsTheSheet) {
    current_.DoubleSided = 1;
    AnnouncePage();
    ASSERT_EQ(kScanOk, Scan(false, 2));
    ASSERT_TRUE(sheet_.Started());
    path_ = out_.File("missing\\back.bmp");
    EXPECT_EQ(kScanFileError, Scan(false, 1));
    EXPECT_FALSE(sheet_.Started());
    EXPECT_EQ(1u, control_->Calls("IO_FeedPage"));
}

TEST_F(ScanToBitmapTest, UnwritableTargetEmptiesTheStore) {
    current_.DetectEOP = 1;
    AnnouncePage();
    ASSERT_EQ(kScanOk, Prescan());
    ASSERT_TRUE(store_.HasRows());
    path_ = out_.File("missing\\page.bmp");
    EXPECT_EQ(kScanFileError, Scan(true));
    EXPECT_FALSE(store_.HasRows());
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());
}

TEST_F(ScanToBitmapTest, TargetInUseElsewhereIsAFileErrorAndKeepsItsContent) {
    WriteWholeFile(path_, "the application's");
    HANDLE other = CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    AnnouncePage();
    EXPECT_EQ(kScanFileError, Scan(false));
    CloseHandle(other);
    EXPECT_EQ("the application's", ReadWholeFile(path_));
}

TEST_F(ScanToBitmapTest, ExistingTargetIsReplacedByThePage) {
    WriteWholeFile(path_, std::string(200000, 'x'));
    AnnouncePage();
    const std::vector<uint8_t> sheet = SheetRows(0, length_);
    ASSERT_EQ(kScanOk, Scan(false));
    const std::string bytes = ReadWholeFile(path_);
    ASSERT_EQ(1078u + 150 * 300, bytes.size());
    EXPECT_EQ(AsBitmapRows(sheet, length_), FileRows(bytes));
}

TEST_F(ScanToBitmapTest, EmptyStoreIsAFileError) {
    AnnouncePage();
    EXPECT_EQ(kScanFileError, Scan(true));
    EXPECT_FALSE(FileExists(path_));
    EXPECT_EQ(0u, control_->Calls("IO_StartScanPage"));
}

TEST_F(ScanToBitmapTest, StoreHoldingFewerRowsThanThePageIsAFileError) {
    current_.DetectEOP = 1;
    AnnouncePage();
    ASSERT_EQ(kScanOk, Prescan());
    length_ += 10;
    EXPECT_EQ(kScanFileError, Scan(true));
    EXPECT_FALSE(FileExists(path_));
    EXPECT_FALSE(store_.HasRows());
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());
}

TEST_F(ScanToBitmapTest, StoreRowsOfAnotherWidthAreNotWritten) {
    AnnouncePage();
    PageStore& store = store_;
    ASSERT_TRUE(store.SetRowBytes(Stride() + 4));
    std::vector<uint8_t> rows(static_cast<size_t>(length_) * (Stride() + 4), 0x55);
    ASSERT_EQ(kPageStoreOk, store.WriteRows(rows.data(), length_));
    EXPECT_EQ(kScanFileError, Scan(true));
    EXPECT_FALSE(FileExists(path_));
    EXPECT_FALSE(store.HasRows());
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());
}

TEST_F(ScanToBitmapTest, CancelInTheThumbnailWindowLeavesNoFile) {
    HWND window = CreateWindowA("STATIC", "owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    CWnd owner;
    owner.Attach(window);
    ui_.owner = &owner;
    ui_.cancelAtBlock = 2;
    AnnouncePage();
    EXPECT_EQ(kScanCancelled, Scan(false, 1, true, &owner));
    EXPECT_EQ(2, ui_.blocks);
    EXPECT_FALSE(ui_.ownerEnabledWhileShown);
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_FALSE(FileExists(path_));
    EXPECT_FALSE(sheet_.Started());
    EXPECT_EQ(1u, control_->Calls("IO_FeedPage"));
    owner.Detach();
    DestroyWindow(window);
}

TEST_F(ScanToBitmapTest, CancelInTheBarWindowEmptiesTheStoreAndLeavesNoFile) {
    HWND window = CreateWindowA("STATIC", "owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    CWnd owner;
    owner.Attach(window);
    ui_.owner = &owner;
    current_.DetectEOP = 1;
    AnnouncePage();
    ASSERT_EQ(kScanOk, Prescan());
    ui_.cancelAtBlock = 2;
    EXPECT_EQ(kScanCancelled, Scan(true, 1, true, &owner));
    EXPECT_EQ((std::vector<int>{32, 65}), ui_.percents);
    EXPECT_FALSE(ui_.ownerEnabledWhileShown);
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_FALSE(FileExists(path_));
    EXPECT_FALSE(store_.HasRows());
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());
    owner.Detach();
    DestroyWindow(window);
}

TEST_F(ScanToBitmapTest, WithoutProgressNoWindowIsMadeAndTheOwnerStaysEnabled) {
    HWND window = CreateWindowA("STATIC", "owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    CWnd owner;
    owner.Attach(window);
    AnnouncePage();
    ASSERT_EQ(kScanOk, Scan(false, 1, false, &owner));
    EXPECT_EQ(0, ui_.rowWindows);
    EXPECT_TRUE(IsWindowEnabled(window));
    owner.Detach();
    DestroyWindow(window);
}

TEST_F(ScanToBitmapTest, WithoutRegisteredWindowsTheScanStillRuns) {
    windows_ = nullptr;
    AnnouncePage();
    const std::vector<uint8_t> sheet = SheetRows(0, length_);
    ASSERT_EQ(kScanOk, Scan(false));
    EXPECT_EQ(AsBitmapRows(sheet, length_), FileRows(ReadWholeFile(path_)));
}

}  // namespace
