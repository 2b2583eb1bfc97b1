// DG_IMAGE / DAT_IMAGEINFO, and the true page length when the end of the
// page is detected: the sheet is read once, whatever is asked first.
#include "tests/datasource/enabled_source.h"

#include <cstring>

namespace {

class ImageInformation : public EnabledSource {
protected:
    TW_IMAGEINFO Info() {
        TW_IMAGEINFO info;
        std::memset(&info, 0x77, sizeof info);
        EXPECT_EQ(TWRC_SUCCESS, ImageInfo(info));
        return info;
    }
    TW_IMAGELAYOUT CurrentLayout() {
        TW_IMAGELAYOUT layout{};
        EXPECT_EQ(TWRC_SUCCESS, Layout(MSG_GET, layout));
        return layout;
    }
    void EnableInMode(int scanMode, int dpi) {
        Setting("ScanMode", scanMode);
        Setting("DPI", dpi);
        ASSERT_EQ(TWRC_SUCCESS, Open());
        ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    }
};

const TW_INT16 kUntouched = 0x7777;

TEST_F(ImageInformation, BlackAndWhiteIsOneBitPerPixel) {
    EnableInMode(2, 300);
    const TW_IMAGEINFO info = Info();
    EXPECT_EQ(300, info.XResolution.Whole);
    EXPECT_EQ(0, info.XResolution.Frac);
    EXPECT_EQ(300, info.YResolution.Whole);
    EXPECT_EQ(0, info.YResolution.Frac);
    EXPECT_EQ(2550, info.ImageWidth);
    EXPECT_EQ(3300, info.ImageLength);
    EXPECT_EQ(1, info.SamplesPerPixel);
    EXPECT_EQ(1, info.BitsPerSample[0]);
    for (int i = 1; i < 8; ++i) EXPECT_EQ(kUntouched, info.BitsPerSample[i]) << i;
    EXPECT_EQ(1, info.BitsPerPixel);
    EXPECT_EQ(FALSE, info.Planar);
    EXPECT_EQ(TWPT_BW, info.PixelType);
    EXPECT_EQ(TWCP_NONE, info.Compression);
}

TEST_F(ImageInformation, GrayIsEightBitsInOneSample) {
    EnableInMode(1, 150);
    const TW_IMAGEINFO info = Info();
    EXPECT_EQ(150, info.XResolution.Whole);
    EXPECT_EQ(150, info.YResolution.Whole);
    EXPECT_EQ(1275, info.ImageWidth);
    EXPECT_EQ(1650, info.ImageLength);
    EXPECT_EQ(1, info.SamplesPerPixel);
    EXPECT_EQ(8, info.BitsPerSample[0]);
    for (int i = 1; i < 8; ++i) EXPECT_EQ(kUntouched, info.BitsPerSample[i]) << i;
    EXPECT_EQ(8, info.BitsPerPixel);
    EXPECT_EQ(TWPT_GRAY, info.PixelType);
    EXPECT_EQ(FALSE, info.Planar);
    EXPECT_EQ(TWCP_NONE, info.Compression);
}

TEST_F(ImageInformation, ColorIsThreeSamplesOfEightBits) {
    EnableInMode(4, 300);
    const TW_IMAGEINFO info = Info();
    EXPECT_EQ(300, info.XResolution.Whole);
    EXPECT_EQ(300, info.YResolution.Whole);
    EXPECT_EQ(3, info.SamplesPerPixel);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(8, info.BitsPerSample[i]) << i;
    for (int i = 3; i < 8; ++i) EXPECT_EQ(kUntouched, info.BitsPerSample[i]) << i;
    EXPECT_EQ(24, info.BitsPerPixel);
    EXPECT_EQ(TWPT_RGB, info.PixelType);
    EXPECT_EQ(FALSE, info.Planar);
    EXPECT_EQ(TWCP_NONE, info.Compression);
}

TEST_F(ImageInformation, OnlyWhileAPageIsReady) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    TW_IMAGEINFO info{};
    EXPECT_EQ(TWRC_FAILURE, ImageInfo(info));
    EXPECT_EQ(TWCC_SEQERROR, Condition());
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    TW_PENDINGXFERS pending{};
    ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending));
    EXPECT_EQ(TWRC_FAILURE, ImageInfo(info));
    EXPECT_EQ(TWCC_SEQERROR, Condition());
}

// A sheet of 5 inches in a letter frame.
class EndOfPage : public ImageInformation {
protected:
    void SetUp() override {
        ImageInformation::SetUp();
        Scanner("sheet_length=500\n");
        Setting("DetectEOP", 1);
    }
};

TEST_F(EndOfPage, InformationReportsTheTrueLengthAndTheLayoutFollows) {
    EnableInMode(2, 300);
    EXPECT_EQ(0u, ScannerCalls("IO_StartScanPage"));
    const TW_IMAGEINFO info = Info();
    EXPECT_EQ(2550, info.ImageWidth);
    EXPECT_EQ(1500, info.ImageLength);
    const TW_IMAGELAYOUT layout = CurrentLayout();
    EXPECT_EQ(0, layout.Frame.Top.Whole);
    EXPECT_EQ(5, layout.Frame.Bottom.Whole);
    EXPECT_EQ(0, layout.Frame.Bottom.Frac);
    EXPECT_EQ(8, layout.Frame.Right.Whole);
    EXPECT_EQ(0x8000, layout.Frame.Right.Frac);
    EXPECT_EQ(1500, Info().ImageLength);
    // One sheet, read once, then ejected.
    EXPECT_EQ(1u, ScannerCalls("IO_StartScanPage"));
    EXPECT_EQ(1u, ScannerCalls("IO_FeedPage"));
}

TEST_F(EndOfPage, LayoutAskedFirstReadsTheSheetAndTheInformationAgrees) {
    Setting("Top", 100);
    EnableInMode(1, 100);
    const TW_IMAGELAYOUT layout = CurrentLayout();
    // The frame starts an inch down; the sheet ends at 5 inches.
    const double step = 1.0 / 65536.0;
    EXPECT_NEAR(1.0, Inches(layout.Frame.Top), step);
    EXPECT_NEAR(5.0, Inches(layout.Frame.Bottom), step);
    EXPECT_EQ(1u, ScannerCalls("IO_StartScanPage"));
    EXPECT_EQ(400, Info().ImageLength);
    EXPECT_NEAR(5.0, Inches(CurrentLayout().Frame.Bottom), step);
    EXPECT_EQ(1u, ScannerCalls("IO_StartScanPage"));
}

TEST_F(EndOfPage, FailedReadIsNotRepeatedAndThePageIsDescribedAsAnnounced) {
    Scanner("sheet_length=500\nblock_fails_after_rows=100\n");
    EnableInMode(2, 300);
    EXPECT_EQ(3300, Info().ImageLength);
    const TW_IMAGELAYOUT layout = CurrentLayout();
    EXPECT_EQ(11, layout.Frame.Bottom.Whole);
    EXPECT_EQ(0, layout.Frame.Bottom.Frac);
    EXPECT_EQ(1u, ScannerCalls("IO_StartScanPage"));
}

TEST_F(EndOfPage, NothingIsReadBeforeThePageIsReady) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    const TW_IMAGELAYOUT layout = CurrentLayout();
    EXPECT_EQ(11, layout.Frame.Bottom.Whole);
    EXPECT_EQ(0u, ScannerCalls("IO_StartScanPage"));
}

TEST_F(EndOfPage, EveryEnableReadsItsOwnSheet) {
    Scanner("sheets=2\nsheet_length=500\n");
    EnableInMode(2, 100);
    EXPECT_EQ(500, Info().ImageLength);
    TW_PENDINGXFERS pending{};
    ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending));
    ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui_));
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    // The second sheet is read for its own length.
    EXPECT_EQ(500, Info().ImageLength);
    EXPECT_EQ(2u, ScannerCalls("IO_StartScanPage"));
}

}  // namespace
