// The feeder and paper sensor, calibration and cleaning, and the hardware
// texts of the Information page.
#include <cstring>

#include <gtest/gtest.h>

#include "brsvio_library.h"
#include "scan_helpers.h"

namespace {

class Feeder : public ScannerTest {};
class Calibration : public ScannerTest {};
class HardwareCheck : public ScannerTest {};

TEST_F(Feeder, OneTestSheetWaitsByDefaultAndFeedingEjectsIt) {
    EXPECT_EQ(1, io().IsPaperOn());
    EXPECT_EQ(1, io().FeedOn());
    EXPECT_EQ(1, io().IsPaperOn()) << "switching the feeder on draws the sheet in, not out";
    EXPECT_EQ(1, io().FeedPage());
    EXPECT_EQ(0, io().IsPaperOn());
    EXPECT_EQ(0, io().FeedPage());
}

TEST_F(Feeder, PagesNeedASheetAtTheSensor) {
    Configure("sheets", 3);
    const ScanRecordBytes r = PageRecord(2, 100, 0, 0, 100, 100);
    std::vector<uint8_t> buffer(16 * 100);
    for (int sheet = 0; sheet < 3; ++sheet) {
        ASSERT_EQ(1, io().IsPaperOn());
        ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
        EXPECT_EQ(10, io().GetImageBlock(buffer.data(), 10, nullptr, 100, 0));
        io().EndScanPage();
        EXPECT_EQ(1, io().FeedPage());
    }
    EXPECT_EQ(0, io().IsPaperOn());
    EXPECT_EQ(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    EXPECT_EQ(-1, io().GetImageBlock(buffer.data(), 10, nullptr, 100, 0));
    Configure("sheets", 1);  // laying in another sheet
    EXPECT_EQ(1, io().IsPaperOn());
}

TEST_F(Feeder, FeedingEndsThePageInProgress) {
    Configure("sheets", 2);
    const ScanRecordBytes r = PageRecord(2, 100, 0, 0, 100, 100);
    std::vector<uint8_t> buffer(16 * 100);
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    EXPECT_EQ(1, io().FeedPage());
    EXPECT_EQ(-1, io().GetImageBlock(buffer.data(), 10, nullptr, 100, 0));
    EXPECT_EQ(0, io().EndScanPage()) << "nothing left to end";
}

TEST_F(Feeder, NoSheetsMeansNoPaper) {
    Configure("sheets", 0);
    EXPECT_EQ(0, io().IsPaperOn());
    EXPECT_EQ(0, io().StartScanPage(PageRecord(2, 100, 0, 0, 100, 100).Data(), nullptr, nullptr));
}

TEST_F(Feeder, ButtonReportsTheConfiguredState) {
    EXPECT_EQ(0, io().IsButtonOn());
    Configure("button", 1);
    EXPECT_EQ(1, io().IsButtonOn());
}

TEST_F(Calibration, NotNeededByDefaultAndCalibratingSucceeds) {
    EXPECT_EQ(0, io().IsCalibrationNeeded());
    EXPECT_EQ(1, io().CalibrateScanner(0));
    EXPECT_EQ(1, io().Clean());
}

TEST_F(Calibration, SuccessClearsTheNeedAndFailureKeepsIt) {
    Configure("calibration_needed", 1);
    Configure("calibration_result", 0);
    EXPECT_EQ(1, io().IsCalibrationNeeded());
    EXPECT_EQ(0, io().CalibrateScanner(0));
    EXPECT_EQ(1, io().IsCalibrationNeeded());
    Configure("calibration_result", 2);  // white reference only still counts
    EXPECT_EQ(2, io().CalibrateScanner(0));
    EXPECT_EQ(0, io().IsCalibrationNeeded());
}

TEST_F(HardwareCheck, FillsTheConfigurationAndInterfaceTexts) {
    char config[50] = "Unknown", interfaceText[32] = "Unknown", shared[32] = "None";
    int32_t number = 99;
    EXPECT_EQ(1, io().HardwareCheck(config, interfaceText, shared, shared, shared, &number, &number,
                                    &number));
    EXPECT_STREQ("Tavix SR-1 (virtual)", config);
    EXPECT_STREQ("USB 2.0 (virtual)", interfaceText);
    EXPECT_STREQ("None", shared);
    EXPECT_EQ(0, number);
}

TEST_F(HardwareCheck, LongTextsAreCutToTheCallersBuffers) {
    const std::string longText(80, 'x');
    Configure("config_text", longText.c_str());
    Configure("interface_text", longText.c_str());
    char block[50 + 8 + 32 + 8];
    std::memset(block, '#', sizeof block);
    char* config = block;
    char* interfaceText = block + 58;
    char text[32];
    int32_t n = 0;
    EXPECT_EQ(1, io().HardwareCheck(config, interfaceText, text, text, text, &n, &n, &n));
    EXPECT_EQ(std::string(49, 'x'), std::string(config));
    EXPECT_EQ(std::string(31, 'x'), std::string(interfaceText));
    for (int i = 50; i < 58; ++i) EXPECT_EQ('#', block[i]) << i;
    for (size_t i = 58 + 32; i < sizeof block; ++i) EXPECT_EQ('#', block[i]) << i;
    EXPECT_EQ(0, io().HardwareCheck(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                    nullptr));
}

}  // namespace
