// DAT_CAPABILITY MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT and MSG_QUERYSUPPORT
// through the built module: every capability's containers byte for byte, and
// the answers that follow the stored settings, the calling application and
// the virtual scanner.
#include "framework/handles.h"
#include "framework/proc_address.h"
#include "scanner-sim/brsvio.h"
#include "tests/datasource/container_bytes.h"
#include "tests/datasource/data_source_module.h"

#include <windows.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct Expected {
    TW_UINT16 conType;
    Bytes bytes;
};

Expected One(TW_UINT16 itemType, uint32_t item) { return {TWON_ONEVALUE, OneValueBytes(itemType, item)}; }
Expected Bool(bool value) { return One(TWTY_BOOL, value ? 1 : 0); }
Expected U16(uint16_t value) { return One(TWTY_UINT16, value); }
Expected Fix(int16_t whole, uint16_t frac = 0) { return One(TWTY_FIX32, FixWord(whole, frac)); }
Expected Enum16(std::initializer_list<uint16_t> items, uint32_t current, uint32_t defaultIndex) {
    return {TWON_ENUMERATION, Enumeration16Bytes(TWTY_UINT16, items, current, defaultIndex)};
}
Expected FixRange(int16_t low, int16_t high, int16_t step, int16_t defaultValue, int16_t current) {
    return {TWON_RANGE, RangeBytes(TWTY_FIX32, FixWord(low), FixWord(high), FixWord(step),
                                   FixWord(defaultValue), FixWord(current))};
}

const std::vector<uint16_t> kSupportedCaps = {
    0x0001, 0x0100, 0x0101, 0x0102, 0x0103, 0x1002, 0x1003, 0x1005, 0x1007, 0x100B, 0x100D,
    0x100E, 0x100F, 0x1014, 0x102D, 0x1030, 0x1101, 0x1103, 0x1108, 0x110A, 0x110C, 0x1111,
    0x1112, 0x1113, 0x1116, 0x1117, 0x1118, 0x1119, 0x111C, 0x111F, 0x1120, 0x1122, 0x1123,
    0x112B, 0x112C, 0xBC00, 0xBC01, 0xBE00, 0xBE01, 0xBE02, 0xBE03};

Expected SupportedCaps() { return {TWON_ARRAY, Array16Bytes(TWTY_UINT16, kSupportedCaps)}; }

Expected Resolutions(uint32_t currentIndex) {
    return {TWON_ENUMERATION,
            Enumeration32Bytes(TWTY_FIX32,
                               {FixWord(75), FixWord(100), FixWord(150), FixWord(200), FixWord(300),
                                FixWord(400), FixWord(500), FixWord(600)},
                               currentIndex, 4)};
}

Expected PaperSizes(uint32_t currentIndex) {
    return Enum16({0, 3, 4, 1, 29, 5, 13, 53}, currentIndex, 1);
}

const uint16_t kFrac8_64 = 0xA3D7;  // 8.64 = 8 + 0xA3D7 / 65536
const uint16_t kFrac1_8 = 0xCCCD;   // 1.8
const uint16_t kFrac2_2 = 0x3333;   // 2.2

struct Row {
    const char* name;
    TW_UINT16 id;
    Expected get;
    Expected current;
    Expected byDefault;
    TW_INT32 support;
};

// Every capability right after MSG_OPENDS with no stored settings, the
// virtual scanner online with a sheet at its sensor and no calibration due.
std::vector<Row> FreshSourceRows() {
    const TW_INT32 all = 31, read = 13, command = 15;
    return {
        {"CAP_XFERCOUNT", 0x0001, One(TWTY_INT16, 0xFFFFFFFF), One(TWTY_INT16, 0xFFFFFFFF),
         One(TWTY_INT16, 0xFFFFFFFF), all},
        {"ICAP_COMPRESSION", 0x0100, U16(0), U16(0), U16(0), all},
        {"ICAP_PIXELTYPE", 0x0101, Enum16({0, 1, 2}, 0, 0), U16(0), U16(0), all},
        {"ICAP_UNITS", 0x0102, U16(0), U16(0), U16(0), all},
        {"ICAP_XFERMECH", 0x0103, Enum16({0, 1, 2}, 0, 0), U16(0), U16(0), all},
        {"CAP_FEEDERENABLED", 0x1002, Bool(true), Bool(true), Bool(true), all},
        {"CAP_FEEDERLOADED", 0x1003, Bool(true), Bool(true), Bool(false), read},
        {"CAP_SUPPORTEDCAPS", 0x1005, SupportedCaps(), SupportedCaps(), SupportedCaps(), read},
        {"CAP_AUTOFEED", 0x1007, Bool(false), Bool(false), Bool(false), all},
        {"CAP_INDICATORS", 0x100B, Bool(true), Bool(true), Bool(true), all},
        {"CAP_PAPERDETECTABLE", 0x100D, Bool(true), Bool(true), Bool(true), read},
        {"CAP_UICONTROLLABLE", 0x100E, Bool(true), Bool(true), Bool(true), read},
        {"CAP_DEVICEONLINE", 0x100F, Bool(true), Bool(true), Bool(true), read},
        {"CAP_ENABLEDSUIONLY", 0x1014, Bool(true), Bool(true), Bool(true), read},
        {"CAP_FEEDERALIGNMENT", 0x102D, U16(1), U16(1), U16(1), read},
        {"CAP_REACQUIREALLOWED", 0x1030, Bool(false), Bool(false), Bool(false), read},
        {"ICAP_BRIGHTNESS", 0x1101, FixRange(-1000, 1000, 10, 0, 0), Fix(0), Fix(0), all},
        {"ICAP_CONTRAST", 0x1103, FixRange(-1000, 1000, 10, 0, 0), Fix(0), Fix(0), all},
        {"ICAP_GAMMA", 0x1108, Fix(1, kFrac1_8), Fix(1, kFrac1_8), Fix(1, kFrac1_8), all},
        {"ICAP_HIGHLIGHT", 0x110A, FixRange(0, 255, 1, 255, 255), Fix(255), Fix(255), all},
        {"ICAP_IMAGEFILEFORMAT", 0x110C, U16(2), U16(2), U16(2), all},
        {"ICAP_PHYSICALWIDTH", 0x1111, Fix(8, kFrac8_64), Fix(8, kFrac8_64), Fix(8, kFrac8_64), read},
        {"ICAP_PHYSICALHEIGHT", 0x1112, Fix(14), Fix(14), Fix(14), read},
        {"ICAP_SHADOW", 0x1113, FixRange(0, 255, 1, 0, 0), Fix(0), Fix(0), all},
        {"ICAP_XNATIVERESOLUTION", 0x1116, Fix(600), Fix(600), Fix(600), read},
        {"ICAP_YNATIVERESOLUTION", 0x1117, Fix(600), Fix(600), Fix(600), read},
        {"ICAP_XRESOLUTION", 0x1118, Resolutions(4), Fix(300), Fix(300), all},
        {"ICAP_YRESOLUTION", 0x1119, Resolutions(4), Fix(300), Fix(300), all},
        {"ICAP_BITORDER", 0x111C, U16(1), U16(1), U16(1), all},
        {"ICAP_PIXELFLAVOR", 0x111F, Enum16({0, 1}, 0, 0), U16(0), U16(0), all},
        {"ICAP_PLANARCHUNKY", 0x1120, U16(0), U16(0), U16(0), all},
        {"ICAP_SUPPORTEDSIZES", 0x1122, PaperSizes(1), U16(3), U16(3), all},
        {"ICAP_THRESHOLD", 0x1123, Fix(128), Fix(128), Fix(128), all},
        {"ICAP_BITDEPTH", 0x112B, U16(1), U16(1), U16(1), all},
        {"ICAP_BITDEPTHREDUCTION", 0x112C, U16(0), U16(0), U16(0), all},
        {"filter 0xBC00", 0xBC00, Bool(false), Bool(false), Bool(false), all},
        {"end of page 0xBC01", 0xBC01, Bool(false), Bool(false), Bool(false), all},
        {"calibration needed 0xBE00", 0xBE00, Bool(false), Bool(false), Bool(false), read},
        {"calibrate 0xBE01", 0xBE01, Bool(false), Bool(false), Bool(false), command},
        {"feed 0xBE02", 0xBE02, Bool(false), Bool(false), Bool(false), command},
        {"clean 0xBE03", 0xBE03, Bool(false), Bool(false), Bool(false), command},
    };
}

// The virtual scanner, loaded by the test before the source so that both use
// the same instance and the test can steer it.
class VirtualScanner {
public:
    VirtualScanner() : module_(LoadLibraryA((ScannerFolder() + "BRSVIO.DLL").c_str())) {
        if (!module_) return;
        reset_ = ProcAddress<BRSVIO_Reset_Fn>(module_.Get(), "BRSVIO_Reset");
        configure_ = ProcAddress<BRSVIO_Configure_Fn>(module_.Get(), "BRSVIO_Configure");
        if (reset_) reset_();
    }
    ~VirtualScanner() {
        if (reset_) reset_();
    }
    bool Loaded() const { return module_ && reset_ && configure_; }
    // The source loaded this very library.
    bool SharedWithSource() const { return GetModuleHandleA("BRSVIO.DLL") == module_.Get(); }
    bool Configure(const char* key, const char* value) { return configure_ && configure_(key, value) == 1; }

private:
    ModuleHandle module_;
    BRSVIO_Reset_Fn reset_ = nullptr;
    BRSVIO_Configure_Fn configure_ = nullptr;
};

class CapabilityGet : public DataSourceModule {
protected:
    // Asks `msg` for `id`; the container, if any, is taken and freed.
    TW_UINT16 Ask(TW_UINT16 msg, TW_UINT16 id, TW_CAPABILITY& cap, Bytes& bytes) {
        cap = TW_CAPABILITY{id, 0, nullptr};
        TW_UINT16 rc = Call(DG_CONTROL, DAT_CAPABILITY, msg, &cap);
        bool unlocked = true;
        bytes = TakeContainer(cap, &unlocked);
        EXPECT_TRUE(unlocked) << "capability " << id << " message " << msg;
        return rc;
    }
    // The answer to `msg` for `id`, which must succeed.
    Expected Answer(TW_UINT16 msg, TW_UINT16 id) {
        TW_CAPABILITY cap;
        Bytes bytes;
        EXPECT_EQ(TWRC_SUCCESS, Ask(msg, id, cap, bytes)) << "capability " << id << " message " << msg;
        return {cap.ConType, bytes};
    }
    void ExpectAnswer(const Expected& expected, TW_UINT16 msg, TW_UINT16 id, const char* name) {
        Expected got = Answer(msg, id);
        EXPECT_EQ(expected.conType, got.conType) << name << " message " << msg;
        EXPECT_EQ(Hex(expected.bytes), Hex(got.bytes)) << name << " message " << msg;
    }
    void WriteProfile(const char* section, const std::vector<std::pair<const char*, int>>& keys) {
        CreateDirectoryA(UserDataFolder().c_str(), nullptr);
        for (const auto& key : keys)
            ASSERT_TRUE(WritePrivateProfileStringA(section, key.first,
                                                   std::to_string(key.second).c_str(),
                                                   UserProfilePath().c_str()));
    }
};

TEST_F(CapabilityGet, EveryCapabilityAnswersAsItsRowSays) {
    ScopedScannerOnPath scanner(true);
    VirtualScanner io;
    ASSERT_TRUE(io.Loaded());
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_TRUE(io.SharedWithSource());

    const std::vector<Row> rows = FreshSourceRows();
    ASSERT_EQ(41u, rows.size());
    std::set<TW_UINT16> ids;
    for (const Row& row : rows) {
        ids.insert(row.id);
        ExpectAnswer(row.get, MSG_GET, row.id, row.name);
        ExpectAnswer(row.current, MSG_GETCURRENT, row.id, row.name);
        ExpectAnswer(row.byDefault, MSG_GETDEFAULT, row.id, row.name);
        ExpectAnswer(One(TWTY_INT32, static_cast<uint32_t>(row.support)), MSG_QUERYSUPPORT,
                     row.id, row.name);
    }
    EXPECT_EQ(std::set<TW_UINT16>(kSupportedCaps.begin(), kSupportedCaps.end()), ids);
    EXPECT_EQ(TWCC_SUCCESS, Condition());
}

TEST_F(CapabilityGet, UnknownCapabilitiesAreUnsupportedButQuerySupportAnswersZero) {
    ScopedScannerOnPath scanner(true);
    ASSERT_EQ(TWRC_SUCCESS, Open());
    for (TW_UINT16 id : {CAP_AUTHOR, TW_UINT16{0x0000}, TW_UINT16{0xBC02}, TW_UINT16{0xBE04},
                         TW_UINT16{0xFFFF}}) {
        for (TW_UINT16 msg : {MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT}) {
            const TW_HANDLE mark = reinterpret_cast<TW_HANDLE>(0x5150);
            TW_CAPABILITY cap{id, 0x1234, mark};
            EXPECT_EQ(TWRC_FAILURE, Call(DG_CONTROL, DAT_CAPABILITY, msg, &cap)) << id;
            EXPECT_EQ(TWCC_CAPUNSUPPORTED, Condition()) << id;
            // Nothing is handed over, and the application's fields stay.
            EXPECT_EQ(0x1234, cap.ConType);
            EXPECT_EQ(mark, cap.hContainer);
        }
        ExpectAnswer(One(TWTY_INT32, 0), MSG_QUERYSUPPORT, id, "unknown");
        EXPECT_EQ(TWCC_SUCCESS, Condition());
    }
}

TEST_F(CapabilityGet, WhateverTheApplicationLeftInTheStructureIsOverwritten) {
    ScopedScannerOnPath scanner(true);
    ASSERT_EQ(TWRC_SUCCESS, Open());
    for (TW_UINT16 msg : {MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT, MSG_QUERYSUPPORT}) {
        TW_CAPABILITY cap{ICAP_XFERMECH, 0xFFFF, reinterpret_cast<TW_HANDLE>(0xDEADBEE0)};
        ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_CAPABILITY, msg, &cap));
        EXPECT_EQ(msg == MSG_GET ? TWON_ENUMERATION : TWON_ONEVALUE, cap.ConType);
        EXPECT_FALSE(TakeContainer(cap).empty());
        // Without a structure there is nothing to answer into.
        EXPECT_EQ(TWRC_FAILURE, Call(DG_CONTROL, DAT_CAPABILITY, msg, nullptr));
        EXPECT_EQ(TWCC_BADVALUE, Condition());
    }
}

TEST_F(CapabilityGet, StoredSettingsOfTheApplicationAreReported) {
    WriteProfile("TESTAPPLICATION", {{"ScanMode", 4}, {"DPI", 150}, {"Brightness", -25},
                                     {"Contrast", 40}, {"Gamma", 22}, {"Highlight", 200},
                                     {"Shadow", 12}, {"Filter", 1}, {"DetectEOP", 1},
                                     {"Top", 0}, {"Left", 0}, {"Bottom", 1169}, {"Right", 827}});
    // Another application's section changes nothing for this one.
    WriteProfile("OTHERAPP", {{"ScanMode", 1}, {"DPI", 600}});
    ScopedScannerOnPath scanner(true);
    ASSERT_EQ(TWRC_SUCCESS, Open("Test Application"));

    ExpectAnswer(Enum16({0, 1, 2}, 2, 0), MSG_GET, ICAP_PIXELTYPE, "pixel type");
    ExpectAnswer(U16(2), MSG_GETCURRENT, ICAP_PIXELTYPE, "pixel type");
    ExpectAnswer(U16(0), MSG_GETDEFAULT, ICAP_PIXELTYPE, "pixel type");
    ExpectAnswer(U16(8), MSG_GET, ICAP_BITDEPTH, "bit depth");
    ExpectAnswer(U16(8), MSG_GETDEFAULT, ICAP_BITDEPTH, "bit depth");
    for (TW_UINT16 id : {ICAP_XRESOLUTION, ICAP_YRESOLUTION}) {
        ExpectAnswer(Resolutions(2), MSG_GET, id, "resolution");
        ExpectAnswer(Fix(150), MSG_GETCURRENT, id, "resolution");
        ExpectAnswer(Fix(300), MSG_GETDEFAULT, id, "resolution");
    }
    ExpectAnswer(FixRange(-1000, 1000, 10, 0, -250), MSG_GET, ICAP_BRIGHTNESS, "brightness");
    ExpectAnswer(Fix(-250), MSG_GETCURRENT, ICAP_BRIGHTNESS, "brightness");
    ExpectAnswer(Fix(0), MSG_GETDEFAULT, ICAP_BRIGHTNESS, "brightness");
    ExpectAnswer(FixRange(-1000, 1000, 10, 0, 400), MSG_GET, ICAP_CONTRAST, "contrast");
    ExpectAnswer(Fix(400), MSG_GETCURRENT, ICAP_CONTRAST, "contrast");
    ExpectAnswer(Fix(2, kFrac2_2), MSG_GET, ICAP_GAMMA, "gamma");
    ExpectAnswer(Fix(2, kFrac2_2), MSG_GETCURRENT, ICAP_GAMMA, "gamma");
    ExpectAnswer(Fix(1, kFrac1_8), MSG_GETDEFAULT, ICAP_GAMMA, "gamma");
    ExpectAnswer(FixRange(0, 255, 1, 255, 200), MSG_GET, ICAP_HIGHLIGHT, "highlight");
    ExpectAnswer(Fix(200), MSG_GETCURRENT, ICAP_HIGHLIGHT, "highlight");
    ExpectAnswer(FixRange(0, 255, 1, 0, 12), MSG_GET, ICAP_SHADOW, "shadow");
    ExpectAnswer(Fix(12), MSG_GETCURRENT, ICAP_SHADOW, "shadow");
    ExpectAnswer(Fix(153), MSG_GET, ICAP_THRESHOLD, "threshold");
    ExpectAnswer(Fix(128), MSG_GETDEFAULT, ICAP_THRESHOLD, "threshold");
    ExpectAnswer(PaperSizes(3), MSG_GET, ICAP_SUPPORTEDSIZES, "sizes");
    ExpectAnswer(U16(TWSS_A4LETTER), MSG_GETCURRENT, ICAP_SUPPORTEDSIZES, "sizes");
    ExpectAnswer(U16(TWSS_USLETTER), MSG_GETDEFAULT, ICAP_SUPPORTEDSIZES, "sizes");
    for (TW_UINT16 id : {TW_UINT16{0xBC00}, TW_UINT16{0xBC01}}) {
        ExpectAnswer(Bool(true), MSG_GET, id, "filter/end of page");
        ExpectAnswer(Bool(true), MSG_GETCURRENT, id, "filter/end of page");
        ExpectAnswer(Bool(false), MSG_GETDEFAULT, id, "filter/end of page");
    }
}

TEST_F(CapabilityGet, GrayAtFullBrightnessOnAFrameOfNoPaperSize) {
    WriteProfile("TESTAPPLICATION", {{"ScanMode", 1}, {"Brightness", 100}, {"DPI", 75},
                                     {"Bottom", 1000}, {"Right", 800}});
    ScopedScannerOnPath scanner(true);
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ExpectAnswer(Enum16({0, 1, 2}, 1, 0), MSG_GET, ICAP_PIXELTYPE, "pixel type");
    ExpectAnswer(U16(8), MSG_GETCURRENT, ICAP_BITDEPTH, "bit depth");
    ExpectAnswer(Fix(28), MSG_GETCURRENT, ICAP_THRESHOLD, "threshold");
    ExpectAnswer(Fix(1000), MSG_GETCURRENT, ICAP_BRIGHTNESS, "brightness");
    ExpectAnswer(Resolutions(0), MSG_GET, ICAP_XRESOLUTION, "resolution");
    ExpectAnswer(PaperSizes(0), MSG_GET, ICAP_SUPPORTEDSIZES, "sizes");
    ExpectAnswer(U16(TWSS_NONE), MSG_GETCURRENT, ICAP_SUPPORTEDSIZES, "sizes");
}

TEST_F(CapabilityGet, WholeScanAreaIsNotReportedAsAPaperSizeOfItsOwn) {
    WriteProfile("TESTAPPLICATION", {{"Bottom", 1400}, {"Right", 864}});
    ScopedScannerOnPath scanner(true);
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ExpectAnswer(PaperSizes(0), MSG_GET, ICAP_SUPPORTEDSIZES, "sizes");
    ExpectAnswer(U16(TWSS_NONE), MSG_GETCURRENT, ICAP_SUPPORTEDSIZES, "sizes");
}

TEST_F(CapabilityGet, ApplicationXtenderIsToldUiOnlyEnablingIsUnsupported) {
    ScopedScannerOnPath scanner(true);
    ASSERT_EQ(TWRC_SUCCESS, Open("ApplicationXtender"));
    for (TW_UINT16 msg : {MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT})
        ExpectAnswer(Bool(false), msg, CAP_ENABLEDSUIONLY, "ApplicationXtender");
    ExpectAnswer(One(TWTY_INT32, 13), MSG_QUERYSUPPORT, CAP_ENABLEDSUIONLY, "ApplicationXtender");
}

TEST_F(CapabilityGet, OnlyTheExactProductNameCountsAsApplicationXtender) {
    ScopedScannerOnPath scanner(true);
    ASSERT_EQ(TWRC_SUCCESS, Open("ApplicationXtender 7"));
    ExpectAnswer(Bool(true), MSG_GET, CAP_ENABLEDSUIONLY, "ApplicationXtender 7");
    Close();
    ASSERT_EQ(TWRC_SUCCESS, Open("applicationxtender"));
    ExpectAnswer(Bool(true), MSG_GET, CAP_ENABLEDSUIONLY, "applicationxtender");
}

TEST_F(CapabilityGet, ScannerThatCouldNotBeOpenedIsOfflineWithoutPaperOrCalibrationNeeds) {
    ScopedScannerOnPath scanner(true);
    VirtualScanner io;
    ASSERT_TRUE(io.Loaded());
    ASSERT_TRUE(io.Configure("open_fails", "1"));
    ASSERT_TRUE(io.Configure("calibration_needed", "1"));
    ASSERT_TRUE(io.Configure("sheets", "3"));
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_TRUE(io.SharedWithSource());
    ExpectAnswer(Bool(false), MSG_GET, CAP_DEVICEONLINE, "device online");
    ExpectAnswer(Bool(false), MSG_GETCURRENT, CAP_DEVICEONLINE, "device online");
    ExpectAnswer(Bool(true), MSG_GETDEFAULT, CAP_DEVICEONLINE, "device online");
    ExpectAnswer(Bool(false), MSG_GET, CAP_FEEDERLOADED, "feeder loaded");
    ExpectAnswer(Bool(false), MSG_GETCURRENT, CAP_FEEDERLOADED, "feeder loaded");
    ExpectAnswer(Bool(false), MSG_GET, 0xBE00, "calibration needed");
    ExpectAnswer(Bool(false), MSG_GETCURRENT, 0xBE00, "calibration needed");
}

TEST_F(CapabilityGet, FeederLoadedAsksTheScannerAtEveryRead) {
    ScopedScannerOnPath scanner(true);
    VirtualScanner io;
    ASSERT_TRUE(io.Loaded());
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_TRUE(io.SharedWithSource());
    ExpectAnswer(Bool(true), MSG_GET, CAP_FEEDERLOADED, "with a sheet");
    ASSERT_TRUE(io.Configure("sheets", "0"));
    ExpectAnswer(Bool(false), MSG_GET, CAP_FEEDERLOADED, "empty feeder");
    ExpectAnswer(Bool(false), MSG_GETCURRENT, CAP_FEEDERLOADED, "empty feeder");
    ASSERT_TRUE(io.Configure("sheets", "2"));
    ExpectAnswer(Bool(true), MSG_GETCURRENT, CAP_FEEDERLOADED, "refilled");
    ExpectAnswer(Bool(false), MSG_GETDEFAULT, CAP_FEEDERLOADED, "refilled");
}

TEST_F(CapabilityGet, CalibrationNeededIsTheScannersAnswer) {
    ScopedScannerOnPath scanner(true);
    VirtualScanner io;
    ASSERT_TRUE(io.Loaded());
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_TRUE(io.SharedWithSource());
    ExpectAnswer(Bool(false), MSG_GET, 0xBE00, "not due");
    ASSERT_TRUE(io.Configure("calibration_needed", "1"));
    ExpectAnswer(Bool(true), MSG_GET, 0xBE00, "due");
    ExpectAnswer(Bool(true), MSG_GETCURRENT, 0xBE00, "due");
    ExpectAnswer(Bool(false), MSG_GETDEFAULT, 0xBE00, "due");
    ExpectAnswer(Bool(true), MSG_GET, CAP_DEVICEONLINE, "online");
}

}  // namespace
