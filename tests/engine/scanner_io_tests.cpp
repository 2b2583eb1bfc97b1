#include "engine/scan_settings.h"
#include "engine/scanner_io.h"

#include <gtest/gtest.h>

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
