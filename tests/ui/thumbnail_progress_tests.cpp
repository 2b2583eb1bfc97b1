// The thumbnail progress window (template 330) fed with rows of the virtual
// scanner, as the scanning loop feeds it. Its clock moves by hand: one
// refresh interval per block unless a test says otherwise, so that every
// block is shown as it comes.
#include "support/dialog_driver.h"
#include "support/png_file.h"
#include "support/screen_pixels.h"
#include "progress_test_support.h"
#include "ui_fixture.h"

#include "engine/pixel_rows.h"
#include "framework/gdi_object.h"
#include "resources/progress_window_ids.h"
#include "ui/thumbnail_progress_dialog.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

class ThumbnailProgressTest : public UiTest {
protected:
    // Starts a page of the virtual scanner's test page over the letter sheet.
    void StartPage(int16_t mode, int16_t dpi) {
        settings_ = ScanSettings{};
        settings_.ScanMode = mode;
        settings_.DPI = dpi;
        settings_.Gamma = 2;  // the identity curve
        settings_.Highlight = 255;
        settings_.Top = 0;
        settings_.Left = 0;
        settings_.Bottom = 1100;
        settings_.Right = 850;
        ASSERT_NE(0, io_.StartScan());
        ASSERT_NE(0, io_.GetPageDimension(settings_, width_, length_));
        ASSERT_NE(0, io_.StartScanPage(settings_));
        stride_ = BytesPerLine(ScanModeBits(mode), width_);
    }
    // Reads up to `lines` rows; the count delivered.
    int ReadBlock(int lines) {
        block_.assign(static_cast<size_t>(lines) * static_cast<size_t>(stride_), 0);
        int32_t endOfPage = 0;
        return io_.GetImageBlock(block_.data(), lines, &endOfPage, width_, 0);
    }
    // The rest of the page in blocks of up to `lines` rows.
    std::vector<std::vector<uint8_t>> ReadPage(int lines) {
        std::vector<std::vector<uint8_t>> blocks;
        for (int64_t received = 0; received < length_;) {
            const int rows = ReadBlock(lines);
            if (rows <= 0) break;
            block_.resize(static_cast<size_t>(rows) * static_cast<size_t>(stride_));
            blocks.push_back(block_);
            received += rows;
        }
        return blocks;
    }
    int Rows(const std::vector<uint8_t>& block) const {
        return static_cast<int>(block.size() / static_cast<size_t>(stride_));
    }
    void Open(int16_t mode) {
        window_ = std::make_unique<ThumbnailProgressDialog>(&Owner(), IDD_THUMBNAIL_PROGRESS, mode,
                                                            width_, length_,
                                                            [this] { return now_ += step_; });
        ASSERT_TRUE(window_->IsOpen());
    }
    void TearDown() override {
        window_.reset();
        UiTest::TearDown();
    }

    HWND Window() const { return window_->GetSafeHwnd(); }
    int BarPosition() const {
        return static_cast<int>(SendMessageA(GetDlgItem(Window(), IDC_PROGRESS_BAR), PBM_GETPOS, 0, 0));
    }
    // Client area of the picture frame, in screen coordinates.
    RECT FrameOnScreen() const {
        HWND frame = GetDlgItem(Window(), IDC_THUMBNAIL_FRAME);
        RECT rect = {};
        GetClientRect(frame, &rect);
        MapWindowPoints(frame, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    // Number of thumbnail pixels that the screen shows differently from the
    // thumbnail's own pixels (each channel within 8 levels counts as equal).
    int ScreenMismatches() const {
        const Thumbnail& t = window_->Picture();
        const RECT frame = FrameOnScreen();
        const int left = frame.left + (frame.right - frame.left - t.Width()) / 2;
        const int top = frame.bottom - 4 - t.RowsFilled();
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = t.Width();
        info.bmiHeader.biHeight = -t.RowsFilled();
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        void* bits = nullptr;
        HDC screen = GetDC(nullptr);
        GdiObject<HBITMAP> bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        HDC memory = CreateCompatibleDC(screen);
        HGDIOBJ previous = SelectObject(memory, bitmap.Get());
        BitBlt(memory, 0, 0, t.Width(), t.RowsFilled(), screen, left, top, SRCCOPY);
        GdiFlush();
        SelectObject(memory, previous);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        int mismatches = 0;
        const auto* shown = static_cast<const uint8_t*>(bits);
        for (int y = 0; y < t.RowsFilled(); ++y)
            for (int x = 0; x < t.Width() * 3; ++x)
                if (std::abs(shown[y * t.Stride() + x] - t.Pixels()[y * t.Stride() + x]) > 8)
                    ++mismatches;
        return mismatches;
    }
    // What the screen shows of the window's client area (bar and Cancel
    // button included), as 24-bit rows, once the waiting messages have been
    // handled: Wine puts what was drawn on the screen while it looks for
    // messages. Nothing is invalidated during a page, so no painting of the
    // window's own happens here.
    std::vector<uint8_t> ClientOnScreen() const {
        DrainMessages();
        RECT rect = {};
        GetClientRect(Window(), &rect);
        MapWindowPoints(Window(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
        return ReadScreen(rect).bgr;
    }
    // Bytes in which two pictures differ (all of them when their sizes do).
    static size_t Differences(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
        if (a.size() != b.size()) return std::max(a.size(), b.size());
        size_t differences = 0;
        for (size_t i = 0; i < a.size(); ++i) differences += a[i] != b[i];
        return differences;
    }
    std::vector<uint8_t> ThumbnailPixels() const {
        const Thumbnail& t = window_->Picture();
        return std::vector<uint8_t>(t.Pixels(), t.Pixels() + static_cast<size_t>(t.Stride()) * t.Height());
    }
    static bool TrueColorScreen() {
        HDC screen = GetDC(nullptr);
        const int bits = GetDeviceCaps(screen, BITSPIXEL);
        ReleaseDC(nullptr, screen);
        return bits >= 24;
    }

    int32_t width_ = 0;
    int32_t length_ = 0;
    int32_t stride_ = 0;
    std::vector<uint8_t> block_;
    uint32_t now_ = 0;
    uint32_t step_ = ProgressDialog::kRefreshMs;  // per block
    std::unique_ptr<ThumbnailProgressDialog> window_;
};

TEST_F(ThumbnailProgressTest, ShownAtOnceCentredOnItsOwner) {
    width_ = 850;
    length_ = 1100;
    Open(kScanModeColor);
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_EQ("Tavix Scanner", WindowText(Window()));
    EXPECT_EQ("Cancel", WindowText(GetDlgItem(Window(), IDCANCEL)));
    EXPECT_EQ(OwnerHwnd(), GetWindow(Window(), GW_OWNER));
    EXPECT_EQ(0, BarPosition());
    EXPECT_EQ(100, SendMessageA(GetDlgItem(Window(), IDC_PROGRESS_BAR), PBM_GETRANGE, FALSE, 0));
    RECT owner, window;
    GetWindowRect(OwnerHwnd(), &owner);
    GetWindowRect(Window(), &window);
    EXPECT_LE(std::abs((owner.left + owner.right) - (window.left + window.right)), 2);
    EXPECT_LE(std::abs((owner.top + owner.bottom) - (window.top + window.bottom)), 2);
    // The thumbnail fits the frame less 4 pixels a side, in the page's proportions.
    const RECT frame = FrameOnScreen();
    const Thumbnail& t = window_->Picture();
    EXPECT_GT(t.Width(), 0);
    EXPECT_EQ(0, t.Width() % 4);
    EXPECT_LE(t.Width(), frame.right - frame.left - 8);
    EXPECT_LE(t.Height(), frame.bottom - frame.top - 8);
    EXPECT_TRUE(t.Height() == frame.bottom - frame.top - 8 || t.Width() >= frame.right - frame.left - 8 - 3);
}

TEST_F(ThumbnailProgressTest, CancelTextInTheCurrentLanguage) {
    width_ = 850;
    length_ = 1100;
    for (auto language : {std::make_pair(LanguageGerman, "Abbrechen"),
                          std::make_pair(LanguageItalian, "Cancella")}) {
        UseLanguage(language.first);
        Open(kScanModeGray);
        EXPECT_EQ(language.second, WindowText(GetDlgItem(Window(), IDCANCEL)));
        EXPECT_EQ("Tavix Scanner", WindowText(Window()));
        EXPECT_TRUE(TextFits(GetDlgItem(Window(), IDCANCEL), false));
    }
}

TEST_F(ThumbnailProgressTest, ColorPageGrowsBlockByBlock) {
    StartPage(kScanModeColor, 100);
    ASSERT_EQ(850, width_);
    ASSERT_EQ(1100, length_);
    Open(kScanModeColor);
    const Thumbnail& t = window_->Picture();
    int64_t received = 0;
    bool halfwayShot = false;
    for (int rows; (rows = ReadBlock(40)) > 0;) {
        ASSERT_TRUE(window_->AddRows(block_.data(), rows));
        received += rows;
        EXPECT_EQ(received, t.RowsReceived());
        EXPECT_EQ(received * 100 / length_, BarPosition());
        EXPECT_EQ(t.Height() * received / length_, t.RowsFilled());
        if (!halfwayShot && received >= length_ * 6 / 10) {
            halfwayShot = true;
            DrainMessages();
            EXPECT_TRUE(SaveWindowPng(Window(), ScreenshotPath("dialog_330.png")));
            if (TrueColorScreen()) {
                EXPECT_EQ(0, ScreenMismatches());
            }
        }
        if (received >= length_) break;
    }
    EXPECT_EQ(length_, received);
    EXPECT_EQ(t.Height(), t.RowsFilled());
    EXPECT_EQ(100, BarPosition());
    // A full repaint (frame control included) draws the same picture again.
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    DrainMessages();
    if (TrueColorScreen()) {
        EXPECT_EQ(0, ScreenMismatches());
    }
    EXPECT_TRUE(SaveWindowPng(Window(), ScreenshotPath("dialog_330_done.png")));
}

TEST_F(ThumbnailProgressTest, BlackWhitePageGrowsToTheFullThumbnail) {
    StartPage(kScanModeBlackWhite, 150);
    Open(kScanModeBlackWhite);
    const Thumbnail& t = window_->Picture();
    for (int rows; (rows = ReadBlock(64)) > 0;) {
        ASSERT_TRUE(window_->AddRows(block_.data(), rows));
        if (t.RowsReceived() >= length_) break;
    }
    EXPECT_EQ(t.Height(), t.RowsFilled());
    DrainMessages();
    if (TrueColorScreen()) {
        EXPECT_EQ(0, ScreenMismatches());
    }
    EXPECT_TRUE(SaveWindowPng(Window(), ScreenshotPath("dialog_330_bw.png")));
}

TEST_F(ThumbnailProgressTest, CountZeroOnlyPumpsAndChecksForCancel) {
    width_ = 850;
    length_ = 1100;
    Open(kScanModeGray);
    CountingWindow counter;
    counter.Post(3);
    EXPECT_TRUE(window_->AddRows(nullptr, 0));
    EXPECT_EQ(3, counter.Received());
    EXPECT_EQ(0, window_->Picture().RowsReceived());
    EXPECT_EQ(0, BarPosition());
    SendMessageA(Window(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    EXPECT_FALSE(window_->AddRows(nullptr, 0));
}

TEST_F(ThumbnailProgressTest, EachBlockHandlesAtMostOneHundredMessages) {
    StartPage(kScanModeGray, 100);
    Open(kScanModeGray);
    DrainMessages();
    CountingWindow counter;
    counter.Post(130);
    const int rows = ReadBlock(16);
    ASSERT_TRUE(window_->AddRows(block_.data(), rows));
    EXPECT_EQ(100, counter.Received());
    ASSERT_TRUE(window_->AddRows(block_.data(), 0));
    EXPECT_EQ(130, counter.Received());
}

TEST_F(ThumbnailProgressTest, CancelEnterAndEscapeEndTheScanAtTheNextBlock) {
    StartPage(kScanModeGray, 100);
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        Open(kScanModeGray);
        DrainMessages();
        const int rows = ReadBlock(16);
        ASSERT_TRUE(window_->AddRows(block_.data(), rows));
        if (way == 0)
            PostMessageA(GetDlgItem(Window(), IDCANCEL), BM_CLICK, 0, 0);
        else
            PressKey(Window(), way == 1 ? VK_RETURN : VK_ESCAPE);
        EXPECT_FALSE(window_->Cancelled());
        EXPECT_FALSE(window_->AddRows(block_.data(), rows));
        EXPECT_TRUE(window_->Cancelled());
        // The cancelled block is not taken.
        EXPECT_EQ(rows, window_->Picture().RowsReceived());
        EXPECT_TRUE(IsWindow(Window()));
    }
}

TEST_F(ThumbnailProgressTest, SuspendQueryIsRefusedAndForcedSuspendCancels) {
    width_ = 850;
    length_ = 1100;
    Open(kScanModeColor);
    EXPECT_EQ(BROADCAST_QUERY_DENY, SendMessageA(Window(), WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0));
    EXPECT_EQ(TRUE, SendMessageA(Window(), WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, 0));
    EXPECT_TRUE(window_->AddRows(nullptr, 0));
    EXPECT_EQ(TRUE, SendMessageA(Window(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0));
    EXPECT_FALSE(window_->AddRows(nullptr, 0));
}

TEST_F(ThumbnailProgressTest, DestroyingTheObjectDestroysItsWindow) {
    width_ = 850;
    length_ = 1100;
    Open(kScanModeColor);
    const HWND window = Window();
    window_.reset();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(ThumbnailProgressTest, MissingTemplateLeavesNoWindowButCountsRows) {
    ThumbnailProgressDialog window(&Owner(), 9999, kScanModeGray, 100, 100);
    EXPECT_FALSE(window.IsOpen());
    std::vector<uint8_t> rows(100 * 10, 128);
    EXPECT_TRUE(window.AddRows(rows.data(), 10));
}

TEST_F(ThumbnailProgressTest, StillClockShowsOnlyTheFirstBlockUntilTheLast) {
    StartPage(kScanModeColor, 100);
    const std::vector<std::vector<uint8_t>> blocks = ReadPage(40);
    ASSERT_GT(blocks.size(), 4u);

    // The window as it ends when it has been brought up to date after every block.
    Open(kScanModeColor);
    for (const auto& block : blocks) ASSERT_TRUE(window_->AddRows(block.data(), Rows(block)));
    ASSERT_EQ(100, BarPosition());
    const std::vector<uint8_t> everyBlockScreen = ClientOnScreen();
    const std::vector<uint8_t> everyBlockThumbnail = ThumbnailPixels();
    ASSERT_FALSE(everyBlockScreen.empty());
    window_.reset();
    DrainMessages();

    // The same page on a clock that stands still.
    step_ = 0;
    Open(kScanModeColor);
    const Thumbnail& t = window_->Picture();
    ASSERT_TRUE(window_->AddRows(blocks[0].data(), Rows(blocks[0])));
    const int firstPercent = static_cast<int>(int64_t{Rows(blocks[0])} * 100 / length_);
    EXPECT_EQ(firstPercent, BarPosition());
    const std::vector<uint8_t> afterFirst = ClientOnScreen();
    int64_t received = Rows(blocks[0]);
    for (size_t i = 1; i + 1 < blocks.size(); ++i) {
        ASSERT_TRUE(window_->AddRows(blocks[i].data(), Rows(blocks[i])));
        received += Rows(blocks[i]);
        // The rows are taken at once; the bar waits for the next refresh.
        EXPECT_EQ(received, t.RowsReceived());
        EXPECT_EQ(t.Height() * received / length_, t.RowsFilled());
        EXPECT_EQ(firstPercent, BarPosition());
    }
    EXPECT_GT(t.RowsFilled(), t.Height() / 2);
    EXPECT_EQ(0u, Differences(afterFirst, ClientOnScreen()));

    ASSERT_TRUE(window_->AddRows(blocks.back().data(), Rows(blocks.back())));
    EXPECT_EQ(length_, t.RowsReceived());
    EXPECT_EQ(100, BarPosition());
    EXPECT_EQ(0u, Differences(everyBlockThumbnail, ThumbnailPixels()));
    EXPECT_EQ(0u, Differences(everyBlockScreen, ClientOnScreen()));
    if (TrueColorScreen()) {
        EXPECT_EQ(0, ScreenMismatches());
    }
}

TEST_F(ThumbnailProgressTest, BarFollowsTheBlockOfEachRefresh) {
    // Half an interval per block: every other block is shown, and the last.
    step_ = ProgressDialog::kRefreshMs / 2;
    StartPage(kScanModeGray, 100);
    const std::vector<std::vector<uint8_t>> blocks = ReadPage(48);
    ASSERT_EQ(23u, blocks.size());
    Open(kScanModeGray);
    int64_t received = 0, shown = 0;
    for (size_t i = 0; i < blocks.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(window_->AddRows(blocks[i].data(), Rows(blocks[i])));
        received += Rows(blocks[i]);
        if (i % 2 == 0 || i + 1 == blocks.size()) shown = received;
        EXPECT_EQ(shown * 100 / length_, BarPosition());
    }
    EXPECT_EQ(100, BarPosition());
}

TEST_F(ThumbnailProgressTest, CancelIsSeenAtTheNextRefresh) {
    step_ = 0;
    StartPage(kScanModeGray, 100);
    Open(kScanModeGray);
    DrainMessages();
    const int rows = ReadBlock(16);
    ASSERT_TRUE(window_->AddRows(block_.data(), rows));
    PostMessageA(GetDlgItem(Window(), IDCANCEL), BM_CLICK, 0, 0);
    CountingWindow counter;
    counter.Post(1);
    // Within the interval nothing is pumped, not even for a count of 0.
    EXPECT_TRUE(window_->AddRows(block_.data(), rows));
    EXPECT_TRUE(window_->AddRows(nullptr, 0));
    now_ += ProgressDialog::kRefreshMs - 1;
    EXPECT_TRUE(window_->AddRows(block_.data(), rows));
    EXPECT_TRUE(MessageWaiting(BM_CLICK));
    EXPECT_EQ(0, counter.Received());
    EXPECT_FALSE(window_->Cancelled());
    EXPECT_EQ(3 * rows, window_->Picture().RowsReceived());

    now_ += 1;
    EXPECT_FALSE(window_->AddRows(block_.data(), rows));
    EXPECT_TRUE(window_->Cancelled());
    EXPECT_EQ(1, counter.Received());
    // The block that saw the cancel is not taken.
    EXPECT_EQ(3 * rows, window_->Picture().RowsReceived());
}

TEST_F(ThumbnailProgressTest, CancelIsSeenAtTheLastBlockOnAStillClock) {
    step_ = 0;
    StartPage(kScanModeGray, 100);
    const std::vector<std::vector<uint8_t>> blocks = ReadPage(64);
    ASSERT_GT(blocks.size(), 2u);
    Open(kScanModeGray);
    DrainMessages();
    for (size_t i = 0; i + 1 < blocks.size(); ++i)
        ASSERT_TRUE(window_->AddRows(blocks[i].data(), Rows(blocks[i])));
    PressKey(Window(), VK_ESCAPE);
    EXPECT_FALSE(window_->Cancelled());
    EXPECT_FALSE(window_->AddRows(blocks.back().data(), Rows(blocks.back())));
    EXPECT_TRUE(window_->Cancelled());
    EXPECT_EQ(length_ - Rows(blocks.back()), window_->Picture().RowsReceived());
}

TEST_F(ThumbnailProgressTest, CancelAfterTheApplicationHadControlEndsTheNextBlock) {
    // A memory transfer's strips are calls of their own: between two of them
    // the user may have pressed Cancel, and the next strip must see it even
    // before the next refresh.
    step_ = 0;
    StartPage(kScanModeGray, 100);
    const std::vector<std::vector<uint8_t>> blocks = ReadPage(64);
    ASSERT_GT(blocks.size(), 3u);
    Open(kScanModeGray);
    DrainMessages();
    ASSERT_TRUE(window_->AddRows(blocks[0].data(), Rows(blocks[0])));
    PressKey(Window(), VK_ESCAPE);
    // Without the hint the still clock leaves the press unseen.
    ASSERT_TRUE(window_->AddRows(blocks[1].data(), Rows(blocks[1])));
    EXPECT_FALSE(window_->Cancelled());
    window_->ExpectInput();
    EXPECT_FALSE(window_->AddRows(blocks[2].data(), Rows(blocks[2])));
    EXPECT_TRUE(window_->Cancelled());
    EXPECT_EQ(Rows(blocks[0]) + Rows(blocks[1]), window_->Picture().RowsReceived());
}

}  // namespace

namespace {

TEST_F(ThumbnailProgressTest, WindowDestroyedFromOutsideStopsTheScan) {
    width_ = 850;
    length_ = 1100;
    Open(kScanModeColor);
    DestroyWindow(owner_.Detach());
    EXPECT_FALSE(window_->IsOpen());
    std::vector<uint8_t> rows(static_cast<size_t>(BytesPerLine(24, width_)) * 4, 200);
    EXPECT_FALSE(window_->AddRows(rows.data(), 4));
    EXPECT_EQ(0, window_->Picture().RowsReceived());
}

}  // namespace
