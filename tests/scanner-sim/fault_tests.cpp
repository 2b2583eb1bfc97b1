// Injected faults: each makes its call fail as a real failure would, and the
// scanner works again once the fault is cleared.
#include <gtest/gtest.h>

#include "brsvio_library.h"
#include "scan_helpers.h"

namespace {

class Faults : public ScannerTest {
protected:
    const ScanRecordBytes record_ = PageRecord(2, 100, 0, 0, 1100, 850);
    const PageShape shape_ = ShapeOf(record_);
    std::vector<uint8_t> buffer_ = std::vector<uint8_t>(static_cast<size_t>(shape_.stride) * 64);

    int Block(int lines, int32_t* eop = nullptr) {
        return io().GetImageBlock(buffer_.data(), lines, eop, shape_.width, 0);
    }
};

TEST_F(Faults, OpenFailsWhileTheScannerStaysPresent) {
    EXPECT_EQ(0, io().OpenInterface("Brisvane"));
    Configure("open_fails", 1);
    EXPECT_NE(0, io().OpenInterface("Brisvane"));
    EXPECT_EQ(1, io().HasScanner("Brisvane"));
    Configure("open_fails", 0);
    EXPECT_EQ(0, io().OpenInterface("Brisvane"));
}

TEST_F(Faults, NoScannerFailsPresenceAndOpen) {
    Configure("no_scanner", 1);
    EXPECT_EQ(0, io().HasScanner("Brisvane"));
    EXPECT_NE(0, io().OpenInterface("Brisvane"));
    io().Reset();
    EXPECT_EQ(1, io().HasScanner("Brisvane"));
}

TEST_F(Faults, OnlyTheConfiguredModelIsPresent) {
    EXPECT_EQ(1, io().HasScanner("brisvane"));
    EXPECT_EQ(0, io().HasScanner("Other"));
    EXPECT_EQ(0, io().HasScanner(nullptr));
    EXPECT_NE(0, io().OpenInterface("Other"));
    EXPECT_NE(0, io().OpenInterface(nullptr));
    Configure("model", "Other");
    EXPECT_EQ(1, io().HasScanner("Other"));
    EXPECT_EQ(0, io().HasScanner("Brisvane"));
}

TEST_F(Faults, StartScanFails) {
    EXPECT_EQ(1, io().StartScan());
    Configure("start_scan_fails", 1);
    EXPECT_EQ(0, io().StartScan());
    Configure("start_scan_fails", 0);
    EXPECT_EQ(1, io().StartScan());
}

TEST_F(Faults, PageStartFailsWithPaperPresent) {
    Configure("page_start_fails", 1);
    EXPECT_EQ(1, io().IsPaperOn());
    EXPECT_EQ(0, io().StartScanPage(record_.Data(), nullptr, nullptr));
    EXPECT_EQ(-1, Block(8));
    Configure("page_start_fails", 0);
    EXPECT_NE(0, io().StartScanPage(record_.Data(), nullptr, nullptr));
    EXPECT_EQ(8, Block(8));
}

TEST_F(Faults, PageDimensionFails) {
    int32_t width = 0, length = 0;
    Configure("page_dimension_fails", 1);
    EXPECT_EQ(0, io().GetPageDimension(record_.Data(), &width, &length));
    Configure("page_dimension_fails", 0);
    EXPECT_EQ(1, io().GetPageDimension(record_.Data(), &width, &length));
    EXPECT_EQ(850, width);
}

TEST_F(Faults, BlockReadFailsOnceTheRowCountIsReachedOnEveryPage) {
    Configure("block_fails_after_rows", 20);
    for (int page = 0; page < 2; ++page) {
        ASSERT_NE(0, io().StartScanPage(record_.Data(), nullptr, nullptr));
        int32_t eop = -3;
        EXPECT_EQ(8, Block(8, &eop));
        EXPECT_EQ(8, Block(8, &eop));
        EXPECT_EQ(4, Block(8, &eop)) << "rows up to the failure point are delivered";
        EXPECT_EQ(-1, Block(8, &eop));
        EXPECT_EQ(0, eop);
        EXPECT_EQ(-1, Block(1, &eop));
    }
    Configure("block_fails_after_rows", 0);
    ASSERT_NE(0, io().StartScanPage(record_.Data(), nullptr, nullptr));
    EXPECT_EQ(-1, Block(8));
    Configure("block_fails_after_rows", -1);
    ASSERT_NE(0, io().StartScanPage(record_.Data(), nullptr, nullptr));
    EXPECT_EQ(8, Block(8));
}

TEST_F(Faults, EmptyBlocksStallEachPageThenRowsFlow) {
    Configure("empty_blocks", 3);
    for (int page = 0; page < 2; ++page) {
        ASSERT_NE(0, io().StartScanPage(record_.Data(), nullptr, nullptr));
        for (int i = 0; i < 3; ++i) {
            int32_t eop = -3;
            EXPECT_EQ(0, Block(8, &eop)) << "call " << i;
            EXPECT_EQ(0, eop);
        }
        EXPECT_EQ(8, Block(8));
        EXPECT_EQ(8, Block(8));
    }
}

TEST_F(Faults, BlockDelayMakesEveryBlockCallWait) {
    Configure("block_delay_ms", 60);
    ASSERT_NE(0, io().StartScanPage(record_.Data(), nullptr, nullptr));
    const DWORD start = GetTickCount();
    EXPECT_EQ(8, Block(8));
    EXPECT_EQ(8, Block(8));
    // Sleep never returns early; the tick counter may lag by one tick.
    EXPECT_GE(GetTickCount() - start, 2u * 60u - 16u);
    EXPECT_EQ(0, io().Configure("block_delay_ms", "10001"));
    EXPECT_EQ(0, io().Configure("block_delay_ms", "-1"));
}

TEST_F(Faults, UnknownKeysAndBadValuesAreRefused) {
    EXPECT_EQ(0, io().Configure("no_such_key", "1"));
    EXPECT_EQ(0, io().Configure("sheets", "many"));
    EXPECT_EQ(0, io().Configure("sheets", "-1"));
    EXPECT_EQ(0, io().Configure("source", "scanner"));
    EXPECT_EQ(0, io().Configure("paper", "tabloid"));
    EXPECT_EQ(0, io().Configure("block_fails_after_rows", "-2"));
    EXPECT_EQ(0, io().Configure(nullptr, "1"));
    EXPECT_EQ(0, io().Configure("sheets", nullptr));
    // A refused value leaves the old one.
    EXPECT_EQ(1, io().IsPaperOn());
    EXPECT_EQ(1, io().Configure(" Start_Scan_Fails ", " 1 "));
    EXPECT_EQ(0, io().StartScan());
}

}  // namespace
