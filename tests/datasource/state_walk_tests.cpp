// Long random walks through DS_Entry, as an application gone astray makes
// them: the triplets that open, enable, transfer, end, disable and close, in
// any order and state, with memory buffers of any size, pages of changing
// size from session to session and parent windows of every kind. The source
// must never bring the process down, never write past a buffer, never read
// a sheet it did not start, and hold nothing of a page once it is closed.
#include "tests/datasource/fenced_buffer.h"
#include "tests/datasource/progress_window_finder.h"
#include "tests/datasource/transfer_session.h"

#include <cstdio>
#include <random>
#include <sstream>

namespace {

constexpr int kSteps = 3000;

class StateWalk : public TransferSession, public testing::WithParamInterface<uint32_t> {
protected:
    void SetUp() override {
        TransferSession::SetUp();
        // A library that serves a stale sheet's rows to reads without a
        // started sheet, so that such a read shows in its log.
        Scanner("sheets=100000\nrows_without_page=1\n");
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    void Step() {
        switch (Pick(12)) {
        case 0: {  // a page of another size for the next session
            static const int kModes[] = {1, 2, 4};
            static const int kResolutions[] = {75, 100, 150};
            const int left = Pick(4) * 50;
            const int top = Pick(4) * 50;
            Page(kModes[Pick(3)], kResolutions[Pick(3)], top, left, top + 100 + Pick(3) * 100,
                 left + 100 + Pick(4) * 100);
            if (Open() == TWRC_SUCCESS) Answer(SetFileName(file_));
            break;
        }
        case 1:
            Answer(Close());
            ExpectNothingHeld();
            break;
        case 2: {
            HWND parents[] = {window_.Handle(), GetDesktopWindow(), nullptr};
            ui_.hParent = parents[Pick(3)];
            Answer(SetIndicators(Pick(4) == 0));
            Answer(EnableWithoutUi());
            break;
        }
        case 3:
            Answer(Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui_));
            break;
        case 4: {
            TW_IMAGEINFO info{};
            Answer(ImageInfo(info));
            break;
        }
        case 5: {
            HGLOBAL dib = nullptr;
            Answer(NativeTransfer(dib));
            if (dib) GlobalFree(dib);
            break;
        }
        case 6:
            Answer(FileTransfer());
            DeleteFileA(file_.c_str());
            break;
        case 7:
        case 8:
            MemoryStrip();
            break;
        case 9: {
            TW_PENDINGXFERS pending{};
            Answer(Call(DG_CONTROL, DAT_PENDINGXFERS, Pick(3) == 0 ? MSG_RESET : MSG_ENDXFER, &pending));
            break;
        }
        case 10:
            EventLoop();
            break;
        default: {
            TW_SETUPMEMXFER setup{};
            Answer(Call(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup));
            break;
        }
        }
    }

    // One strip into a buffer of a size an application might offer, or not.
    void MemoryStrip() {
        static const uint32_t kSizes[] = {0, 1, 700, 4096, 16384, 131072, 400000};
        const uint32_t size = kSizes[Pick(7)];
        FencedBuffer buffer(size);
        ASSERT_NE(nullptr, buffer.Bytes());
        TW_IMAGEMEMXFER strip{};
        strip.Memory = {TWMF_APPOWNS | TWMF_POINTER, size, buffer.Bytes()};
        const TW_UINT16 rc = Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &strip);
        Answer(rc);
        if (rc == TWRC_SUCCESS) ++stripsBeforeTheLast_;
        if (rc == TWRC_SUCCESS || rc == TWRC_XFERDONE) {
            EXPECT_LE(strip.BytesWritten, size);
            EXPECT_EQ(strip.BytesPerRow * strip.Rows, strip.BytesWritten);
        }
    }

    // What the application's loop does with the queued messages.
    void EventLoop() {
        MSG message;
        for (int i = 0; i < 20 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
            TW_EVENT event{&message, MSG_NULL};
            Answer(Call(DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event));
            DispatchMessageA(&message);
        }
    }

    void Answer(TW_UINT16 rc) {
        EXPECT_LE(rc, TWRC_XFERDONE) << "step " << step_;
        if (rc == TWRC_FAILURE) Condition();
        if (rc == TWRC_XFERDONE) ++pagesDone_;
    }

    // A closed source holds no window, no disabled owner, no file and no sheet.
    void ExpectNothingHeld() {
        EXPECT_EQ(nullptr, FindProgressWindow()) << "step " << step_;
        EXPECT_TRUE(IsWindowEnabled(window_.Handle())) << "step " << step_;
        EXPECT_TRUE(TemporaryFiles().empty()) << "step " << step_;
        EXPECT_EQ(std::string::npos, ScannerCallLog().find("fault rows_without_page")) << "step " << step_;
    }

    std::string file_ = temp_.File("walk.bmp");
    std::mt19937 random_{GetParam()};
    int step_ = 0;
    int pagesDone_ = 0;
    int stripsBeforeTheLast_ = 0;
};

TEST_P(StateWalk, NeverFailsTheProcessAndClosesClean) {
    MessageBoxWatcher watcher;
    for (step_ = 0; step_ < kSteps && !HasFailure(); ++step_) Step();
    ASSERT_EQ(TWRC_SUCCESS, Close());
    ExpectNothingHeld();
    // The walk went through whole pages and broke strips off.
    std::printf("%d pages transferred, %d strips before a page's last\n", pagesDone_, stripsBeforeTheLast_);
    EXPECT_GT(pagesDone_, 0);
    EXPECT_GT(stripsBeforeTheLast_, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, StateWalk, testing::Values(1u, 2u, 3u));

}  // namespace
