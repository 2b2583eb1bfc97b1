// The source's temporary folder after each way a transfer can go: the
// native transfer's bitmap ("SCN") and the page store ("SPF") never outlive
// the transfer, whether it succeeded, was cancelled or failed.
#include "tests/datasource/transfer_session.h"

#include "tests/datasource/progress_window_finder.h"

#include <string>

namespace {

enum class Mechanism { kNative, kFile, kMemory };
enum class Outcome { kDone, kCancelled, kBlockFails, kPageStartFails };

struct TransferPath {
    Mechanism mechanism;
    bool detectEndOfPage;
    Outcome outcome;
};

std::string NameOf(const TransferPath& path) {
    const char* mechanism = path.mechanism == Mechanism::kNative ? "Native"
                            : path.mechanism == Mechanism::kFile ? "File"
                                                                 : "Memory";
    const char* outcome = path.outcome == Outcome::kDone        ? "Done"
                          : path.outcome == Outcome::kCancelled ? "Cancelled"
                          : path.outcome == Outcome::kBlockFails ? "BlockFails"
                                                                 : "PageStartFails";
    return std::string(mechanism) + (path.detectEndOfPage ? "Detected" : "Straight") + outcome;
}

class TemporaryFolder : public TransferSession, public testing::WithParamInterface<TransferPath> {
protected:
    TW_UINT16 Run(Mechanism mechanism) {
        switch (mechanism) {
        case Mechanism::kNative: {
            HGLOBAL dib = nullptr;
            const TW_UINT16 rc = NativeTransfer(dib);
            if (dib) GlobalFree(dib);
            return rc;
        }
        case Mechanism::kFile:
            return FileTransfer();
        case Mechanism::kMemory:
        default: {
            std::vector<uint8_t> rows;
            std::vector<TW_IMAGEMEMXFER> strips;
            return MemoryPage(65536, rows, strips);
        }
        }
    }
};

TEST_P(TemporaryFolder, HoldsNothingAfterTheTransferAndAfterItsEnd) {
    const TransferPath path = GetParam();
    const bool cancel = path.outcome == Outcome::kCancelled;
    if (path.outcome == Outcome::kBlockFails) Scanner("block_fails_after_rows=150\n");
    if (path.outcome == Outcome::kPageStartFails) Scanner("page_start_fails=1\n");
    if (cancel) Scanner(kSlowBlocks);
    Page(1, 100, 0, 0, cancel ? 1100 : 450, 850);
    if (path.detectEndOfPage) DetectEndOfPage();
    OpenAndEnable(cancel);
    ASSERT_EQ(TWRC_SUCCESS, SetFileName(temp_.File("page.bmp")));

    TW_UINT16 rc = TWRC_FAILURE;
    {
        MessageBoxWatcher watcher;
        if (cancel) {
            WhenProgressShows canceller;
            rc = Run(path.mechanism);
            EXPECT_TRUE(canceller.Pressed());
        } else {
            // No progress window: the watcher only meets message boxes.
            rc = Run(path.mechanism);
        }
    }
    const TW_UINT16 expected = path.outcome == Outcome::kDone        ? TWRC_XFERDONE
                               : path.outcome == Outcome::kCancelled ? TWRC_CANCEL
                                                                     : TWRC_FAILURE;
    EXPECT_EQ(expected, rc);
    EXPECT_EQ(std::vector<std::string>{}, TemporaryFiles());
    TW_UINT16 count = 0xBEEF;
    EXPECT_EQ(TWRC_SUCCESS, EndTransfer(count));
    EXPECT_EQ(std::vector<std::string>{}, TemporaryFiles());
    EXPECT_EQ(path.mechanism == Mechanism::kFile && path.outcome == Outcome::kDone,
              FileExists(temp_.File("page.bmp")));
}

std::vector<TransferPath> AllPaths() {
    std::vector<TransferPath> paths;
    for (Mechanism mechanism : {Mechanism::kNative, Mechanism::kFile, Mechanism::kMemory})
        for (bool detect : {false, true})
            for (Outcome outcome :
                 {Outcome::kDone, Outcome::kCancelled, Outcome::kBlockFails, Outcome::kPageStartFails})
                paths.push_back({mechanism, detect, outcome});
    return paths;
}

INSTANTIATE_TEST_SUITE_P(Paths, TemporaryFolder, testing::ValuesIn(AllPaths()),
                         [](const testing::TestParamInfo<TransferPath>& info) { return NameOf(info.param); });

}  // namespace
