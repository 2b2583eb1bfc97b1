// The frame and image size texts under the preview, and the ruler scales.
#include "support/framed_settings.h"
#include "ui/preview_labels.h"
#include "ui/ruler_scale.h"

#include <gtest/gtest.h>

namespace {

TEST(PreviewLabels, LengthsInInchesAndCentimetres) {
    EXPECT_EQ("Width: 8.5 in", FrameLengthText("Width", 850, 1));
    EXPECT_EQ("Width: 21.6 cm", FrameLengthText("Width", 850, 0));
    EXPECT_EQ("Height: 35.6 cm", FrameLengthText("Height", 1400, 0));
    EXPECT_EQ("Breite: 0.0 in", FrameLengthText("Breite", 0, 1));
    EXPECT_STREQ("Cm", UnitButtonText(0));
    EXPECT_STREQ("In", UnitButtonText(1));
}

TEST(PreviewLabels, ImageSizeInKilobytesMegabytesAndGigabytes) {
    // 75 dpi black/white Letter: 638 x 825, rows of 80 bytes: 64.5 KB.
    EXPECT_EQ("Image size: 64.5 KB", ImageSizeText("Image size", FramedSettings(0, 0, 1100, 850, kScanModeBlackWhite, 75)));
    // 300 dpi colour: 2550 x 3300, rows of 7652 bytes: 24.08 MB.
    EXPECT_EQ("Image size: 24.08 MB", ImageSizeText("Image size", FramedSettings(0, 0, 1100, 850, kScanModeColor, 300)));
    // 300 dpi gray: 2550 x 3300 rows of 2552 bytes = 8.03 MB.
    EXPECT_EQ("Image size: 8.03 MB", ImageSizeText("Image size", FramedSettings(0, 0, 1100, 850, kScanModeGray, 300)));
    // 2400 dpi colour over the whole glass: 20736 x 33600 x 3 bytes = 1.95 GB.
    ScanSettings glass = FramedSettings(0, 0, 1100, 850, kScanModeColor, 2400);
    glass.Right = 864;
    glass.Bottom = 1400;
    EXPECT_EQ("Image size: 1.95 GB", ImageSizeText("Image size", glass));
    ScanSettings empty = FramedSettings(0, 0, 1100, 850, kScanModeColor, 300);
    empty.Right = 0;
    EXPECT_EQ("Image size: 0.0 KB", ImageSizeText("Image size", empty));
}

TEST(RulerScale, InchesAtZoomOneNumberEveryInchWithHalfInchMarks) {
    const std::vector<RulerMark> marks = RulerMarks(1, false, 1, 0, 254);
    ASSERT_FALSE(marks.empty());
    EXPECT_EQ(0, marks[0].position);
    EXPECT_TRUE(marks[0].longMark);
    EXPECT_EQ(0, marks[0].number);
    // Half an inch on, a short mark; one inch on, the long mark of 1.
    EXPECT_FALSE(marks[1].longMark);
    EXPECT_EQ(254 * 100 / 1728, marks[1].position);
    EXPECT_EQ(1, marks[2].number);
    EXPECT_EQ(254 * 100 / 864, marks[2].position);
    int numbers = 0;
    for (const RulerMark& mark : marks) {
        EXPECT_LT(mark.position, 254);
        if (mark.numbered) ++numbers;
    }
    EXPECT_EQ(9, numbers);  // 0..8 on 8.64 inches
    EXPECT_EQ(8, marks[2 * 8].number);
    EXPECT_TRUE(RulerNumberFits(1, marks[2 * 8], 254));  // 21 pixels left
    // A number needs 14 pixels before the end; short marks have none.
    EXPECT_FALSE(RulerNumberFits(1, RulerMark{245, true, true, 9}, 254));
    EXPECT_FALSE(RulerNumberFits(1, marks[1], 254));
}

TEST(RulerScale, ScrolledInchesStartAtTheNextWholeInch) {
    // Zoom 2, scrolled by 125 hundredths: the first number is 2 at 0.75 inch on.
    const std::vector<RulerMark> marks = RulerMarks(1, false, 2, 125, 254);
    ASSERT_GE(marks.size(), 2u);
    // 75 hundredths left to the inch (> 50): a short mark comes first.
    EXPECT_FALSE(marks[0].longMark);
    EXPECT_EQ(2 * 75 * 254 / 864 - 2 * 254 * 100 / 1728, marks[0].position);
    EXPECT_TRUE(marks[1].longMark);
    EXPECT_EQ(2, marks[1].number);
    EXPECT_EQ(2 * 75 * 254 / 864, marks[1].position);
}

TEST(RulerScale, VerticalInchesCoverFourteenInches) {
    const std::vector<RulerMark> marks = RulerMarks(1, true, 1, 0, 392);
    int last = -1;
    for (const RulerMark& mark : marks)
        if (mark.numbered) last = mark.number;
    EXPECT_EQ(13, last);  // 14 inches start at the ruler's end
}

TEST(RulerScale, CentimetresNumberEveryFifthMark) {
    const std::vector<RulerMark> marks = RulerMarks(0, false, 1, 0, 254);
    ASSERT_GE(marks.size(), 21u);
    EXPECT_EQ(0, marks[0].number);
    EXPECT_TRUE(marks[0].numbered);
    EXPECT_FALSE(marks[1].numbered);
    EXPECT_FALSE(marks[1].longMark);
    EXPECT_TRUE(marks[5].numbered);
    EXPECT_EQ(5, marks[5].number);
    EXPECT_EQ(static_cast<int>(5LL * 254 * 10000 / 219456), marks[5].position);
    // 21.9 cm wide: marks 0..21.
    EXPECT_EQ(21, marks.back().number);
    const std::vector<RulerMark> vertical = RulerMarks(0, true, 1, 0, 392);
    EXPECT_EQ(34, vertical.back().number);  // 35 marks
}

TEST(RulerScale, NothingForAnEmptyRulerOrNoZoom) {
    EXPECT_TRUE(RulerMarks(1, false, 1, 0, 0).empty());
    EXPECT_TRUE(RulerMarks(0, true, 0, 0, 300).empty());
}

}  // namespace
