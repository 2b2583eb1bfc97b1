// DG_IMAGE / DAT_IMAGELAYOUT: the scan frame in inches, clamped to the glass.
#include "tests/datasource/enabled_source.h"

namespace {

TW_FIX32 Fix(double inches) {
    // The nearest 1/65536 of an inch.
    const long scaled = static_cast<long>(inches * 65536.0 + (inches >= 0 ? 0.5 : -0.5));
    TW_FIX32 fix;
    fix.Whole = static_cast<TW_INT16>(scaled >> 16);
    fix.Frac = static_cast<TW_UINT16>(scaled & 0xFFFF);
    return fix;
}

TW_IMAGELAYOUT Frame(double left, double top, double right, double bottom) {
    TW_IMAGELAYOUT layout{};
    layout.Frame.Left = Fix(left);
    layout.Frame.Top = Fix(top);
    layout.Frame.Right = Fix(right);
    layout.Frame.Bottom = Fix(bottom);
    // Numbers the source ignores.
    layout.DocumentNumber = 9;
    layout.PageNumber = 9;
    layout.FrameNumber = 9;
    return layout;
}

void ExpectFrame(const TW_IMAGELAYOUT& layout, double left, double top, double right, double bottom) {
    const double step = 1.0 / 65536.0;
    EXPECT_NEAR(left, Inches(layout.Frame.Left), step);
    EXPECT_NEAR(top, Inches(layout.Frame.Top), step);
    EXPECT_NEAR(right, Inches(layout.Frame.Right), step);
    EXPECT_NEAR(bottom, Inches(layout.Frame.Bottom), step);
    EXPECT_EQ(1u, layout.DocumentNumber);
    EXPECT_EQ(1u, layout.PageNumber);
    EXPECT_EQ(1u, layout.FrameNumber);
}

class ImageLayout : public EnabledSource {
protected:
    TW_UINT16 Set(double left, double top, double right, double bottom) {
        TW_IMAGELAYOUT layout = Frame(left, top, right, bottom);
        return Layout(MSG_SET, layout);
    }
    TW_IMAGELAYOUT Current() {
        TW_IMAGELAYOUT layout = Frame(7, 7, 7, 7);
        EXPECT_EQ(TWRC_SUCCESS, Layout(MSG_GET, layout));
        return layout;
    }
};

TEST_F(ImageLayout, DefaultIsTheLetterFrame) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, Set(1, 1, 5, 5));
    TW_IMAGELAYOUT layout = Frame(7, 7, 7, 7);
    ASSERT_EQ(TWRC_SUCCESS, Layout(MSG_GETDEFAULT, layout));
    EXPECT_EQ(0, layout.Frame.Left.Whole);
    EXPECT_EQ(0, layout.Frame.Left.Frac);
    EXPECT_EQ(0, layout.Frame.Top.Whole);
    EXPECT_EQ(8, layout.Frame.Right.Whole);
    EXPECT_EQ(0x8000, layout.Frame.Right.Frac);
    EXPECT_EQ(11, layout.Frame.Bottom.Whole);
    EXPECT_EQ(0, layout.Frame.Bottom.Frac);
    ExpectFrame(layout, 0, 0, 8.5, 11);
    // The default changes nothing.
    ExpectFrame(Current(), 0.99, 0.99, 5.0, 5.0);
}

TEST_F(ImageLayout, LetterFrameIsTakenAsItIs) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    EXPECT_EQ(TWRC_SUCCESS, Set(0, 0, 8.5, 11));
    ExpectFrame(Current(), 0, 0, 8.5, 11);
}

TEST_F(ImageLayout, TopAndLeftMoveOutByAHundredthWhileZeroStaysZero) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    EXPECT_EQ(TWRC_SUCCESS, Set(1, 1, 5, 5));
    ExpectFrame(Current(), 0.99, 0.99, 5.0, 5.0);
    // No condition goes with it.
    EXPECT_EQ(TWCC_SUCCESS, Condition());
}

TEST_F(ImageLayout, RightBeyondTheGlassIsClampedWithCheckStatus) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    EXPECT_EQ(TWRC_CHECKSTATUS, Set(0, 0, 9, 11));
    EXPECT_EQ(TWCC_SUCCESS, Condition());
    ExpectFrame(Current(), 0, 0, 8.64, 11);
}

TEST_F(ImageLayout, FrameTooNarrowAtTheRightEdgeIsMovedInAndWidened) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    // Left 849 is clamped to 814; Right 860 is raised to 814 + 50.
    EXPECT_EQ(TWRC_CHECKSTATUS, Set(8.5, 0, 8.6, 11));
    ExpectFrame(Current(), 8.14, 0, 8.64, 11);
}

TEST_F(ImageLayout, FrameTooShortIsLengthenedToATenthOfAnInch) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    // Top 199, Bottom 205 is raised to 209.
    EXPECT_EQ(TWRC_CHECKSTATUS, Set(0, 2.0, 8.5, 2.05));
    ExpectFrame(Current(), 0, 1.99, 8.5, 2.09);
}

TEST_F(ImageLayout, NegativeAndHugeValuesAreClampedToTheGlass) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    EXPECT_EQ(TWRC_CHECKSTATUS, Set(-3, -1, 30000, 30000));
    ExpectFrame(Current(), 0, 0, 8.64, 14.0);
}

TEST_F(ImageLayout, ResetGoesBackToTheLetterFrameAndReportsIt) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, Set(1, 1, 5, 5));
    TW_IMAGELAYOUT layout = Frame(7, 7, 7, 7);
    EXPECT_EQ(TWRC_SUCCESS, Layout(MSG_RESET, layout));
    ExpectFrame(layout, 0, 0, 8.5, 11);
    ExpectFrame(Current(), 0, 0, 8.5, 11);
}

TEST_F(ImageLayout, FrameReadFromTheProfileIsReported) {
    Setting("Top", 50);
    Setting("Left", 25);
    Setting("Bottom", 700);
    Setting("Right", 600);
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ExpectFrame(Current(), 0.25, 0.5, 6.0, 7.0);
}

TEST_F(ImageLayout, FrameThatWasSetIsTheOneTheScannerMeasures) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, Set(1, 1, 5, 5));
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    TW_IMAGEINFO info{};
    ASSERT_EQ(TWRC_SUCCESS, ImageInfo(info));
    // 4.01 inches at 300 dpi.
    EXPECT_EQ(1203, info.ImageWidth);
    EXPECT_EQ(1203, info.ImageLength);
    // Without end-of-page detection the layout is the frame, and nothing is scanned for it.
    ExpectFrame(Current(), 0.99, 0.99, 5.0, 5.0);
    EXPECT_EQ(0u, ScannerCalls("IO_StartScanPage"));
}

TEST_F(ImageLayout, SetAndResetOnlyInStateFourGettersUpToSix) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    TW_IMAGELAYOUT layout = Frame(1, 1, 5, 5);
    EXPECT_EQ(TWRC_FAILURE, Layout(MSG_SET, layout));
    EXPECT_EQ(TWCC_SEQERROR, Condition());
    EXPECT_EQ(TWRC_FAILURE, Layout(MSG_RESET, layout));
    EXPECT_EQ(TWCC_SEQERROR, Condition());
    EXPECT_EQ(TWRC_SUCCESS, Layout(MSG_GETDEFAULT, layout));
    ExpectFrame(Current(), 0, 0, 8.5, 11);

    TW_PENDINGXFERS pending{};
    ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending));
    // State 5.
    layout = Frame(1, 1, 5, 5);
    EXPECT_EQ(TWRC_FAILURE, Layout(MSG_SET, layout));
    EXPECT_EQ(TWCC_SEQERROR, Condition());
    ExpectFrame(Current(), 0, 0, 8.5, 11);
}

}  // namespace
