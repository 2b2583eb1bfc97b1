#include "engine/negotiation_state.h"
#include "engine/scan_settings.h"
#include "tests/engine/profile_fixture.h"

#include <cstring>

namespace {

class ScanSettingsTest : public ProfileFixture {};

TEST_F(ScanSettingsTest, EmptySectionLoadsLetterBlackWhiteAt300) {
    ScanSettings s;
    std::memset(&s, 0x5A, sizeof s);
    EXPECT_FALSE(LoadSettings("APP", &s, negotiated_));
    EXPECT_EQ(2, s.ScanMode);
    EXPECT_EQ(300, s.DPI);
    EXPECT_EQ(0, s.Brightness);
    EXPECT_EQ(0, s.Contrast);
    EXPECT_EQ(18, s.Gamma);
    EXPECT_EQ(255, s.Highlight);
    EXPECT_EQ(0, s.Shadow);
    EXPECT_EQ(0, s.Top);
    EXPECT_EQ(0, s.Left);
    EXPECT_EQ(1100, s.Bottom);
    EXPECT_EQ(850, s.Right);
    EXPECT_EQ(0, s.StartFlag);
    EXPECT_EQ(0, s.DoubleSided);
    // Every reserved word is zero because the record goes to the scanner as it is.
    EXPECT_EQ(0, s.Reserved2);
    for (int16_t word : s.Reserved16) EXPECT_EQ(0, word);
    for (int16_t word : s.Reserved58) EXPECT_EQ(0, word);
    for (int16_t word : s.Reserved82) EXPECT_EQ(0, word);
}

TEST_F(ScanSettingsTest, OutOfRangeValuesLoadAsDefaults) {
    Write("APP", "ScanMode", "3");
    Write("APP", "DPI", "250");
    Write("APP", "Gamma", "50");
    Write("APP", "Highlight", "4");
    Write("APP", "Shadow", "251");
    Write("APP", "Brightness", "101");
    Write("APP", "Contrast", "-101");
    ScanSettings s{};
    LoadSettings("APP", &s, negotiated_);
    EXPECT_EQ(2, s.ScanMode);
    EXPECT_EQ(300, s.DPI);
    EXPECT_EQ(18, s.Gamma);
    EXPECT_EQ(255, s.Highlight);
    EXPECT_EQ(0, s.Shadow);
    EXPECT_EQ(0, s.Brightness);
    EXPECT_EQ(0, s.Contrast);
}

TEST_F(ScanSettingsTest, CorruptTextLoadsAsDefaultsNotAsZero) {
    Write("APP", "ScanMode", "color");
    Write("APP", "DPI", "3OO");
    Write("APP", "Gamma", "");
    Write("APP", "Bottom", "eleven hundred");
    Write("APP", "Right", "0x352");
    ScanSettings s{};
    EXPECT_FALSE(LoadSettings("APP", &s, negotiated_));
    EXPECT_EQ(2, s.ScanMode);
    EXPECT_EQ(300, s.DPI);
    EXPECT_EQ(18, s.Gamma);
    EXPECT_EQ(1100, s.Bottom);
    EXPECT_EQ(850, s.Right);
}

TEST_F(ScanSettingsTest, ValuesAreTestedAsSixteenBitFields) {
    Write("APP", "DPI", "65836");       // 65536 + 300
    Write("APP", "Brightness", "65526");  // 65536 - 10
    ScanSettings s{};
    LoadSettings("APP", &s, negotiated_);
    EXPECT_EQ(300, s.DPI);
    EXPECT_EQ(-10, s.Brightness);
}

TEST_F(ScanSettingsTest, StoredResolutionMustBeAllowed) {
    Write("APP", "DPI", "600");
    ScanSettings s{};
    LoadSettings("APP", &s, negotiated_);
    EXPECT_EQ(600, s.DPI);
    negotiated_.AllowedResolutions[7] = false;  // 600
    LoadSettings("APP", &s, negotiated_);
    EXPECT_EQ(300, s.DPI);
}

TEST_F(ScanSettingsTest, FrameOutsideTheScanAreaIsClampedAndReported) {
    Write("APP", "Top", "1395");
    Write("APP", "Bottom", "200");
    Write("APP", "Left", "820");
    Write("APP", "Right", "850");
    ScanSettings s{};
    EXPECT_TRUE(LoadSettings("APP", &s, negotiated_));
    EXPECT_EQ(1390, s.Top);
    EXPECT_EQ(1400, s.Bottom);
    EXPECT_EQ(814, s.Left);
    EXPECT_EQ(864, s.Right);
}

TEST_F(ScanSettingsTest, LoadingClearsDoubleSidedAndStartFlag) {
    ScanSettings s{};
    s.DoubleSided = 1;
    s.StartFlag = 1;
    LoadSettings("APP", &s, negotiated_);
    EXPECT_EQ(0, s.DoubleSided);
    EXPECT_EQ(0, s.StartFlag);
}

TEST_F(ScanSettingsTest, SaveWritesFourteenSignedKeysThatLoadBack) {
    ScanSettings s{};
    s.ScanMode = 4;
    s.DPI = 600;
    s.Brightness = -10;
    s.Contrast = 25;
    s.Gamma = 22;
    s.Highlight = 240;
    s.Shadow = 12;
    s.DetectEOP = 1;
    s.Filter = 1;
    s.Invert = 1;
    s.Top = 100;
    s.Left = 50;
    s.Bottom = 900;
    s.Right = 700;
    s.DoubleSided = 1;
    SaveSettings("APP", &s);
    EXPECT_EQ("-10", Read("APP", "Brightness"));
    EXPECT_FALSE(SectionHasKey("APP", "DoubleSided"));
    EXPECT_FALSE(SectionHasKey("APP", "StartFlag"));

    ScanSettings loaded{};
    EXPECT_FALSE(LoadSettings("APP", &loaded, negotiated_));
    s.DoubleSided = 0;
    EXPECT_EQ(0, std::memcmp(&s, &loaded, sizeof s));
}

TEST_F(ScanSettingsTest, KeysAreWrittenInTheirFixedOrder) {
    ScanSettings s{};
    LoadSettings("APP", &s, negotiated_);
    SaveSettings("APP", &s);
    char keys[1024] = {};
    DWORD length = GetPrivateProfileStringA("APP", nullptr, "", keys, sizeof keys, path_.c_str());
    std::string joined;
    for (DWORD i = 0; i < length; i += static_cast<DWORD>(std::strlen(keys + i)) + 1)
        joined += std::string(keys + i) + ",";
    EXPECT_EQ("ScanMode,DPI,DetectEOP,Filter,Invert,Brightness,Contrast,Gamma,Highlight,Shadow,"
              "Top,Left,Bottom,Right,",
              joined);
}

TEST_F(ScanSettingsTest, NullRecordLoadsNothingAndWritesNothing) {
    Write("APP", "ScanMode", "1");
    EXPECT_FALSE(LoadSettings("APP", nullptr, negotiated_));
    SaveSettings("OTHER", nullptr);
    EXPECT_FALSE(SectionHasKey("OTHER", "DPI"));
    EXPECT_FALSE(ClampFrame(nullptr, 0, 0, 1100, 850));
}

TEST_F(ScanSettingsTest, BinaryGarbageProfileLoadsAsDefaults) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 131 + 7) % 256);
    static const char kTail[] = "\n[APP]\nDPI=\xff\xfe" "300\nScanMode=4\x00\x01\nGamma=18\n";
    garbage.append(kTail, sizeof kTail - 1);
    WriteWholeFile(path_, garbage);
    ScanSettings s{};
    LoadSettings("APP", &s, negotiated_);
    EXPECT_EQ(300, s.DPI);
    EXPECT_EQ(18, s.Gamma);
    EXPECT_TRUE(s.ScanMode == 2 || s.ScanMode == 4);
    EXPECT_EQ(1100, s.Bottom);
}

TEST_F(ScanSettingsTest, UnwritableProfileLosesTheChangeSilently) {
    app_.SetProfileName("C:\\no\\such\\folder\\TAVIXSRC.INI");
    ScanSettings s{};
    LoadSettings("APP", &s, negotiated_);
    s.DPI = 600;
    SaveSettings("APP", &s);
    LoadSettings("APP", &s, negotiated_);
    EXPECT_EQ(300, s.DPI);
}

struct FrameCase {
    int top, left, bottom, right;
    int16_t wantTop, wantLeft, wantBottom, wantRight;
    bool changed;
};

class ClampFrameTest : public testing::TestWithParam<FrameCase> {};

TEST_P(ClampFrameTest, StoresTheFrameWithinTheLimits) {
    const FrameCase& c = GetParam();
    ScanSettings s{};
    EXPECT_EQ(c.changed, ClampFrame(&s, c.top, c.left, c.bottom, c.right));
    EXPECT_EQ(c.wantTop, s.Top);
    EXPECT_EQ(c.wantLeft, s.Left);
    EXPECT_EQ(c.wantBottom, s.Bottom);
    EXPECT_EQ(c.wantRight, s.Right);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, ClampFrameTest,
    testing::Values(FrameCase{0, 0, 1100, 850, 0, 0, 1100, 850, false},
                    FrameCase{0, 0, 1400, 864, 0, 0, 1400, 864, false},
                    FrameCase{-5, -1, 1100, 850, 0, 0, 1100, 850, true},
                    FrameCase{100, 100, 105, 120, 100, 100, 110, 150, true},
                    FrameCase{0, 0, 1401, 865, 0, 0, 1400, 864, true},
                    FrameCase{1390, 814, 1400, 864, 1390, 814, 1400, 864, false},
                    FrameCase{2000, 900, 0, 0, 1390, 814, 1400, 864, true}));

}  // namespace
