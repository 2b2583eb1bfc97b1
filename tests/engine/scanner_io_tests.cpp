#include "engine/scan_settings.h"
#include "engine/scanner_io.h"

#include "tests/engine/virtual_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A library that exports none of the scanner functions: every wrapper must
// answer as a failing call does.
TEST(ScannerIoUnbound, EveryWrapperAnswersZeroAndNoScannerOpens) {
    ScannerIo io;
    io.Bind(LoadLibraryA("kernel32.dll"));
    for (int i = 0; i < ScannerIo::kFunctionCount; ++i) EXPECT_FALSE(io.IsBound(i)) << i;
    ScanSettings settings{};
    int32_t width = -1, length = -1;
    EXPECT_EQ(0, io.StartScan());
    EXPECT_EQ(0, io.StartScanPage(settings));
    EXPECT_EQ(0, io.GetPageDimension(settings, width, length));
    EXPECT_EQ(0, io.CalibrateScanner());
    EXPECT_EQ(0, io.FeedPage());
    EXPECT_EQ(0, io.IsCalibrationNeeded());
    char buffer[16];
    EXPECT_EQ(0, io.GetImageBlock(buffer, 1, nullptr, 8, 0));
    EXPECT_EQ(1, io.OpenScanner());
    EXPECT_FALSE(io.IsPaperOn(false));
    std::string config, interfaceText;
    io.HardwareCheck(config, interfaceText);
    EXPECT_EQ("Unknown", config);
    EXPECT_EQ("Unknown", interfaceText);
    io.EndScan();
    io.Close();
    EXPECT_FALSE(io.IsLoaded());
}

TEST(ScannerIoUnbound, MissingLibraryCannotBeLoaded) {
    ScannerIo io;
    EXPECT_FALSE(io.Load("NOSUCHLIB.DLL"));
    EXPECT_FALSE(io.IsLoaded());
    EXPECT_EQ(1, io.OpenScanner());
}

}  // namespace

namespace {

// The binding over the virtual scanner, which tests steer and whose call log
// shows what the wrappers handed over.
class ScannerIoBound : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(io_.Load(VirtualScannerPath().c_str()));
        VirtualScannerControl control(io_.Library());
        ASSERT_TRUE(control.Valid());
        control.reset();
        configure_ = control.configure;
        callLog_ = control.callLog;
    }
    void TearDown() override {
        io_.Close();
    }
    std::string CallLog() const {
        std::string text(static_cast<size_t>(callLog_(nullptr, 0)) + 1, '\0');
        callLog_(&text[0], static_cast<int32_t>(text.size()));
        text.resize(text.size() - 1);
        return text;
    }

    ScannerIo io_;
    VirtualScannerControl::ConfigureProc configure_ = nullptr;
    VirtualScannerControl::CallLogProc callLog_ = nullptr;
};

TEST_F(ScannerIoBound, ResolvesAllEighteenFunctions) {
    for (int i = 0; i < ScannerIo::kFunctionCount; ++i)
        EXPECT_TRUE(io_.IsBound(i)) << ScannerIo::kFunctionNames[i];
    EXPECT_EQ(0, io_.OpenScanner());
}

TEST_F(ScannerIoBound, OpenScannerFailsWhenTheInterfaceDoesNotOpen) {
    configure_("open_fails", "1");
    EXPECT_EQ(1, io_.OpenScanner());
    EXPECT_EQ(1, io_.OpenScanner("Some Other Model"));
}

TEST_F(ScannerIoBound, PaperCacheAsksFirstThenAnswersFromMemoryUntilAskedAfresh) {
    configure_("sheets", "1");
    // The first question always reaches the scanner, even when a cached answer is asked for.
    EXPECT_TRUE(io_.IsPaperOn(true));
    configure_("sheets", "0");
    EXPECT_TRUE(io_.IsPaperOn(true));
    EXPECT_FALSE(io_.IsPaperOn(false));
    configure_("sheets", "1");
    EXPECT_FALSE(io_.IsPaperOn(true));
    EXPECT_TRUE(io_.IsPaperOn(false));
    const std::string log = CallLog();
    size_t calls = 0;
    for (size_t at = log.find("IO_IsPaperOn"); at != std::string::npos; at = log.find("IO_IsPaperOn", at + 1))
        ++calls;
    EXPECT_EQ(3u, calls);
}

TEST_F(ScannerIoBound, ToneFieldsTravelAsSixteenBitsInTheLowHalf) {
    ScanSettings settings{};
    settings.Brightness = -5;
    settings.Contrast = 20;
    settings.Gamma = 18;
    settings.Highlight = 250;
    settings.Shadow = 5;
    uint8_t table[256] = {};
    io_.AdjustChannelValue(table, settings);
    EXPECT_NE(std::string::npos,
              CallLog().find("brightness=65531 contrast=20 gamma=10 highlight=250 shadow=5"))
        << CallLog();
    EXPECT_EQ(0, table[0]);
    EXPECT_LT(table[128], table[200]);
}

TEST_F(ScannerIoBound, PageDimensionAndBlocksComeThroughTheWrappers) {
    ScanSettings settings{};
    settings.ScanMode = 1;
    settings.DPI = 100;
    settings.Gamma = 18;
    settings.Highlight = 255;
    settings.Bottom = 50;
    settings.Right = 200;
    int32_t width = 0, length = 0;
    ASSERT_NE(0, io_.GetPageDimension(settings, width, length));
    EXPECT_EQ(200, width);
    EXPECT_EQ(50, length);
    ASSERT_NE(0, io_.StartScan());
    ScanSettings copy = settings;
    copy.Gamma -= 8;
    copy.StartFlag = 1;
    ASSERT_NE(0, io_.StartScanPage(copy));
    std::vector<uint8_t> rows(200 * 10);
    int32_t endOfPage = -1;
    EXPECT_EQ(10, io_.GetImageBlock(rows.data(), 10, &endOfPage, 200, 0));
    EXPECT_EQ(0, endOfPage);
    // A width that does not match the page is refused by the scanner; the
    // wrapper passes the negative answer on.
    EXPECT_LT(io_.GetImageBlock(rows.data(), 1, &endOfPage, 199, 0), 0);
    io_.EndScanPage();
    EXPECT_EQ(1, io_.FeedPage());
    io_.EndScan();
}

TEST_F(ScannerIoBound, HardwareCheckReturnsTheScannersTexts) {
    configure_("config_text", "SR-1 rev B");
    configure_("interface_text", "USB 2.0");
    std::string config, interfaceText;
    io_.HardwareCheck(config, interfaceText);
    EXPECT_EQ("SR-1 rev B", config);
    EXPECT_EQ("USB 2.0", interfaceText);
}

TEST_F(ScannerIoBound, CloseUnbindsEveryFunction) {
    io_.Close();
    EXPECT_FALSE(io_.IsLoaded());
    for (int i = 0; i < ScannerIo::kFunctionCount; ++i) EXPECT_FALSE(io_.IsBound(i));
    EXPECT_EQ(0, io_.StartScan());
}

}  // namespace
