#include "datasource/fix32.h"

#include <gtest/gtest.h>

namespace {

TW_FIX32 Fix(int16_t whole, uint16_t frac) {
    TW_FIX32 f;
    f.Whole = whole;
    f.Frac = frac;
    return f;
}

TEST(Fix32, MinusOneAndAHalfIsMinusTwoPlusHalf) {
    TW_FIX32 f = FloatToFix32(-1.5f);
    EXPECT_EQ(-2, f.Whole);
    EXPECT_EQ(0x8000, f.Frac);
}

TEST(Fix32, PhysicalWidthRoundsToTheNearestStep) {
    TW_FIX32 f = FloatToFix32(8.64f);
    EXPECT_EQ(8, f.Whole);
    EXPECT_EQ(0xA3D7, f.Frac);
}

TEST(Fix32, WholeNumbersAndTheDefaultGamma) {
    EXPECT_TRUE(Fix32Equal(Fix(14, 0), FloatToFix32(14.0f)));
    EXPECT_TRUE(Fix32Equal(Fix(300, 0), FloatToFix32(300.0f)));
    EXPECT_TRUE(Fix32Equal(Fix(600, 0), FloatToFix32(600.0f)));
    EXPECT_TRUE(Fix32Equal(Fix(-1000, 0), FloatToFix32(-1000.0f)));
    EXPECT_TRUE(Fix32Equal(Fix(0, 0), FloatToFix32(0.0f)));
    EXPECT_TRUE(Fix32Equal(Fix(1, 0xCCCD), FloatToFix32(1.8f)));
    EXPECT_TRUE(Fix32Equal(Fix(2, 0x3333), FloatToFix32(2.2f)));
}

TEST(Fix32, HalfStepsRoundAwayFromZero) {
    const float halfStep = 1.0f / 131072.0f;
    EXPECT_TRUE(Fix32Equal(Fix(0, 1), FloatToFix32(halfStep)));
    // -1/65536 is Whole -1 with Frac 0xFFFF.
    EXPECT_TRUE(Fix32Equal(Fix(-1, 0xFFFF), FloatToFix32(-halfStep)));
    EXPECT_TRUE(Fix32Equal(Fix(0, 0), FloatToFix32(halfStep * 0.8f)));
    EXPECT_TRUE(Fix32Equal(Fix(0, 0), FloatToFix32(-halfStep * 0.8f)));
}

TEST(Fix32, ValuesBeyondTheRangeSaturate) {
    EXPECT_TRUE(Fix32Equal(Fix(32767, 0xFFFF), FloatToFix32(40000.0f)));
    EXPECT_TRUE(Fix32Equal(Fix(-32768, 0), FloatToFix32(-40000.0f)));
}

TEST(Fix32, ToFloatAddsTheFraction) {
    EXPECT_FLOAT_EQ(-1.5f, Fix32ToFloat(Fix(-2, 0x8000)));
    EXPECT_FLOAT_EQ(299.5f, Fix32ToFloat(Fix(299, 0x8000)));
    EXPECT_NEAR(9.9f, Fix32ToFloat(FloatToFix32(9.9f)), 1.0f / 65536.0f);
    EXPECT_NEAR(8.64f, Fix32ToFloat(Fix(8, 0xA3D7)), 1.0f / 65536.0f);
    EXPECT_EQ(-1000.0f, Fix32ToFloat(Fix(-1000, 0)));
}

TEST(Fix32, EqualMeansBothHalvesEqual) {
    EXPECT_TRUE(Fix32Equal(Fix(3, 7), Fix(3, 7)));
    EXPECT_FALSE(Fix32Equal(Fix(3, 7), Fix(3, 8)));
    EXPECT_FALSE(Fix32Equal(Fix(3, 7), Fix(4, 7)));
}

TEST(Fix32, WordHoldsWholeLowAndFracHigh) {
    EXPECT_EQ(0x8000FFFEu, Fix32ToWord(Fix(-2, 0x8000)));
    EXPECT_EQ(0xA3D70008u, Fix32ToWord(FloatToFix32(8.64f)));
    TW_FIX32 back = WordToFix32(0x8000FFFEu);
    EXPECT_EQ(-2, back.Whole);
    EXPECT_EQ(0x8000, back.Frac);
}

}  // namespace
