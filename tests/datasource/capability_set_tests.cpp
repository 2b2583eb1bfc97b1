// DAT_CAPABILITY MSG_SET through the built module: every settable capability
// read back with MSG_GETCURRENT, the FIX32 conversions, the restriction of
// pixel types and resolutions, refused values and containers, and that a
// refused MSG_SET changes nothing.
#include "tests/datasource/capability_session.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr TW_UINT16 kFilter = 0xBC00;
constexpr TW_UINT16 kDetectEndOfPage = 0xBC01;
constexpr TW_UINT16 kCalibrationNeeded = 0xBE00;
constexpr TW_UINT16 kCalibrate = 0xBE01;
constexpr TW_UINT16 kFeed = 0xBE02;
constexpr TW_UINT16 kClean = 0xBE03;

Container Bool(bool value) { return OneValue(TWTY_BOOL, value ? 1 : 0); }
Container U16(uint16_t value) { return OneValue(TWTY_UINT16, value); }
Container Fix(double value) { return OneValue(TWTY_FIX32, FixOf(value)); }

Bytes BoolBytes(bool value) { return OneValueBytes(TWTY_BOOL, value ? 1 : 0); }
Bytes U16Bytes(uint16_t value) { return OneValueBytes(TWTY_UINT16, value); }
Bytes FixBytes(double value) { return OneValueBytes(TWTY_FIX32, FixOf(value)); }

Bytes ResolutionList(std::initializer_list<int16_t> dpis, uint32_t currentIndex, uint32_t defaultIndex) {
    std::vector<uint32_t> words;
    for (int16_t dpi : dpis) words.push_back(FixWord(dpi));
    return Enumeration32Of(TWTY_FIX32, words, currentIndex, defaultIndex);
}

struct SetRow {
    const char* name;
    TW_UINT16 id;
    Container container;
    Bytes current;  // MSG_GETCURRENT afterwards
};

// Applied in order in one session; each row's result does not depend on the
// rows after it.
std::vector<SetRow> SettableRows() {
    const std::vector<uint16_t> sizes = {0, 3, 4, 1, 29, 5, 13, 53};
    return {
        {"CAP_XFERCOUNT 5", CAP_XFERCOUNT, OneValue(TWTY_INT16, 5), OneValueBytes(TWTY_INT16, 5)},
        // Only the low 16 bits count: 0x0000FFFF is -1.
        {"CAP_XFERCOUNT -1", CAP_XFERCOUNT, OneValue(TWTY_INT16, 0xFFFF), OneValueBytes(TWTY_INT16, 0xFFFFFFFF)},
        {"ICAP_COMPRESSION one-value", ICAP_COMPRESSION, U16(0), U16Bytes(0)},
        {"ICAP_COMPRESSION enumeration", ICAP_COMPRESSION, Enum16({0}, 0), U16Bytes(0)},
        {"ICAP_PIXELTYPE gray", ICAP_PIXELTYPE, U16(TWPT_GRAY), U16Bytes(TWPT_GRAY)},
        {"ICAP_PIXELTYPE rgb", ICAP_PIXELTYPE, U16(TWPT_RGB), U16Bytes(TWPT_RGB)},
        {"ICAP_PIXELTYPE bw", ICAP_PIXELTYPE, U16(TWPT_BW), U16Bytes(TWPT_BW)},
        {"ICAP_UNITS one-value", ICAP_UNITS, U16(0), U16Bytes(0)},
        {"ICAP_UNITS enumeration", ICAP_UNITS, Enum16({0}, 0), U16Bytes(0)},
        {"ICAP_XFERMECH memory", ICAP_XFERMECH, U16(TWSX_MEMORY), U16Bytes(TWSX_MEMORY)},
        {"ICAP_XFERMECH enumeration file", ICAP_XFERMECH, Enum16({0, 1, 2}, 1), U16Bytes(TWSX_FILE)},
        {"CAP_FEEDERENABLED TRUE", CAP_FEEDERENABLED, Bool(true), BoolBytes(true)},
        {"CAP_AUTOFEED FALSE", CAP_AUTOFEED, Bool(false), BoolBytes(false)},
        {"CAP_INDICATORS FALSE", CAP_INDICATORS, Bool(false), BoolBytes(false)},
        {"CAP_INDICATORS TRUE", CAP_INDICATORS, Bool(true), BoolBytes(true)},
        {"ICAP_BRIGHTNESS one-value", ICAP_BRIGHTNESS, Fix(500), FixBytes(500)},
        {"ICAP_BRIGHTNESS enumeration", ICAP_BRIGHTNESS, EnumFix({-200, 300}, 1), FixBytes(300)},
        {"ICAP_BRIGHTNESS range", ICAP_BRIGHTNESS, RangeFix(-1000, 1000, 10, -300), FixBytes(-300)},
        {"ICAP_CONTRAST one-value", ICAP_CONTRAST, Fix(-700), FixBytes(-700)},
        {"ICAP_CONTRAST enumeration", ICAP_CONTRAST, EnumFix({100, 400}, 0), FixBytes(100)},
        {"ICAP_CONTRAST range", ICAP_CONTRAST, RangeFix(-1000, 1000, 10, 250), FixBytes(250)},
        {"ICAP_GAMMA", ICAP_GAMMA, Fix(2.2), FixBytes(2.2)},
        {"ICAP_HIGHLIGHT one-value", ICAP_HIGHLIGHT, Fix(200), FixBytes(200)},
        {"ICAP_HIGHLIGHT enumeration", ICAP_HIGHLIGHT, EnumFix({100, 150}, 0), FixBytes(100)},
        {"ICAP_HIGHLIGHT range", ICAP_HIGHLIGHT, RangeFix(0, 255, 1, 180), FixBytes(180)},
        {"ICAP_SHADOW one-value", ICAP_SHADOW, Fix(30), FixBytes(30)},
        {"ICAP_SHADOW enumeration", ICAP_SHADOW, EnumFix({5, 40}, 1), FixBytes(40)},
        {"ICAP_SHADOW range", ICAP_SHADOW, RangeFix(0, 255, 1, 12), FixBytes(12)},
        {"ICAP_IMAGEFILEFORMAT one-value", ICAP_IMAGEFILEFORMAT, U16(TWFF_BMP), U16Bytes(TWFF_BMP)},
        {"ICAP_IMAGEFILEFORMAT enumeration", ICAP_IMAGEFILEFORMAT, Enum16({0, 2}, 1), U16Bytes(TWFF_BMP)},
        {"ICAP_XRESOLUTION 150", ICAP_XRESOLUTION, Fix(150), FixBytes(150)},
        {"ICAP_YRESOLUTION 600", ICAP_YRESOLUTION, Fix(600), FixBytes(600)},
        {"ICAP_BITORDER", ICAP_BITORDER, U16(TWBO_MSBFIRST), U16Bytes(TWBO_MSBFIRST)},
        {"ICAP_PIXELFLAVOR vanilla", ICAP_PIXELFLAVOR, U16(TWPF_VANILLA), U16Bytes(TWPF_VANILLA)},
        {"ICAP_PIXELFLAVOR 5 is chocolate", ICAP_PIXELFLAVOR, U16(5), U16Bytes(TWPF_CHOCOLATE)},
        {"ICAP_PLANARCHUNKY one-value", ICAP_PLANARCHUNKY, U16(TWPC_CHUNKY), U16Bytes(TWPC_CHUNKY)},
        {"ICAP_PLANARCHUNKY enumeration", ICAP_PLANARCHUNKY, Enum16({0}, 0), U16Bytes(TWPC_CHUNKY)},
        {"ICAP_SUPPORTEDSIZES A4", ICAP_SUPPORTEDSIZES, U16(TWSS_A4LETTER), U16Bytes(TWSS_A4LETTER)},
        {"ICAP_SUPPORTEDSIZES enumeration card", ICAP_SUPPORTEDSIZES,
         Enum16({0, 3, 4, 1, 29, 5, 13, 53}, 7), U16Bytes(TWSS_BUSINESSCARD)},
        {"ICAP_SUPPORTEDSIZES whole area", ICAP_SUPPORTEDSIZES, U16(TWSS_NONE), U16Bytes(TWSS_NONE)},
        {"ICAP_SUPPORTEDSIZES B5", ICAP_SUPPORTEDSIZES, U16(TWSS_ISOB5), U16Bytes(TWSS_ISOB5)},
        {"ICAP_THRESHOLD one-value", ICAP_THRESHOLD, Fix(100), FixBytes(100)},
        {"ICAP_THRESHOLD enumeration", ICAP_THRESHOLD, EnumFix({90, 60}, 0), FixBytes(90)},
        {"ICAP_THRESHOLD range", ICAP_THRESHOLD, RangeFix(0, 255, 1, 150), FixBytes(150)},
        {"ICAP_BITDEPTH at black/white", ICAP_BITDEPTH, U16(1), U16Bytes(1)},
        {"ICAP_BITDEPTHREDUCTION one-value", ICAP_BITDEPTHREDUCTION, U16(TWBR_THRESHOLD), U16Bytes(TWBR_THRESHOLD)},
        {"ICAP_BITDEPTHREDUCTION enumeration", ICAP_BITDEPTHREDUCTION, Enum16({0}, 0), U16Bytes(TWBR_THRESHOLD)},
        {"filter on", kFilter, Bool(true), BoolBytes(true)},
        // A BOOL is 16 bits: the upper half of the Item does not count.
        {"filter 0x00010000 is off", kFilter, OneValue(TWTY_BOOL, 0x00010000), BoolBytes(false)},
        {"end of page on", kDetectEndOfPage, Bool(true), BoolBytes(true)},
        {"end of page off", kDetectEndOfPage, Bool(false), BoolBytes(false)},
        {"calibrate FALSE does nothing", kCalibrate, Bool(false), BoolBytes(false)},
        {"feed FALSE does nothing", kFeed, Bool(false), BoolBytes(false)},
        {"clean FALSE does nothing", kClean, Bool(false), BoolBytes(false)},
    };
}

// How a settable capability reads its value, and the containers it takes.
struct Settable {
    const char* name;
    TW_UINT16 id;
    bool fix32;
    bool enumeration;
    bool range;
};

const std::vector<Settable>& SettableCapabilities() {
    static const std::vector<Settable> all = {
        {"CAP_XFERCOUNT", CAP_XFERCOUNT, false, false, false},
        {"ICAP_COMPRESSION", ICAP_COMPRESSION, false, true, false},
        {"ICAP_PIXELTYPE", ICAP_PIXELTYPE, false, true, false},
        {"ICAP_UNITS", ICAP_UNITS, false, true, false},
        {"ICAP_XFERMECH", ICAP_XFERMECH, false, true, false},
        {"CAP_FEEDERENABLED", CAP_FEEDERENABLED, false, false, false},
        {"CAP_AUTOFEED", CAP_AUTOFEED, false, false, false},
        {"CAP_INDICATORS", CAP_INDICATORS, false, false, false},
        {"ICAP_BRIGHTNESS", ICAP_BRIGHTNESS, true, true, true},
        {"ICAP_CONTRAST", ICAP_CONTRAST, true, true, true},
        {"ICAP_GAMMA", ICAP_GAMMA, true, false, false},
        {"ICAP_HIGHLIGHT", ICAP_HIGHLIGHT, true, true, true},
        {"ICAP_IMAGEFILEFORMAT", ICAP_IMAGEFILEFORMAT, false, true, false},
        {"ICAP_SHADOW", ICAP_SHADOW, true, true, true},
        {"ICAP_XRESOLUTION", ICAP_XRESOLUTION, true, true, true},
        {"ICAP_YRESOLUTION", ICAP_YRESOLUTION, true, true, true},
        {"ICAP_BITORDER", ICAP_BITORDER, false, false, false},
        {"ICAP_PIXELFLAVOR", ICAP_PIXELFLAVOR, false, false, false},
        {"ICAP_PLANARCHUNKY", ICAP_PLANARCHUNKY, false, true, false},
        {"ICAP_SUPPORTEDSIZES", ICAP_SUPPORTEDSIZES, false, true, false},
        {"ICAP_THRESHOLD", ICAP_THRESHOLD, true, true, true},
        {"ICAP_BITDEPTH", ICAP_BITDEPTH, false, true, false},
        {"ICAP_BITDEPTHREDUCTION", ICAP_BITDEPTHREDUCTION, false, true, false},
        {"filter", kFilter, false, false, false},
        {"end of page", kDetectEndOfPage, false, false, false},
        {"calibrate", kCalibrate, false, false, false},
        {"feed", kFeed, false, false, false},
        {"clean", kClean, false, false, false},
    };
    return all;
}

// Containers whose values would all change something if they were taken.
Container GoodOneValue(const Settable& cap) { return cap.fix32 ? Fix(450) : U16(1); }
Container GoodEnumeration(const Settable& cap, uint32_t currentIndex) {
    return cap.fix32 ? EnumFix({450, 100}, currentIndex) : Enum16({1, 2}, currentIndex);
}
Container GoodRange(const Settable&) { return RangeFix(100, 400, 100, 200); }

class CapabilitySet : public CapabilitySession {
protected:
    // MSG_SET that must fail with `condition` and leave every capability as it was.
    void ExpectRefused(TW_UINT16 id, const Container& container, TW_UINT16 condition,
                       const std::string& what) {
        const auto before = Snapshot();
        EXPECT_EQ(TWRC_FAILURE, Set(id, container)) << what;
        EXPECT_EQ(condition, Condition()) << what;
        EXPECT_TRUE(before == Snapshot()) << what << " changed a capability";
    }
    void ExpectRefusedHandle(TW_UINT16 id, TW_UINT16 conType, TW_HANDLE handle, const std::string& what) {
        const auto before = Snapshot();
        EXPECT_EQ(TWRC_FAILURE, SetHandle(id, conType, handle)) << what;
        EXPECT_EQ(TWCC_BADVALUE, Condition()) << what;
        EXPECT_TRUE(before == Snapshot()) << what << " changed a capability";
    }
    void ExpectSet(TW_UINT16 id, const Container& container, const Bytes& current, const std::string& what) {
        EXPECT_EQ(TWRC_SUCCESS, Set(id, container)) << what;
        EXPECT_EQ(TWCC_SUCCESS, Condition()) << what;
        EXPECT_EQ(Hex(current), Hex(Current(id))) << what;
    }
    Bytes Get(TW_UINT16 id) {
        Reply reply = Ask(MSG_GET, id);
        EXPECT_EQ(TWRC_SUCCESS, reply.rc) << id;
        return reply.bytes;
    }
};

TEST_F(CapabilitySet, EverySettableCapabilityReadsBackWhatWasSet) {
    OpenSource();
    for (const SetRow& row : SettableRows()) ExpectSet(row.id, row.container, row.current, row.name);
    EXPECT_EQ(0, Calls("IO_CalibrateScanner") + Calls("IO_FeedOn") + Calls("IO_Clean"));
}

TEST_F(CapabilitySet, XferCountAlsoSetsThePendingTransfers) {
    OpenSource();
    ASSERT_EQ(TWRC_SUCCESS, Set(CAP_XFERCOUNT, OneValue(TWTY_INT16, 3)));
    TW_PENDINGXFERS pending{};
    ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_GET, &pending));
    EXPECT_EQ(3, pending.Count);
}

TEST_F(CapabilitySet, BothResolutionAxesSetTheOneResolution) {
    OpenSource();
    ExpectSet(ICAP_YRESOLUTION, Fix(150), FixBytes(150), "Y 150");
    EXPECT_EQ(Hex(FixBytes(150)), Hex(Current(ICAP_XRESOLUTION)));
    ExpectSet(ICAP_XRESOLUTION, Fix(400), FixBytes(400), "X 400");
    EXPECT_EQ(Hex(FixBytes(400)), Hex(Current(ICAP_YRESOLUTION)));
}

TEST_F(CapabilitySet, ToneValuesAreTruncated) {
    OpenSource();
    // Brightness and contrast keep tenths: 19.9 is 19, stored as 1, read as 10.
    ExpectSet(ICAP_BRIGHTNESS, Fix(19.9), FixBytes(10), "brightness 19.9");
    ExpectSet(ICAP_BRIGHTNESS, Fix(15), FixBytes(10), "brightness 15");
    ExpectSet(ICAP_BRIGHTNESS, Fix(-19.9), FixBytes(-10), "brightness -19.9");
    ExpectSet(ICAP_BRIGHTNESS, Fix(9.9), FixBytes(0), "brightness 9.9");
    ExpectSet(ICAP_CONTRAST, Fix(29.99), FixBytes(20), "contrast 29.99");
    ExpectSet(ICAP_CONTRAST, Fix(-305.5), FixBytes(-300), "contrast -305.5");
    ExpectSet(ICAP_HIGHLIGHT, Fix(200.9), FixBytes(200), "highlight 200.9");
    ExpectSet(ICAP_SHADOW, Fix(10.7), FixBytes(10), "shadow 10.7");
    ExpectSet(ICAP_SHADOW, RangeFix(0, 255, 1, 99.99), FixBytes(99), "shadow range 99.99");
    // The range MSG_GET reports carries the stored value too.
    EXPECT_EQ(Hex(RangeBytes(TWTY_FIX32, FixWord(0), FixWord(255), FixWord(1), FixWord(0), FixWord(99))),
              Hex(Get(ICAP_SHADOW)));
}

TEST_F(CapabilitySet, ToneValuesAreClamped) {
    OpenSource();
    ExpectSet(ICAP_BRIGHTNESS, Fix(5000), FixBytes(1000), "brightness 5000");
    ExpectSet(ICAP_BRIGHTNESS, Fix(-32768), FixBytes(-1000), "brightness -32768");
    ExpectSet(ICAP_CONTRAST, Fix(1001), FixBytes(1000), "contrast 1001");
    ExpectSet(ICAP_HIGHLIGHT, Fix(300), FixBytes(255), "highlight 300");
    ExpectSet(ICAP_HIGHLIGHT, Fix(-5), FixBytes(0), "highlight -5");
    ExpectSet(ICAP_SHADOW, Fix(256), FixBytes(255), "shadow 256");
    ExpectSet(ICAP_SHADOW, Fix(-0.5), FixBytes(0), "shadow -0.5");
}

TEST_F(CapabilitySet, GammaIsRoundedToTenthsAndClamped) {
    OpenSource();
    ExpectSet(ICAP_GAMMA, Fix(0.5), FixBytes(1.0), "gamma 0.5 is stored as 10");
    ExpectSet(ICAP_GAMMA, Fix(1.86), FixBytes(1.9), "gamma 1.86");
    ExpectSet(ICAP_GAMMA, Fix(1.84), FixBytes(1.8), "gamma 1.84");
    ExpectSet(ICAP_GAMMA, Fix(5), FixBytes(4.0), "gamma 5");
    ExpectSet(ICAP_GAMMA, Fix(-3), FixBytes(1.0), "gamma -3");
}

TEST_F(CapabilitySet, ResolutionsAreRoundedToTheNearestListedOne) {
    OpenSource();
    ExpectSet(ICAP_XRESOLUTION, Fix(299.5), FixBytes(300), "299.5");
    // Rounded, not truncated: 250.5 is 251, nearer to 300; 250.4 is 250, a
    // tie that goes to the earlier 200.
    ExpectSet(ICAP_XRESOLUTION, Fix(250.5), FixBytes(300), "250.5");
    ExpectSet(ICAP_XRESOLUTION, Fix(250.4), FixBytes(200), "250.4");
    ExpectSet(ICAP_XRESOLUTION, Fix(250), FixBytes(200), "250");
    ExpectSet(ICAP_XRESOLUTION, Fix(260), FixBytes(300), "260");
    ExpectSet(ICAP_XRESOLUTION, Fix(1200), FixBytes(600), "1200");
    ExpectSet(ICAP_XRESOLUTION, Fix(74.6), FixBytes(75), "74.6");
    ExpectSet(ICAP_XRESOLUTION, Fix(-5), FixBytes(75), "-5");
    ExpectSet(ICAP_XRESOLUTION, Fix(125.5), FixBytes(150), "125.5");
    ExpectSet(ICAP_XRESOLUTION, Fix(125.4), FixBytes(100), "125.4 is a tie, the earlier wins");
    // The largest FIX32 values do not wrap round to a negative resolution.
    ExpectSet(ICAP_XRESOLUTION, OneValue(TWTY_FIX32, 0xFFFF7FFF), FixBytes(600), "32767.99998");
    ExpectSet(ICAP_YRESOLUTION, EnumFix({75, 100, 150, 200, 300, 400, 500, 600}, 2), FixBytes(150),
              "Y enumeration of all");
}

TEST_F(CapabilitySet, ThresholdSetsTheBrightnessThatReadsItBack) {
    OpenSource();
    ExpectSet(ICAP_THRESHOLD, Fix(100), FixBytes(100), "threshold 100");
    EXPECT_EQ(Hex(FixBytes(280)), Hex(Current(ICAP_BRIGHTNESS)));
    // (128 - 100.5) * 10 = 275 keeps 27: the threshold then reads 101.
    ExpectSet(ICAP_THRESHOLD, Fix(100.5), FixBytes(101), "threshold 100.5");
    EXPECT_EQ(Hex(FixBytes(270)), Hex(Current(ICAP_BRIGHTNESS)));
    // Beyond the brightness range the value is clamped.
    ExpectSet(ICAP_THRESHOLD, Fix(0), FixBytes(28), "threshold 0");
    EXPECT_EQ(Hex(FixBytes(1000)), Hex(Current(ICAP_BRIGHTNESS)));
    ExpectSet(ICAP_THRESHOLD, Fix(255), FixBytes(228), "threshold 255");
    EXPECT_EQ(Hex(FixBytes(-1000)), Hex(Current(ICAP_BRIGHTNESS)));
    ExpectSet(ICAP_BRIGHTNESS, Fix(0), FixBytes(0), "brightness 0");
    EXPECT_EQ(Hex(FixBytes(128)), Hex(Current(ICAP_THRESHOLD)));
}

TEST_F(CapabilitySet, PixelTypesAboveRgbCountAsRgb) {
    OpenSource();
    ExpectSet(ICAP_PIXELTYPE, U16(TWPT_PALETTE), U16Bytes(TWPT_RGB), "palette");
    EXPECT_EQ(Hex(U16Bytes(8)), Hex(Current(ICAP_BITDEPTH)));
    ExpectSet(ICAP_PIXELTYPE, U16(0xFFFF), U16Bytes(TWPT_RGB), "0xFFFF");
}

TEST_F(CapabilitySet, AnEnumerationRestrictsThePixelTypes) {
    OpenSource();
    ExpectSet(ICAP_PIXELTYPE, Enum16({1, 2}, 0), U16Bytes(TWPT_GRAY), "gray and rgb");
    EXPECT_EQ(Hex(Enumeration16Bytes(TWTY_UINT16, {1, 2}, 0, 0)), Hex(Get(ICAP_PIXELTYPE)));
    // Black/white is no longer allowed: the highest allowed type is taken.
    ExpectSet(ICAP_PIXELTYPE, U16(TWPT_BW), U16Bytes(TWPT_RGB), "bw while restricted");
    EXPECT_EQ(Hex(Enumeration16Bytes(TWTY_UINT16, {1, 2}, 1, 0)), Hex(Get(ICAP_PIXELTYPE)));

    // The current item need not be a type the scanner has.
    ExpectSet(ICAP_PIXELTYPE, Enum16({0, 7, 1}, 1), U16Bytes(TWPT_GRAY), "current item 7");
    EXPECT_EQ(Hex(Enumeration16Bytes(TWTY_UINT16, {0, 1}, 1, 0)), Hex(Get(ICAP_PIXELTYPE)));
    ExpectSet(ICAP_PIXELTYPE, Enum16({0}, 0), U16Bytes(TWPT_BW), "bw only");
    ExpectSet(ICAP_PIXELTYPE, U16(TWPT_GRAY), U16Bytes(TWPT_BW), "gray while bw only");
    EXPECT_EQ(Hex(Enumeration16Bytes(TWTY_UINT16, {0}, 0, 0)), Hex(Get(ICAP_PIXELTYPE)));
}

TEST_F(CapabilitySet, AnEnumerationOfNoKnownPixelTypeIsRefused) {
    OpenSource();
    ASSERT_EQ(TWRC_SUCCESS, Set(ICAP_PIXELTYPE, Enum16({1, 2}, 1)));
    ExpectRefused(ICAP_PIXELTYPE, Enum16({3, 4, 9}, 0), TWCC_BADVALUE, "no known type");
    EXPECT_EQ(Hex(Enumeration16Bytes(TWTY_UINT16, {1, 2}, 1, 0)), Hex(Get(ICAP_PIXELTYPE)));
}

TEST_F(CapabilitySet, ARangeRestrictsTheResolutions) {
    OpenSource();
    ExpectSet(ICAP_XRESOLUTION, RangeFix(100, 400, 100, 300), FixBytes(300), "100..400 step 100");
    EXPECT_EQ(Hex(ResolutionList({100, 200, 300, 400}, 2, 2)), Hex(Get(ICAP_XRESOLUTION)));
    EXPECT_EQ(Hex(ResolutionList({100, 200, 300, 400}, 2, 2)), Hex(Get(ICAP_YRESOLUTION)));
    // The setters choose among the allowed ones only.
    ExpectSet(ICAP_XRESOLUTION, Fix(600), FixBytes(400), "600 while restricted");
    ExpectSet(ICAP_XRESOLUTION, Fix(75), FixBytes(100), "75 while restricted");
    ExpectSet(ICAP_YRESOLUTION, Fix(150), FixBytes(100), "150 is a tie, the earlier wins");

    // Min, Max, Step and the current value are rounded.
    ExpectSet(ICAP_YRESOLUTION, RangeFix(149.5, 300.4, 49.6, 199.5), FixBytes(200), "rounded range");
    EXPECT_EQ(Hex(ResolutionList({150, 200, 300}, 1, 2)), Hex(Get(ICAP_XRESOLUTION)));

    // A range with only one step.
    ExpectSet(ICAP_XRESOLUTION, RangeFix(500, 500, 1, 75), FixBytes(500), "500 only");
    EXPECT_EQ(Hex(ResolutionList({500}, 0, 0)), Hex(Get(ICAP_XRESOLUTION)));
}

TEST_F(CapabilitySet, AnEnumerationRestrictsTheResolutions) {
    OpenSource();
    ExpectSet(ICAP_YRESOLUTION, EnumFix({150, 300.4, 599.5, 1200}, 1), FixBytes(300), "150 300 600");
    EXPECT_EQ(Hex(ResolutionList({150, 300, 600}, 1, 1)), Hex(Get(ICAP_XRESOLUTION)));
    ExpectSet(ICAP_XRESOLUTION, Fix(400), FixBytes(300), "400 while restricted");
    ExpectSet(ICAP_XRESOLUTION, Fix(450), FixBytes(300), "450 is a tie, the earlier wins");
    ExpectSet(ICAP_XRESOLUTION, Fix(451), FixBytes(600), "451");
    // The current item need not be allowed: the nearest allowed one is taken.
    ExpectSet(ICAP_XRESOLUTION, EnumFix({100, 200, 1200}, 2), FixBytes(200), "current 1200");
    EXPECT_EQ(Hex(ResolutionList({100, 200}, 1, 0)), Hex(Get(ICAP_XRESOLUTION)));
}

TEST_F(CapabilitySet, ARestrictionLastsUntilTheNextOpen) {
    OpenSource();
    ASSERT_EQ(TWRC_SUCCESS, Set(ICAP_XRESOLUTION, RangeFix(100, 200, 100, 200)));
    ASSERT_EQ(TWRC_SUCCESS, Set(ICAP_PIXELTYPE, Enum16({2}, 0)));
    ASSERT_EQ(TWRC_SUCCESS, Close());
    ASSERT_EQ(TWRC_SUCCESS, Open());
    EXPECT_EQ(Hex(ResolutionList({75, 100, 150, 200, 300, 400, 500, 600}, 4, 4)), Hex(Get(ICAP_XRESOLUTION)));
    EXPECT_EQ(Hex(Enumeration16Bytes(TWTY_UINT16, {0, 1, 2}, 0, 0)), Hex(Get(ICAP_PIXELTYPE)));
}

TEST_F(CapabilitySet, BadResolutionRangesAreRefused) {
    OpenSource();
    ASSERT_EQ(TWRC_SUCCESS, Set(ICAP_XRESOLUTION, RangeFix(100, 600, 100, 200)));
    ExpectRefused(ICAP_XRESOLUTION, RangeFix(100, 600, 0, 300), TWCC_BADVALUE, "step 0");
    ExpectRefused(ICAP_XRESOLUTION, RangeFix(100, 600, 0.4, 300), TWCC_BADVALUE, "step 0.4 rounds to 0");
    ExpectRefused(ICAP_XRESOLUTION, RangeFix(100, 600, -100, 300), TWCC_BADVALUE, "negative step");
    ExpectRefused(ICAP_YRESOLUTION, RangeFix(600, 100, 100, 300), TWCC_BADVALUE, "min above max");
    // Nothing the scanner can do would be left.
    ExpectRefused(ICAP_XRESOLUTION, RangeFix(700, 2400, 100, 1200), TWCC_BADVALUE, "above the scanner");
    ExpectRefused(ICAP_XRESOLUTION, RangeFix(101, 149, 1, 120), TWCC_BADVALUE, "between entries");
    ExpectRefused(ICAP_YRESOLUTION, EnumFix({1200, 2400}, 0), TWCC_BADVALUE, "no listed resolution");
    EXPECT_EQ(Hex(ResolutionList({100, 200, 300, 400, 500, 600}, 1, 2)), Hex(Get(ICAP_XRESOLUTION)));
}

TEST_F(CapabilitySet, BitDepthMustMatchThePixelType) {
    OpenSource();
    ExpectSet(ICAP_BITDEPTH, U16(1), U16Bytes(1), "1 at black/white");
    ExpectRefused(ICAP_BITDEPTH, U16(8), TWCC_BADVALUE, "8 at black/white");
    ASSERT_EQ(TWRC_SUCCESS, Set(ICAP_PIXELTYPE, U16(TWPT_GRAY)));
    ExpectSet(ICAP_BITDEPTH, Enum16({1, 8}, 1), U16Bytes(8), "8 at gray");
    ExpectRefused(ICAP_BITDEPTH, U16(1), TWCC_BADVALUE, "1 at gray");
    ASSERT_EQ(TWRC_SUCCESS, Set(ICAP_PIXELTYPE, U16(TWPT_RGB)));
    ExpectRefused(ICAP_BITDEPTH, U16(8), TWCC_BADVALUE, "8 at rgb");
    EXPECT_EQ(TWRC_SUCCESS, Set(ICAP_BITDEPTH, U16(24)));
}

TEST_F(CapabilitySet, ValuesTheScannerCannotHaveAreRefused) {
    OpenSource();
    const struct {
        const char* name;
        TW_UINT16 id;
        Container container;
    } refused[] = {
        {"ICAP_COMPRESSION 1", ICAP_COMPRESSION, U16(1)},
        {"ICAP_COMPRESSION enumeration 1", ICAP_COMPRESSION, Enum16({0, 1}, 1)},
        {"ICAP_UNITS centimeters", ICAP_UNITS, U16(TWUN_CENTIMETERS)},
        {"ICAP_PLANARCHUNKY planar", ICAP_PLANARCHUNKY, Enum16({1}, 0)},
        {"ICAP_BITDEPTHREDUCTION halftone", ICAP_BITDEPTHREDUCTION, U16(TWBR_HALFTONE)},
        {"CAP_FEEDERENABLED FALSE", CAP_FEEDERENABLED, Bool(false)},
        {"CAP_AUTOFEED TRUE", CAP_AUTOFEED, Bool(true)},
        {"ICAP_IMAGEFILEFORMAT TIFF", ICAP_IMAGEFILEFORMAT, U16(TWFF_TIFF)},
        {"ICAP_IMAGEFILEFORMAT enumeration TIFF", ICAP_IMAGEFILEFORMAT, Enum16({0, 2}, 0)},
        {"ICAP_BITORDER LSB first", ICAP_BITORDER, U16(TWBO_LSBFIRST)},
        {"ICAP_SUPPORTEDSIZES B5 letter", ICAP_SUPPORTEDSIZES, U16(TWSS_B5LETTER)},
        {"ICAP_SUPPORTEDSIZES enumeration 2", ICAP_SUPPORTEDSIZES, Enum16({3, 2}, 1)},
        {"ICAP_XFERMECH 3", ICAP_XFERMECH, U16(3)},
        {"ICAP_XFERMECH enumeration 0xFFFF", ICAP_XFERMECH, Enum16({0, 0xFFFF}, 1)},
    };
    for (const auto& c : refused) ExpectRefused(c.id, c.container, TWCC_BADVALUE, c.name);
}

TEST_F(CapabilitySet, ReadOnlyCapabilitiesAreABadOperation) {
    OpenSource();
    const TW_UINT16 readOnly[] = {
        CAP_FEEDERLOADED,     CAP_SUPPORTEDCAPS,      CAP_PAPERDETECTABLE,    CAP_UICONTROLLABLE,
        CAP_DEVICEONLINE,     CAP_ENABLEDSUIONLY,     CAP_REACQUIREALLOWED,   ICAP_PHYSICALWIDTH,
        ICAP_PHYSICALHEIGHT,  ICAP_XNATIVERESOLUTION, ICAP_YNATIVERESOLUTION, kCalibrationNeeded};
    for (TW_UINT16 id : readOnly) {
        ExpectRefused(id, Bool(false), TWCC_CAPBADOPERATION, "read-only " + std::to_string(id));
        // Whatever the container, even none at all.
        EXPECT_EQ(TWRC_FAILURE, SetHandle(id, TWON_ONEVALUE, nullptr)) << id;
        EXPECT_EQ(TWCC_CAPBADOPERATION, Condition()) << id;
    }
}

TEST_F(CapabilitySet, FeederAlignmentAndUnknownIdsAreUnsupported) {
    OpenSource();
    for (TW_UINT16 id : {TW_UINT16{CAP_FEEDERALIGNMENT}, TW_UINT16{CAP_AUTHOR}, TW_UINT16{0x0000},
                         TW_UINT16{0xBC02}, TW_UINT16{0xBE04}, TW_UINT16{0xFFFF}}) {
        ExpectRefused(id, U16(TWFA_LEFT), TWCC_CAPUNSUPPORTED, "id " + std::to_string(id));
        EXPECT_EQ(TWRC_FAILURE, SetHandle(id, TWON_ENUMERATION, nullptr)) << id;
        EXPECT_EQ(TWCC_CAPUNSUPPORTED, Condition()) << id;
    }
}

TEST_F(CapabilitySet, ContainerTypesACapabilityDoesNotTakeAreRefused) {
    OpenSource();
    // Commands refused this way must not run: without indicators no window
    // could wait for an answer even if one did.
    ASSERT_EQ(TWRC_SUCCESS, Set(CAP_INDICATORS, Bool(false)));
    const Container array{TWON_ARRAY, Array16Bytes(TWTY_UINT16, {1, 2})};
    for (const Settable& cap : SettableCapabilities()) {
        const std::string name = cap.name;
        if (!cap.enumeration) ExpectRefused(cap.id, GoodEnumeration(cap, 0), TWCC_BADVALUE, name + " enumeration");
        if (!cap.range) ExpectRefused(cap.id, GoodRange(cap), TWCC_BADVALUE, name + " range");
        ExpectRefused(cap.id, array, TWCC_BADVALUE, name + " array");
        for (TW_UINT16 conType : {TW_UINT16{TWON_DONTCARE16}, TW_UINT16{0}, TW_UINT16{7}}) {
            Container odd = GoodOneValue(cap);
            odd.conType = conType;
            ExpectRefused(cap.id, odd, TWCC_BADVALUE, name + " ConType " + std::to_string(conType));
        }
    }
    EXPECT_EQ(0, Calls("IO_CalibrateScanner") + Calls("IO_FeedOn") + Calls("IO_Clean"));
}

TEST_F(CapabilitySet, ContainersThatCannotBeReadAreRefused) {
    OpenSource();
    ASSERT_EQ(TWRC_SUCCESS, Set(CAP_INDICATORS, Bool(false)));
    int onTheStack = 0;
    const TW_HANDLE unusable[] = {
        nullptr,
        reinterpret_cast<TW_HANDLE>(&onTheStack),  // memory, but no global block
        reinterpret_cast<TW_HANDLE>(static_cast<uintptr_t>(0x12340000)),
        INVALID_HANDLE_VALUE,
    };
    for (const Settable& cap : SettableCapabilities()) {
        const std::string name = cap.name;
        std::vector<TW_UINT16> conTypes = {TWON_ONEVALUE};
        if (cap.enumeration) conTypes.push_back(TWON_ENUMERATION);
        if (cap.range) conTypes.push_back(TWON_RANGE);
        for (TW_UINT16 conType : conTypes)
            for (TW_HANDLE handle : unusable)
                ExpectRefusedHandle(cap.id, conType, handle, name + " ConType " + std::to_string(conType));

        // Blocks shorter than their layout: nothing past their end is read.
        Container oneValue = GoodOneValue(cap);
        oneValue.bytes.pop_back();
        ExpectRefused(cap.id, oneValue, TWCC_BADVALUE, name + " 5-byte one-value");
        if (cap.enumeration) {
            Container header = GoodEnumeration(cap, 0);
            header.bytes.resize(13);
            ExpectRefused(cap.id, header, TWCC_BADVALUE, name + " 13-byte enumeration");
            // NumItems says 2, the block ends after the first item.
            Container cut = GoodEnumeration(cap, 0);
            cut.bytes.resize(14 + (cap.fix32 ? 4 : 2));
            ExpectRefused(cap.id, cut, TWCC_BADVALUE, name + " enumeration cut after one item");
            // A one-value block sent as an enumeration.
            Container misnamed = GoodOneValue(cap);
            misnamed.conType = TWON_ENUMERATION;
            ExpectRefused(cap.id, misnamed, TWCC_BADVALUE, name + " one-value block as enumeration");
        }
        if (cap.range) {
            Container range = GoodRange(cap);
            range.bytes.pop_back();
            ExpectRefused(cap.id, range, TWCC_BADVALUE, name + " 21-byte range");
        }
    }
    EXPECT_EQ(0, Calls("IO_CalibrateScanner") + Calls("IO_FeedOn") + Calls("IO_Clean"));
}

TEST_F(CapabilitySet, EnumerationsWhoseCurrentIndexIsNotAnItemAreRefused) {
    OpenSource();
    for (const Settable& cap : SettableCapabilities()) {
        if (!cap.enumeration) continue;
        const std::string name = cap.name;
        ExpectRefused(cap.id, GoodEnumeration(cap, 2), TWCC_BADVALUE, name + " CurrentIndex = NumItems");
        ExpectRefused(cap.id, GoodEnumeration(cap, 0x7FFFFFFF), TWCC_BADVALUE, name + " CurrentIndex far out");
        ExpectRefused(cap.id, GoodEnumeration(cap, 0xFFFFFFFF), TWCC_BADVALUE, name + " CurrentIndex -1");
        const Container empty = cap.fix32 ? EnumFix({}, 0) : Enum16({}, 0);
        ExpectRefused(cap.id, empty, TWCC_BADVALUE, name + " no items");
    }
}

// 16-bit items read as the 32-bit items a resolution takes would run past
// the block's end.
TEST_F(CapabilitySet, ResolutionEnumerationsOfNarrowItemsAreRefused) {
    OpenSource();
    ExpectRefused(ICAP_XRESOLUTION, Enum16({75, 100, 150, 200}, 3), TWCC_BADVALUE, "16-bit items");
}

}  // namespace
