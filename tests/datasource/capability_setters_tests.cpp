// The setters and FIX32 conversions behind MSG_SET, checked in process where
// the module's answers cannot reach: fallbacks when nothing is allowed, and
// values no FIX32 container can carry.
#include "datasource/capability_setters.h"
#include "datasource/capability_table.h"
#include "datasource/capability_values.h"
#include "engine/negotiation_state.h"
#include "tests/datasource/container_bytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace {

class Setters : public testing::Test {
protected:
    ScanSettings settings_{};
    Negotiation negotiated_;
};

TEST_F(Setters, ResolutionIsTheNearestAllowedEntryEarlierOnATie) {
    const struct {
        int16_t asked;
        int16_t chosen;
    } cases[] = {{75, 75},   {250, 200}, {251, 300}, {260, 300}, {1200, 600}, {0, 75},
                 {-32768, 75}, {32767, 600}, {125, 100}, {450, 400}, {550, 500}};
    for (const auto& c : cases) {
        SetResolution(settings_, negotiated_, c.asked);
        EXPECT_EQ(c.chosen, settings_.DPI) << c.asked;
    }
}

TEST_F(Setters, ResolutionFallsBackTo75WhenNothingIsAllowed) {
    for (bool& allowed : negotiated_.AllowedResolutions) allowed = false;
    SetResolution(settings_, negotiated_, 600);
    EXPECT_EQ(75, settings_.DPI);
    negotiated_.AllowedResolutions[7] = true;  // 600 only
    SetResolution(settings_, negotiated_, 75);
    EXPECT_EQ(600, settings_.DPI);
}

TEST_F(Setters, PixelTypeFallsBackToTheHighestAllowed) {
    negotiated_.AllowedPixelTypes[TWPT_BW] = false;
    SetPixelType(settings_, negotiated_, TWPT_BW);
    EXPECT_EQ(kScanModeColor, settings_.ScanMode);
    negotiated_.AllowedPixelTypes[TWPT_RGB] = false;
    SetPixelType(settings_, negotiated_, TWPT_PALETTE);
    EXPECT_EQ(kScanModeGray, settings_.ScanMode);
    negotiated_.AllowedPixelTypes[TWPT_GRAY] = false;
    SetPixelType(settings_, negotiated_, TWPT_GRAY);
    EXPECT_EQ(kScanModeBlackWhite, settings_.ScanMode);
}

TEST_F(Setters, GammaOutsideAnyFix32IsClamped) {
    SetGamma(settings_, std::numeric_limits<float>::infinity());
    EXPECT_EQ(40, settings_.Gamma);
    SetGamma(settings_, -std::numeric_limits<float>::infinity());
    EXPECT_EQ(10, settings_.Gamma);
    SetGamma(settings_, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(10, settings_.Gamma);
    SetGamma(settings_, 3.94f);
    EXPECT_EQ(39, settings_.Gamma);
    SetGamma(settings_, 3.95f);
    EXPECT_EQ(40, settings_.Gamma);
}

TEST_F(Setters, ToneValuesClampBeforeDividing) {
    SetBrightness(settings_, INT32_MAX);
    EXPECT_EQ(100, settings_.Brightness);
    SetContrast(settings_, INT32_MIN);
    EXPECT_EQ(-100, settings_.Contrast);
    SetContrast(settings_, -19);
    EXPECT_EQ(-1, settings_.Contrast);
    SetHighlight(settings_, INT32_MIN);
    EXPECT_EQ(0, settings_.Highlight);
    SetShadow(settings_, INT32_MAX);
    EXPECT_EQ(255, settings_.Shadow);
}

TEST_F(Setters, PaperSizeStoresTheRowFrameAndTheCode) {
    settings_.Top = 5;
    ASSERT_TRUE(SetSupportedSize(settings_, negotiated_, TWSS_A5));
    EXPECT_EQ(0, settings_.Top);
    EXPECT_EQ(0, settings_.Left);
    EXPECT_EQ(827, settings_.Bottom);
    EXPECT_EQ(583, settings_.Right);
    EXPECT_EQ(TWSS_A5, negotiated_.LastSetSize);
}

TEST_F(Setters, UnknownPaperSizeChangesNothing) {
    ASSERT_TRUE(SetSupportedSize(settings_, negotiated_, TWSS_A6));
    const ScanSettings before = settings_;
    EXPECT_FALSE(SetSupportedSize(settings_, negotiated_, TWSS_B5LETTER));
    EXPECT_EQ(0, std::memcmp(&before, &settings_, sizeof before));
    EXPECT_EQ(TWSS_A6, negotiated_.LastSetSize);
}

TEST(Fix32Conversions, TruncationRoundingAndThreshold) {
    EXPECT_EQ(9, TruncatedFix32(FixWord(9, 0xE666)));     // 9.9
    EXPECT_EQ(-9, TruncatedFix32(FixWord(-10, 0x1999)));  // -9.9
    EXPECT_EQ(300, RoundedFix32(FixWord(299, 0x8000)));   // 299.5
    EXPECT_EQ(299, RoundedFix32(FixWord(299, 0x6666)));   // 299.4
    EXPECT_EQ(0, RoundedFix32(FixWord(-1, 0x4CCD)));      // -0.7
    EXPECT_EQ(32767, RoundedFix32(FixWord(32767, 0xFFFF)));
    EXPECT_EQ(-32767, RoundedFix32(FixWord(-32768)));
    EXPECT_EQ(280, BrightnessOfThreshold(FixWord(100)));
    EXPECT_EQ(275, BrightnessOfThreshold(FixWord(100, 0x8000)));
    EXPECT_EQ(-1270, BrightnessOfThreshold(FixWord(255)));
    EXPECT_EQ(328960, BrightnessOfThreshold(FixWord(-32768)));
}

TEST(Fix32Conversions, AcceptedContainerKinds) {
    EXPECT_TRUE(AcceptsContainer(kAcceptsOneValue, TWON_ONEVALUE));
    EXPECT_FALSE(AcceptsContainer(kAcceptsOneValue, TWON_ENUMERATION));
    EXPECT_TRUE(AcceptsContainer(kAcceptsOneValue | kAcceptsRange, TWON_RANGE));
    EXPECT_FALSE(AcceptsContainer(kAcceptsOneValue | kAcceptsEnumeration | kAcceptsRange, TWON_ARRAY));
    EXPECT_FALSE(AcceptsContainer(kAcceptsOneValue | kAcceptsEnumeration | kAcceptsRange, TWON_DONTCARE16));
    EXPECT_FALSE(AcceptsContainer(kAcceptsNone, TWON_ONEVALUE));
}

}  // namespace
