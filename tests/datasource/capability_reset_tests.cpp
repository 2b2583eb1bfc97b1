// DAT_CAPABILITY MSG_RESET through the built module: what each capability
// goes back to, that nothing else moves, that restrictions are lifted, and
// the capabilities that cannot be reset.
#include "tests/datasource/capability_session.h"

#include <set>
#include <string>
#include <vector>

namespace {

constexpr TW_UINT16 kFilter = 0xBC00;
constexpr TW_UINT16 kDetectEndOfPage = 0xBC01;

Container Bool(bool value) { return OneValue(TWTY_BOOL, value ? 1 : 0); }
Container U16(uint16_t value) { return OneValue(TWTY_UINT16, value); }
Container Fix(double value) { return OneValue(TWTY_FIX32, FixOf(value)); }

struct ResetRow {
    const char* name;
    TW_UINT16 id;
    Container dirty;  // set first, away from the value the reset restores
    Bytes reset;      // the one-value MSG_RESET answers
};

std::vector<ResetRow> RestoringRows() {
    return {
        {"CAP_XFERCOUNT", CAP_XFERCOUNT, OneValue(TWTY_INT16, 4), OneValueBytes(TWTY_INT16, 0xFFFFFFFF)},
        {"ICAP_PIXELTYPE", ICAP_PIXELTYPE, Enum16({1, 2}, 1), OneValueBytes(TWTY_UINT16, TWPT_BW)},
        {"ICAP_XFERMECH", ICAP_XFERMECH, U16(TWSX_FILE), OneValueBytes(TWTY_UINT16, TWSX_NATIVE)},
        {"CAP_INDICATORS", CAP_INDICATORS, Bool(false), OneValueBytes(TWTY_BOOL, TRUE)},
        {"ICAP_BRIGHTNESS", ICAP_BRIGHTNESS, Fix(500), OneValueBytes(TWTY_FIX32, FixOf(0))},
        {"ICAP_CONTRAST", ICAP_CONTRAST, Fix(-300), OneValueBytes(TWTY_FIX32, FixOf(0))},
        {"ICAP_GAMMA", ICAP_GAMMA, Fix(3), OneValueBytes(TWTY_FIX32, FixOf(1.8))},
        {"ICAP_HIGHLIGHT", ICAP_HIGHLIGHT, Fix(100), OneValueBytes(TWTY_FIX32, FixOf(255))},
        {"ICAP_SHADOW", ICAP_SHADOW, Fix(50), OneValueBytes(TWTY_FIX32, FixOf(0))},
        {"ICAP_XRESOLUTION", ICAP_XRESOLUTION, RangeFix(100, 200, 100, 100), OneValueBytes(TWTY_FIX32, FixOf(300))},
        {"ICAP_YRESOLUTION", ICAP_YRESOLUTION, Fix(200), OneValueBytes(TWTY_FIX32, FixOf(300))},
        {"ICAP_PIXELFLAVOR", ICAP_PIXELFLAVOR, U16(TWPF_VANILLA), OneValueBytes(TWTY_UINT16, TWPF_CHOCOLATE)},
        {"ICAP_SUPPORTEDSIZES", ICAP_SUPPORTEDSIZES, U16(TWSS_NONE), OneValueBytes(TWTY_UINT16, TWSS_USLETTER)},
        {"ICAP_THRESHOLD", ICAP_THRESHOLD, Fix(100), OneValueBytes(TWTY_FIX32, FixOf(128))},
        {"filter", kFilter, Bool(true), OneValueBytes(TWTY_BOOL, FALSE)},
        {"end of page", kDetectEndOfPage, Bool(true), OneValueBytes(TWTY_BOOL, FALSE)},
    };
}

// Capabilities that show the same setting from two sides.
std::set<TW_UINT16> Linked(TW_UINT16 id) {
    switch (id) {
    case ICAP_BRIGHTNESS:
    case ICAP_THRESHOLD: return {ICAP_BRIGHTNESS, ICAP_THRESHOLD};
    case ICAP_XRESOLUTION:
    case ICAP_YRESOLUTION: return {ICAP_XRESOLUTION, ICAP_YRESOLUTION};
    case ICAP_PIXELTYPE: return {ICAP_PIXELTYPE, ICAP_BITDEPTH};
    default: return {id};
    }
}

class CapabilityReset : public CapabilitySession {
protected:
    void MakeEverythingDirty() {
        for (const ResetRow& row : RestoringRows())
            ASSERT_EQ(TWRC_SUCCESS, Set(row.id, row.dirty)) << row.name;
    }
    Reply Reset(TW_UINT16 id) {
        Reply reply = Ask(MSG_RESET, id);
        return reply;
    }
    Bytes Get(TW_UINT16 id) {
        Reply reply = Ask(MSG_GET, id);
        EXPECT_EQ(TWRC_SUCCESS, reply.rc) << id;
        return reply.bytes;
    }
};

TEST_F(CapabilityReset, EachCapabilityGoesBackAndNothingElseMoves) {
    OpenSource();
    for (const ResetRow& row : RestoringRows()) {
        MakeEverythingDirty();
        const auto before = Snapshot();
        ASSERT_NE(Hex(row.reset), Hex(before.at(row.id).second)) << row.name << " was not changed first";
        const Reply reply = Reset(row.id);
        EXPECT_EQ(TWRC_SUCCESS, reply.rc) << row.name;
        EXPECT_EQ(TWCC_SUCCESS, Condition()) << row.name;
        // Answered as MSG_GETCURRENT answers, one-value included.
        EXPECT_EQ(TWON_ONEVALUE, reply.conType) << row.name;
        EXPECT_EQ(Hex(row.reset), Hex(reply.bytes)) << row.name;
        EXPECT_EQ(Hex(row.reset), Hex(Current(row.id))) << row.name;
        const auto after = Snapshot();
        const std::set<TW_UINT16> linked = Linked(row.id);
        for (const auto& entry : before) {
            if (linked.count(entry.first)) continue;
            EXPECT_TRUE(entry.second == after.at(entry.first))
                << "resetting " << row.name << " changed capability " << entry.first;
        }
    }
}

TEST_F(CapabilityReset, BrightnessAndThresholdResetEachOther) {
    OpenSource();
    ASSERT_EQ(TWRC_SUCCESS, Set(ICAP_THRESHOLD, Fix(100)));
    EXPECT_EQ(TWRC_SUCCESS, Reset(ICAP_BRIGHTNESS).rc);
    EXPECT_EQ(Hex(OneValueBytes(TWTY_FIX32, FixOf(128))), Hex(Current(ICAP_THRESHOLD)));
    ASSERT_EQ(TWRC_SUCCESS, Set(ICAP_BRIGHTNESS, Fix(-400)));
    EXPECT_EQ(TWRC_SUCCESS, Reset(ICAP_THRESHOLD).rc);
    EXPECT_EQ(Hex(OneValueBytes(TWTY_FIX32, FixOf(0))), Hex(Current(ICAP_BRIGHTNESS)));
}

TEST_F(CapabilityReset, ResetLiftsAPixelTypeRestriction) {
    OpenSource();
    ASSERT_EQ(TWRC_SUCCESS, Set(ICAP_PIXELTYPE, Enum16({2}, 0)));
    EXPECT_EQ(Hex(Enumeration16Bytes(TWTY_UINT16, {2}, 0, 0)), Hex(Get(ICAP_PIXELTYPE)));
    EXPECT_EQ(TWRC_SUCCESS, Reset(ICAP_PIXELTYPE).rc);
    EXPECT_EQ(Hex(Enumeration16Bytes(TWTY_UINT16, {0, 1, 2}, 0, 0)), Hex(Get(ICAP_PIXELTYPE)));
    ASSERT_EQ(TWRC_SUCCESS, Set(ICAP_PIXELTYPE, U16(TWPT_GRAY)));
    EXPECT_EQ(Hex(OneValueBytes(TWTY_UINT16, TWPT_GRAY)), Hex(Current(ICAP_PIXELTYPE)));
}

TEST_F(CapabilityReset, ResetOfEitherAxisLiftsAResolutionRestriction) {
    OpenSource();
    const std::vector<uint32_t> all = {FixWord(75),  FixWord(100), FixWord(150), FixWord(200),
                                       FixWord(300), FixWord(400), FixWord(500), FixWord(600)};
    for (TW_UINT16 axis : {TW_UINT16{ICAP_XRESOLUTION}, TW_UINT16{ICAP_YRESOLUTION}}) {
        ASSERT_EQ(TWRC_SUCCESS, Set(ICAP_XRESOLUTION, EnumFix({150, 600}, 1)));
        EXPECT_EQ(Hex(Enumeration32Of(TWTY_FIX32, {FixWord(150), FixWord(600)}, 1, 0)),
                  Hex(Get(ICAP_YRESOLUTION)));
        EXPECT_EQ(TWRC_SUCCESS, Reset(axis).rc) << axis;
        EXPECT_EQ(Hex(Enumeration32Of(TWTY_FIX32, all, 4, 4)), Hex(Get(ICAP_XRESOLUTION))) << axis;
        EXPECT_EQ(Hex(Enumeration32Of(TWTY_FIX32, all, 4, 4)), Hex(Get(ICAP_YRESOLUTION))) << axis;
        ASSERT_EQ(TWRC_SUCCESS, Set(ICAP_YRESOLUTION, OneValue(TWTY_FIX32, FixOf(400))));
        EXPECT_EQ(Hex(OneValueBytes(TWTY_FIX32, FixOf(400))), Hex(Current(ICAP_XRESOLUTION))) << axis;
    }
}

TEST_F(CapabilityReset, PaperSizeGoesBackToLetter) {
    OpenSource();
    ASSERT_EQ(TWRC_SUCCESS, Set(ICAP_SUPPORTEDSIZES, U16(TWSS_A6)));
    EXPECT_EQ(Hex(OneValueBytes(TWTY_UINT16, TWSS_USLETTER)), Hex(Reset(ICAP_SUPPORTEDSIZES).bytes));
    // The whole-area row counts only while it is the size an application set.
    ASSERT_EQ(TWRC_SUCCESS, Set(ICAP_SUPPORTEDSIZES, U16(TWSS_NONE)));
    EXPECT_EQ(Hex(OneValueBytes(TWTY_UINT16, TWSS_NONE)), Hex(Current(ICAP_SUPPORTEDSIZES)));
    EXPECT_EQ(Hex(OneValueBytes(TWTY_UINT16, TWSS_USLETTER)), Hex(Reset(ICAP_SUPPORTEDSIZES).bytes));
}

TEST_F(CapabilityReset, FixedPropertiesAnswerTheirValueAndChangeNothing) {
    OpenSource();
    MakeEverythingDirty();
    ASSERT_EQ(TWRC_SUCCESS, Set(ICAP_PIXELTYPE, U16(TWPT_RGB)));
    const struct {
        const char* name;
        TW_UINT16 id;
        Bytes reset;
    } fixed[] = {
        {"ICAP_COMPRESSION", ICAP_COMPRESSION, OneValueBytes(TWTY_UINT16, TWCP_NONE)},
        {"ICAP_UNITS", ICAP_UNITS, OneValueBytes(TWTY_UINT16, TWUN_INCHES)},
        {"CAP_FEEDERENABLED", CAP_FEEDERENABLED, OneValueBytes(TWTY_BOOL, TRUE)},
        {"CAP_AUTOFEED", CAP_AUTOFEED, OneValueBytes(TWTY_BOOL, FALSE)},
        {"ICAP_IMAGEFILEFORMAT", ICAP_IMAGEFILEFORMAT, OneValueBytes(TWTY_UINT16, TWFF_BMP)},
        {"ICAP_BITORDER", ICAP_BITORDER, OneValueBytes(TWTY_UINT16, TWBO_MSBFIRST)},
        {"ICAP_PLANARCHUNKY", ICAP_PLANARCHUNKY, OneValueBytes(TWTY_UINT16, TWPC_CHUNKY)},
        // Follows the pixel type, which its reset leaves alone.
        {"ICAP_BITDEPTH", ICAP_BITDEPTH, OneValueBytes(TWTY_UINT16, 8)},
        {"ICAP_BITDEPTHREDUCTION", ICAP_BITDEPTHREDUCTION, OneValueBytes(TWTY_UINT16, TWBR_THRESHOLD)},
    };
    for (const auto& cap : fixed) {
        const auto before = Snapshot();
        const Reply reply = Reset(cap.id);
        EXPECT_EQ(TWRC_SUCCESS, reply.rc) << cap.name;
        EXPECT_EQ(TWON_ONEVALUE, reply.conType) << cap.name;
        EXPECT_EQ(Hex(cap.reset), Hex(reply.bytes)) << cap.name;
        EXPECT_TRUE(before == Snapshot()) << cap.name << " changed a capability";
    }
}

TEST_F(CapabilityReset, ReadOnlyCapabilitiesAndCommandsAreABadOperation) {
    OpenSource();
    MakeEverythingDirty();
    const TW_UINT16 cannot[] = {
        CAP_FEEDERLOADED,     CAP_SUPPORTEDCAPS,      CAP_PAPERDETECTABLE,    CAP_UICONTROLLABLE,
        CAP_DEVICEONLINE,     CAP_ENABLEDSUIONLY,     CAP_FEEDERALIGNMENT,    CAP_REACQUIREALLOWED,
        ICAP_PHYSICALWIDTH,   ICAP_PHYSICALHEIGHT,    ICAP_XNATIVERESOLUTION, ICAP_YNATIVERESOLUTION,
        0xBE00,               0xBE01,                 0xBE02,                 0xBE03};
    const auto before = Snapshot();
    for (TW_UINT16 id : cannot) {
        TW_CAPABILITY cap{id, TWON_DONTCARE16, nullptr};
        EXPECT_EQ(TWRC_FAILURE, Call(DG_CONTROL, DAT_CAPABILITY, MSG_RESET, &cap)) << id;
        EXPECT_EQ(TWCC_CAPBADOPERATION, Condition()) << id;
        EXPECT_EQ(nullptr, cap.hContainer) << id;
    }
    EXPECT_TRUE(before == Snapshot());
    EXPECT_EQ(0, Calls("IO_CalibrateScanner") + Calls("IO_FeedOn") + Calls("IO_Clean"));
}

TEST_F(CapabilityReset, UnknownIdsAreUnsupported) {
    OpenSource();
    for (TW_UINT16 id : {TW_UINT16{CAP_AUTHOR}, TW_UINT16{0x0000}, TW_UINT16{0xBC02}, TW_UINT16{0xBE04}}) {
        TW_CAPABILITY cap{id, TWON_DONTCARE16, nullptr};
        EXPECT_EQ(TWRC_FAILURE, Call(DG_CONTROL, DAT_CAPABILITY, MSG_RESET, &cap)) << id;
        EXPECT_EQ(TWCC_CAPUNSUPPORTED, Condition()) << id;
        EXPECT_EQ(nullptr, cap.hContainer) << id;
    }
}

}  // namespace
