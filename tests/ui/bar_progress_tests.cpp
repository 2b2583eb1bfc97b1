// The bar-only progress window of page store reads (template 331), with a
// clock the test moves by hand; it times both the projection and the refreshes.
#include "support/dialog_driver.h"
#include "support/png_file.h"
#include "progress_test_support.h"
#include "ui_fixture.h"

#include "resources/progress_window_ids.h"
#include "ui/bar_progress_dialog.h"

#include <cstdlib>
#include <memory>

namespace {

class BarProgressTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        bar_ = std::make_unique<BarProgressDialog>(&Owner(), [this] { return now_; });
        ASSERT_TRUE(bar_->IsOpen());
        DrainMessages();
    }
    void TearDown() override {
        bar_.reset();
        UiTest::TearDown();
    }

    HWND Window() const { return bar_->GetSafeHwnd(); }
    bool Visible() const { return IsWindowVisible(Window()) != FALSE; }
    int BarPosition() const {
        return static_cast<int>(SendMessageA(GetDlgItem(Window(), IDC_PROGRESS_BAR), PBM_GETPOS, 0, 0));
    }
    // Reports `percent` after `elapsedMs` since the window was made.
    bool At(uint32_t elapsedMs, int percent) {
        now_ = kStart + elapsedMs;
        return bar_->SetPercent(percent);
    }
    void ShowIt() {
        ASSERT_TRUE(At(10000, 20));
        ASSERT_TRUE(Visible());
        DrainMessages();
    }

    // Near the clock's wrap, so that the elapsed time must be computed right across it.
    static constexpr uint32_t kStart = 0xFFFFF000u;
    uint32_t now_ = kStart;
    std::unique_ptr<BarProgressDialog> bar_;
};

TEST_F(BarProgressTest, MadeHiddenWithCaptionCancelTextAndEmptyBar) {
    EXPECT_FALSE(Visible());
    EXPECT_EQ("Tavix Scanner", WindowText(Window()));
    EXPECT_EQ("Cancel", WindowText(GetDlgItem(Window(), IDCANCEL)));
    EXPECT_EQ(OwnerHwnd(), GetWindow(Window(), GW_OWNER));
    EXPECT_EQ(0, BarPosition());
    EXPECT_EQ(100, SendMessageA(GetDlgItem(Window(), IDC_PROGRESS_BAR), PBM_GETRANGE, FALSE, 0));
    EXPECT_FALSE(bar_->Cancelled());
}

TEST_F(BarProgressTest, CentredOnItsOwner) {
    RECT owner, window;
    GetWindowRect(OwnerHwnd(), &owner);
    GetWindowRect(Window(), &window);
    EXPECT_LE(std::abs((owner.left + owner.right) - (window.left + window.right)), 2);
    EXPECT_LE(std::abs((owner.top + owner.bottom) - (window.top + window.bottom)), 2);
}

TEST_F(BarProgressTest, ReadWithinThreeSecondsIsNeverShown) {
    // 2.5 seconds for the whole read.
    for (int percent = 0; percent <= 100; percent += 5) {
        EXPECT_TRUE(At(static_cast<uint32_t>(25 * percent), percent));
        EXPECT_FALSE(Visible()) << percent;
        EXPECT_FALSE(bar_->IsShown());
    }
}

TEST_F(BarProgressTest, TenSecondReadIsShownAtTwentyPercent) {
    for (int percent = 1; percent < 20; ++percent) {
        EXPECT_TRUE(At(static_cast<uint32_t>(100 * percent), percent));
        EXPECT_FALSE(Visible()) << percent;
    }
    EXPECT_TRUE(At(2000, 20));
    EXPECT_TRUE(Visible());
    EXPECT_EQ(20, BarPosition());
    EXPECT_TRUE(At(6000, 60));
    EXPECT_EQ(60, BarPosition());
    DrainMessages();
    EXPECT_TRUE(SaveWindowPng(Window(), ScreenshotPath("dialog_331.png")));
}

TEST_F(BarProgressTest, ShownOnceTheProjectionReachesThreeSeconds) {
    EXPECT_TRUE(At(400, 20));   // projected 2.0 s
    EXPECT_TRUE(At(870, 30));   // 2.9 s
    EXPECT_FALSE(Visible());
    EXPECT_TRUE(At(1200, 40));  // exactly 3.0 s
    EXPECT_TRUE(Visible());
    EXPECT_EQ(40, BarPosition());
}

TEST_F(BarProgressTest, UnderTwentyPercentNothingIsPumped) {
    CountingWindow counter;
    counter.Post(5);
    EXPECT_TRUE(At(100000, 19));
    EXPECT_EQ(0, counter.Received());
    // Nor while the projection stays under three seconds; once shown, every step pumps.
    EXPECT_TRUE(At(100, 50));
    EXPECT_FALSE(Visible());
    EXPECT_EQ(0, counter.Received());
    EXPECT_TRUE(At(100000, 60));
    EXPECT_EQ(5, counter.Received());
}

TEST_F(BarProgressTest, EachStepHandlesAtMostOneHundredMessages) {
    ShowIt();
    CountingWindow counter;
    counter.Post(150);
    EXPECT_TRUE(At(12000, 30));
    EXPECT_EQ(100, counter.Received());
    EXPECT_TRUE(At(14000, 35));
    EXPECT_EQ(150, counter.Received());
}

TEST_F(BarProgressTest, CancelButtonEndsTheReadAtTheNextStep) {
    ShowIt();
    PostMessageA(GetDlgItem(Window(), IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_FALSE(bar_->Cancelled());  // not before the window has had its messages
    EXPECT_FALSE(At(12000, 30));
    EXPECT_TRUE(bar_->Cancelled());
    EXPECT_EQ(20, BarPosition());
    EXPECT_TRUE(IsWindow(Window()));  // stays until its owner destroys it
    EXPECT_FALSE(At(13000, 40));
}

TEST_F(BarProgressTest, EnterAndEscapeCancel) {
    for (WORD key : {VK_RETURN, VK_ESCAPE}) {
        bar_ = std::make_unique<BarProgressDialog>(&Owner(), [this] { return now_; });
        now_ = kStart;
        ShowIt();
        SetForegroundWindow(Window());
        PressKey(Window(), key);
        EXPECT_FALSE(At(12000, 30)) << key;
    }
}

TEST_F(BarProgressTest, SuspendQueryIsRefusedAndForcedSuspendCancels) {
    ShowIt();
    EXPECT_EQ(BROADCAST_QUERY_DENY,
              SendMessageA(Window(), WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0));
    EXPECT_EQ(TRUE, SendMessageA(Window(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0));
    EXPECT_TRUE(At(12000, 30));
    EXPECT_EQ(TRUE, SendMessageA(Window(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0));
    EXPECT_FALSE(At(13000, 40));
}

TEST_F(BarProgressTest, HiddenWindowAlsoRefusesSuspend) {
    EXPECT_EQ(BROADCAST_QUERY_DENY,
              SendMessageA(Window(), WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0));
    EXPECT_FALSE(bar_->Cancelled());
}

TEST_F(BarProgressTest, CancelTextInOtherLanguages) {
    for (auto language : {std::make_pair(LanguageGerman, "Abbrechen"),
                          std::make_pair(LanguageFrench, "Annuler"),
                          std::make_pair(LanguageSpanish, "Cancelar")}) {
        UseLanguage(language.first);
        BarProgressDialog bar(&Owner(), [this] { return now_; });
        ASSERT_TRUE(bar.IsOpen());
        EXPECT_EQ(language.second, WindowText(GetDlgItem(bar.GetSafeHwnd(), IDCANCEL)));
        EXPECT_EQ("Tavix Scanner", WindowText(bar.GetSafeHwnd()));
        EXPECT_TRUE(TextFits(GetDlgItem(bar.GetSafeHwnd(), IDCANCEL), false));
    }
}

TEST_F(BarProgressTest, DestroyingTheObjectDestroysItsWindow) {
    ShowIt();
    const HWND window = Window();
    bar_.reset();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(BarProgressTest, WithoutOwnerItIsCentredOnTheScreen) {
    BarProgressDialog bar(nullptr);
    ASSERT_TRUE(bar.IsOpen());
    EXPECT_EQ(nullptr, GetWindow(bar.GetSafeHwnd(), GW_OWNER));
    RECT window, area;
    GetWindowRect(bar.GetSafeHwnd(), &window);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_LE(std::abs((area.left + area.right) - (window.left + window.right)), 2);
    // With the real clock a read at 100 per cent right away is never shown.
    EXPECT_TRUE(bar.SetPercent(100));
    EXPECT_FALSE(bar.IsShown());
}

TEST_F(BarProgressTest, StepsWithinARefreshIntervalNeitherPumpNorMoveTheBar) {
    ShowIt();
    EXPECT_EQ(20, BarPosition());
    CountingWindow counter;
    counter.Post(5);
    const uint32_t shownAt = 10000;
    EXPECT_TRUE(At(shownAt, 30));
    EXPECT_TRUE(At(shownAt + ProgressDialog::kRefreshMs - 1, 40));
    EXPECT_EQ(20, BarPosition());
    EXPECT_EQ(0, counter.Received());
    EXPECT_TRUE(At(shownAt + ProgressDialog::kRefreshMs, 50));
    EXPECT_EQ(50, BarPosition());
    EXPECT_EQ(5, counter.Received());
    // The end is always shown.
    EXPECT_TRUE(At(shownAt + ProgressDialog::kRefreshMs, 100));
    EXPECT_EQ(100, BarPosition());
}

TEST_F(BarProgressTest, CancelIsSeenAtTheNextRefresh) {
    ShowIt();
    PostMessageA(GetDlgItem(Window(), IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(At(10000, 30));
    EXPECT_TRUE(At(10000 + ProgressDialog::kRefreshMs - 1, 40));
    EXPECT_FALSE(bar_->Cancelled());
    EXPECT_FALSE(At(10000 + ProgressDialog::kRefreshMs, 50));
    EXPECT_TRUE(bar_->Cancelled());
    EXPECT_EQ(20, BarPosition());
}

TEST_F(BarProgressTest, CancelIsSeenAtTheLastStepWithinTheInterval) {
    ShowIt();
    PostMessageA(GetDlgItem(Window(), IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(At(10001, 90));
    EXPECT_FALSE(At(10002, 100));
    EXPECT_TRUE(bar_->Cancelled());
    EXPECT_EQ(20, BarPosition());
}

}  // namespace

namespace {

TEST_F(BarProgressTest, WindowDestroyedFromOutsideStopsTheRead) {
    ShowIt();
    // The application closes its window, and the owned progress window goes with it.
    DestroyWindow(owner_.Detach());
    EXPECT_FALSE(IsWindow(Window()));
    EXPECT_FALSE(bar_->IsOpen());
    EXPECT_FALSE(At(12000, 30));
}

TEST_F(BarProgressTest, QuitRequestIsLeftForTheApplicationsLoop) {
    ShowIt();
    CountingWindow counter;
    counter.Post(2);
    PostQuitMessage(7);
    EXPECT_TRUE(At(12000, 30));
    EXPECT_EQ(2, counter.Received());
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
}

}  // namespace
