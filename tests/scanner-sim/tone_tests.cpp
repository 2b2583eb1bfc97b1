// The tone curve: the table IO_AdjustChannelValue fills, and its effect,
// with inversion and the black/white threshold, on delivered rows.
#include <numeric>

#include <gtest/gtest.h>

#include "brsvio_library.h"
#include "scan_helpers.h"

namespace {

class ToneCurve : public ScannerTest {
protected:
    std::vector<uint8_t> Table(int32_t brightness, int32_t contrast, int32_t gammaMinus8,
                               int32_t highlight, int32_t shadow) {
        std::vector<uint8_t> table(256, 0x5A);
        EXPECT_EQ(1, io().AdjustChannelValue(table.data(), brightness, contrast, gammaMinus8,
                                             highlight, shadow));
        return table;
    }
    // Frame rows across the gray ramp band of the test page (2.2" to 3.0").
    std::vector<uint8_t> RampRows(ScanRecordBytes r) {
        EXPECT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
        const PageShape shape = ShapeOf(r);
        std::vector<uint8_t> rows = ReadRows(io(), shape, shape.lines, 0, 64);
        io().EndScanPage();
        return rows;
    }
};

TEST_F(ToneCurve, NeutralSettingsKeepBlackAndWhiteAndLiftMidTonesForGamma) {
    const std::vector<uint8_t> t = Table(0, 0, 10, 255, 0);  // gamma 1.8
    EXPECT_EQ(0, t[0]);
    EXPECT_EQ(255, t[255]);
    EXPECT_GT(t[128], 150);
    for (int v = 0; v < 255; ++v) ASSERT_LT(t[v], t[v + 1] + 1) << v;  // never falls
    EXPECT_LT(t[1], t[128]);
}

TEST_F(ToneCurve, GammaOneWithNeutralValuesIsTheIdentity) {
    const std::vector<uint8_t> t = Table(0, 0, 2, 255, 0);
    for (int v = 0; v < 256; ++v) ASSERT_EQ(v, t[v]);
}

TEST_F(ToneCurve, SixteenBitFieldsAreSignExtendedFromTheLowHalf) {
    // Brightness -5 arrives as 65531; so may come -5 itself.
    const std::vector<uint8_t> darker = Table(65531, 0, 2, 255, 0);
    EXPECT_EQ(darker, Table(-5, 0, 2, 255, 0));
    EXPECT_LT(darker[255], 255);
    EXPECT_EQ(0, darker[0]);
    for (int v = 13; v < 256; ++v) ASSERT_LT(darker[v], v) << v;
    // Bits above the low 16 are not part of the value.
    EXPECT_EQ(Table(0, 0, 2, 255, 0), Table(0x10000, 0x20000, 0x30002, 0x400FF, 0x50000));
}

TEST_F(ToneCurve, LevelsMapShadowToBlackAndHighlightToWhite) {
    const std::vector<uint8_t> t = Table(0, 0, 2, 200, 50);
    for (int v = 0; v <= 50; ++v) ASSERT_EQ(0, t[v]) << v;
    for (int v = 200; v < 256; ++v) ASSERT_EQ(255, t[v]) << v;
    for (int v = 50; v < 200; ++v) ASSERT_LT(t[v], t[v + 1]) << v;
    EXPECT_NEAR(128, t[125], 1);
    // Highlight at or below shadow is repaired as the data source does:
    // shadow 255 becomes 254 and highlight at least shadow + 1.
    const std::vector<uint8_t> step = Table(0, 0, 2, 200, 255);
    for (int v = 0; v < 255; ++v) ASSERT_EQ(0, step[v]) << v;
    EXPECT_EQ(255, step[255]);
}

TEST_F(ToneCurve, ContrastSteepensOrFlattensAroundMidGray) {
    const std::vector<uint8_t> linear = Table(0, 0, 2, 255, 0);
    const std::vector<uint8_t> steep = Table(0, 50, 2, 255, 0);
    const std::vector<uint8_t> flat = Table(0, 0xFFFF & -50, 2, 255, 0);
    EXPECT_LT(steep[64], linear[64]);
    EXPECT_GT(steep[192], linear[192]);
    EXPECT_GT(flat[64], linear[64]);
    EXPECT_LT(flat[192], linear[192]);
    const std::vector<uint8_t> none = Table(0, 0xFFFF & -100, 2, 255, 0);
    for (int v = 0; v < 256; ++v) ASSERT_EQ(128, none[v]) << v;
}

TEST_F(ToneCurve, NullTableFails) {
    EXPECT_EQ(0, io().AdjustChannelValue(nullptr, 0, 0, 10, 255, 0));
}

TEST_F(ToneCurve, DeliveredRowsFollowTheSameCurveForAnySettings) {
    for (int mode : {1, 4, 2}) {
        ScanRecordBytes r = PageRecord(mode, 100, 200, 0, 460, 850);
        r.Set(BRSVIO_OFFSET_BRIGHTNESS, -30)
            .Set(BRSVIO_OFFSET_CONTRAST, 40)
            .Set(BRSVIO_OFFSET_GAMMA, 14)  // gamma 2.2
            .Set(BRSVIO_OFFSET_HIGHLIGHT, 230)
            .Set(BRSVIO_OFFSET_SHADOW, 20);
        uint8_t tone[256];
        ToneTableOf(io(), r, tone);
        const PageShape shape = ShapeOf(r);
        const std::vector<uint8_t> rows = RampRows(r);
        std::vector<uint8_t> expected;
        for (int y = 0; y < shape.lines; ++y) {
            const auto row = ExpectedTestPageRow(r, {850, 1100}, 0, y, tone);
            expected.insert(expected.end(), row.begin(), row.end());
        }
        EXPECT_EQ("", FirstDifference(rows, expected, shape.stride)) << "mode " << mode;
    }
}

TEST_F(ToneCurve, BrightnessAndInvertVisiblyChangeRows) {
    // Gray rows through the ramp band (frame rows 20..79 of 2.0" .. 3.0").
    const ScanRecordBytes plain = PageRecord(1, 100, 200, 0, 300, 850);
    ScanRecordBytes bright = plain, inverted = plain;
    bright.Set(BRSVIO_OFFSET_BRIGHTNESS, 60);
    inverted.Set(BRSVIO_OFFSET_INVERT, 1);
    const std::vector<uint8_t> a = RampRows(plain), b = RampRows(bright), c = RampRows(inverted);
    const PageShape shape = ShapeOf(plain);
    const size_t row = 50 * shape.stride;  // 2.5": the ramp
    const auto sum = [&](const std::vector<uint8_t>& v) {
        return std::accumulate(v.begin() + row, v.begin() + row + 850, 0L);
    };
    EXPECT_GT(sum(b), sum(a) + 850L * 30);
    for (int x = 0; x < 850; ++x) ASSERT_EQ(255 - a[row + x], c[row + x]) << x;
}

TEST_F(ToneCurve, BlackWhiteRowsAreTheGrayRowsThresholdedAtHalf) {
    int previous = -1;
    for (int brightness : {-40, 0, 40}) {
        ScanRecordBytes gray = PageRecord(1, 100, 220, 0, 300, 850);
        gray.Set(BRSVIO_OFFSET_BRIGHTNESS, brightness);
        ScanRecordBytes bw = gray;
        bw.Set(BRSVIO_OFFSET_SCANMODE, 2);
        const std::vector<uint8_t> g = RampRows(gray), b = RampRows(bw);
        const PageShape gs = ShapeOf(gray), bs = ShapeOf(bw);
        int white = 0;
        for (int y = 0; y < gs.lines; ++y)
            for (int x = 0; x < gs.width; ++x) {
                const int bit = (b[y * bs.stride + x / 8] >> (7 - x % 8)) & 1;
                ASSERT_EQ(g[y * gs.stride + x] >= 128 ? 1 : 0, bit) << x << "," << y;
                white += bit;
            }
        // Brightness moves the ramp's black/white boundary.
        if (previous >= 0) {
            EXPECT_GT(white, previous) << "brightness " << brightness;
        }
        previous = white;
    }
}

}  // namespace
