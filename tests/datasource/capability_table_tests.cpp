// The capability tables and the answers that depend on negotiation variables
// an application can only reach through MSG_SET, checked in process.
#include "datasource/capability_table.h"
#include "datasource/data_source_app.h"
#include "datasource/operations.h"
#include "datasource/scanner_properties.h"
#include "datasource/triplet_table.h"
#include "engine/negotiation_state.h"
#include "support/framed_settings.h"
#include "tests/datasource/container_bytes.h"
#include "tests/datasource/global_alloc_failure.h"

#include <gtest/gtest.h>

namespace {

TEST(CapabilityTable, PixelTypesMapToScanModes) {
    EXPECT_EQ(kScanModeBlackWhite, PixelTypeModeMap[TWPT_BW].ScanMode);
    EXPECT_EQ(kScanModeGray, PixelTypeModeMap[TWPT_GRAY].ScanMode);
    EXPECT_EQ(kScanModeColor, PixelTypeModeMap[TWPT_RGB].ScanMode);
    ScanSettings settings{};
    const struct {
        int16_t mode;
        TW_UINT16 type;
    } cases[] = {{2, TWPT_BW}, {1, TWPT_GRAY}, {4, TWPT_RGB}, {0, TWPT_BW}, {3, TWPT_BW}, {-1, TWPT_BW}};
    for (const auto& c : cases) {
        settings.ScanMode = c.mode;
        EXPECT_EQ(c.type, CurrentPixelType(settings)) << c.mode;
    }
    EXPECT_EQ(1, BitDepthOf(TWPT_BW));
    EXPECT_EQ(8, BitDepthOf(TWPT_GRAY));
    EXPECT_EQ(8, BitDepthOf(TWPT_RGB));
}

TEST(CapabilityTable, PaperSizesAreTheTableRowsInOrder) {
    const PaperSize expected[] = {
        {0, 0, 0, 1400, 864}, {3, 0, 0, 1100, 850}, {4, 0, 0, 1400, 850}, {1, 0, 0, 1169, 827},
        {29, 0, 0, 984, 693}, {5, 0, 0, 827, 583},  {13, 0, 0, 583, 413}, {53, 0, 0, 217, 354}};
    for (int i = 0; i < kPaperSizeCount; ++i) {
        EXPECT_EQ(expected[i].Code, PaperSizeTable[i].Code) << i;
        EXPECT_EQ(expected[i].Bottom, PaperSizeTable[i].Bottom) << i;
        EXPECT_EQ(expected[i].Right, PaperSizeTable[i].Right) << i;
        EXPECT_EQ(0, PaperSizeTable[i].Top);
        EXPECT_EQ(0, PaperSizeTable[i].Left);
        EXPECT_EQ(&PaperSizeTable[i], FindPaperSizeCode(expected[i].Code));
    }
    EXPECT_EQ(nullptr, FindPaperSizeCode(TWSS_B5LETTER));
}

TEST(CapabilityTable, CurrentPaperSizeIsTheRowOfTheFrame) {
    Negotiation negotiated;
    EXPECT_EQ(TWSS_USLETTER, CurrentPaperSize(FramedSettings(0, 0, 1100, 850), negotiated));
    EXPECT_EQ(TWSS_USLEGAL, CurrentPaperSize(FramedSettings(0, 0, 1400, 850), negotiated));
    EXPECT_EQ(TWSS_A4LETTER, CurrentPaperSize(FramedSettings(0, 0, 1169, 827), negotiated));
    EXPECT_EQ(TWSS_BUSINESSCARD, CurrentPaperSize(FramedSettings(0, 0, 217, 354), negotiated));
    // The same size away from the corner is no paper size.
    EXPECT_EQ(TWSS_NONE, CurrentPaperSize(FramedSettings(10, 0, 1110, 850), negotiated));
    EXPECT_EQ(TWSS_NONE, CurrentPaperSize(FramedSettings(0, 0, 1000, 800), negotiated));
    // The whole area before and after an application chose it.
    EXPECT_EQ(TWSS_NONE, CurrentPaperSize(FramedSettings(0, 0, 1400, 864), negotiated));
    negotiated.LastSetSize = TWSS_NONE;
    EXPECT_EQ(TWSS_NONE, CurrentPaperSize(FramedSettings(0, 0, 1400, 864), negotiated));
    EXPECT_EQ(TWSS_USLETTER, CurrentPaperSize(FramedSettings(0, 0, 1100, 850), negotiated));
    negotiated.LastSetSize = TWSS_A4LETTER;
    EXPECT_EQ(TWSS_USLETTER, CurrentPaperSize(FramedSettings(0, 0, 1100, 850), negotiated));
}

// The operations in process, on an open source whose restrictions the test sets.
class CapabilityAnswers : public testing::Test {
protected:
    void SetUp() override {
        CDataSourceApp& app = TheApp();
        TheApp().Negotiated.Reset();
        app.State = 4;
        app.DeviceOnline = 0;
        app.Settings = FramedSettings(0, 0, 1100, 850);
        app.Settings.ScanMode = kScanModeBlackWhite;
        app.Settings.DPI = 300;
        app.Settings.Gamma = 18;
        app.Settings.Highlight = 255;
        app.SetCondition(TWCC_SUCCESS);
    }
    void TearDown() override {
        TheApp().Negotiated.Reset();
        TheApp().State = 3;
    }
    TW_UINT16 Ask(TW_UINT16 msg, TW_CAPABILITY& cap) {
        return DispatchTriplet(nullptr, DG_CONTROL, DAT_CAPABILITY, msg, &cap);
    }
    Bytes Get(TW_UINT16 id) {
        TW_CAPABILITY cap{id, 0, nullptr};
        EXPECT_EQ(TWRC_SUCCESS, Ask(MSG_GET, cap)) << id;
        return TakeContainer(cap);
    }
};

TEST_F(CapabilityAnswers, RestrictedPixelTypesListOnlyTheAllowedOnes) {
    TheApp().Negotiated.AllowedPixelTypes[TWPT_BW] = false;
    TheApp().Settings.ScanMode = kScanModeGray;
    // Black-and-white no longer allowed: the first listed type is the default.
    EXPECT_EQ(Enumeration16Bytes(TWTY_UINT16, {1, 2}, 0, 0), Get(ICAP_PIXELTYPE));
    TheApp().Settings.ScanMode = kScanModeColor;
    EXPECT_EQ(Enumeration16Bytes(TWTY_UINT16, {1, 2}, 1, 0), Get(ICAP_PIXELTYPE));

    TheApp().Negotiated.AllowedPixelTypes[TWPT_BW] = true;
    TheApp().Negotiated.AllowedPixelTypes[TWPT_GRAY] = false;
    EXPECT_EQ(Enumeration16Bytes(TWTY_UINT16, {0, 2}, 1, 0), Get(ICAP_PIXELTYPE));

    TheApp().Negotiated.AllowedPixelTypes[TWPT_BW] = TheApp().Negotiated.AllowedPixelTypes[TWPT_RGB] = false;
    EXPECT_EQ(Enumeration16Bytes(TWTY_UINT16, {}, 0, 0), Get(ICAP_PIXELTYPE));
}

TEST_F(CapabilityAnswers, RestrictedResolutionsListOnlyTheAllowedOnes) {
    for (int i = 0; i < kResolutionCount; ++i) {
        const int dpi = ResolutionList[i];
        TheApp().Negotiated.AllowedResolutions[i] = dpi >= 100 && dpi <= 400 && dpi != 150;
    }
    TheApp().Settings.DPI = 200;
    const Bytes expected = Enumeration32Bytes(
        TWTY_FIX32, {FixWord(100), FixWord(200), FixWord(300), FixWord(400)}, 1, 2);
    EXPECT_EQ(expected, Get(ICAP_XRESOLUTION));
    EXPECT_EQ(expected, Get(ICAP_YRESOLUTION));

    // Without 300 among them the default falls on the first item.
    TheApp().Negotiated.AllowedResolutions[4] = false;
    EXPECT_EQ(Enumeration32Bytes(TWTY_FIX32, {FixWord(100), FixWord(200), FixWord(400)}, 1, 0),
              Get(ICAP_XRESOLUTION));
}

TEST_F(CapabilityAnswers, UnknownScanModeCountsAsBlackAndWhite) {
    TheApp().Settings.ScanMode = 3;
    EXPECT_EQ(OneValueBytes(TWTY_UINT16, 1), Get(ICAP_BITDEPTH));
    EXPECT_EQ(Enumeration16Bytes(TWTY_UINT16, {0, 1, 2}, 0, 0), Get(ICAP_PIXELTYPE));
}

TEST_F(CapabilityAnswers, WholeAreaFrameListsSizeNoneAsCurrent) {
    const uint16_t saved = TheApp().Negotiated.LastSetSize;
    TheApp().Settings = FramedSettings(0, 0, 1400, 864);
    for (uint16_t last : {uint16_t{0xFFFF}, uint16_t{0}}) {
        TheApp().Negotiated.LastSetSize = last;
        EXPECT_EQ(Enumeration16Bytes(TWTY_UINT16, {0, 3, 4, 1, 29, 5, 13, 53}, 0, 1),
                  Get(ICAP_SUPPORTEDSIZES));
    }
    TheApp().Negotiated.LastSetSize = saved;
}

TEST_F(CapabilityAnswers, NegotiatedValuesAreReported) {
    TheApp().Negotiated.XferMech = TWSX_MEMORY;
    TheApp().Negotiated.PixelFlavor = TWPF_VANILLA;
    TheApp().Negotiated.XferCount = 3;
    TheApp().Negotiated.ShowIndicators = FALSE;
    EXPECT_EQ(Enumeration16Bytes(TWTY_UINT16, {0, 1, 2}, 2, 0), Get(ICAP_XFERMECH));
    EXPECT_EQ(Enumeration16Bytes(TWTY_UINT16, {0, 1}, 1, 0), Get(ICAP_PIXELFLAVOR));
    EXPECT_EQ(OneValueBytes(TWTY_INT16, 3), Get(CAP_XFERCOUNT));
    EXPECT_EQ(OneValueBytes(TWTY_BOOL, 0), Get(CAP_INDICATORS));
}

TEST_F(CapabilityAnswers, EveryAnswerReportsLowMemoryWhenNoBlockCanBeHad) {
    GlobalAllocFailure failure;
    ASSERT_TRUE(failure.Active());
    for (TW_UINT16 id : SupportedCapsList) {
        for (TW_UINT16 msg : {MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT, MSG_QUERYSUPPORT}) {
            TW_CAPABILITY cap{id, 0, nullptr};
            TheApp().SetCondition(TWCC_SUCCESS);
            EXPECT_EQ(TWRC_FAILURE, Ask(msg, cap)) << id << "/" << msg;
            EXPECT_EQ(TWCC_LOWMEMORY, TheApp().Status.ConditionCode) << id << "/" << msg;
            EXPECT_EQ(nullptr, cap.hContainer) << id << "/" << msg;
        }
    }
}

}  // namespace
