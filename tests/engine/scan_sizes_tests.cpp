#include "engine/scan_sizes.h"
#include "support/framed_settings.h"
#include "tests/engine/profile_fixture.h"

#include <cstring>

namespace {

TEST(ScanSizes, FindPaperSizeNeedsAnExactFrame) {
    ScanSettings letter = FramedSettings(0, 0, 1100, 850);
    EXPECT_EQ(1, FindPaperSize(&letter));
    ScanSettings shifted = FramedSettings(1, 0, 1100, 850);
    EXPECT_EQ(0, FindPaperSize(&shifted));
    ScanSettings card = FramedSettings(0, 0, 217, 354);
    EXPECT_EQ(6, FindPaperSize(&card));
    ScanSettings large = FramedSettings(0, 0, 400, 600);
    EXPECT_EQ(8, FindPaperSize(&large));
}

TEST(ScanSizes, EverySizeRoundTrips) {
    for (int index = 1; index <= kScanSizeCount; ++index) {
        ScanSettings s = FramedSettings(5, 5, 5, 5);
        SetPaperSize(index, &s);
        EXPECT_EQ(index, FindPaperSize(&s));
        EXPECT_EQ(0, s.Top);
        EXPECT_EQ(0, s.Left);
    }
}

TEST(ScanSizes, IndexOutsideOneToEightGivesLetter) {
    for (int index : {0, 9, -1, 1000}) {
        ScanSettings s = FramedSettings(10, 10, 300, 300);
        SetPaperSize(index, &s);
        EXPECT_EQ(1100, s.Bottom) << index;
        EXPECT_EQ(850, s.Right) << index;
    }
}

class ScanSizesCurrent : public ProfileFixture {};

TEST_F(ScanSizesCurrent, NullRecordIsLeftAloneAndMatchesNoSize) {
    const ScanSettings before = current_;
    SetPaperSize(2, nullptr);
    EXPECT_EQ(0, std::memcmp(&before, &current_, sizeof before));
    EXPECT_EQ(0, FindPaperSize(nullptr));
}

}  // namespace
