// BRSVIO.DLL loaded from the test program's folder, with every export
// resolved, and the fixture that gives each test a freshly reset scanner.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/handles.h"
#include "scanner-sim/brsvio.h"

struct BrsvioLibrary {
    ModuleHandle module;
    IO_StartScan_Fn StartScan = nullptr;
    IO_EndScan_Fn EndScan = nullptr;
    IO_StartScanPage_Fn StartScanPage = nullptr;
    IO_GetPageDimension_Fn GetPageDimension = nullptr;
    IO_EndScanPage_Fn EndScanPage = nullptr;
    IO_CalibrateScanner_Fn CalibrateScanner = nullptr;
    IO_FeedOn_Fn FeedOn = nullptr;
    IO_FeedPage_Fn FeedPage = nullptr;
    IO_Clean_Fn Clean = nullptr;
    IO_IsPaperOn_Fn IsPaperOn = nullptr;
    IO_IsButtonOn_Fn IsButtonOn = nullptr;
    IO_GetImageBlock_Fn GetImageBlock = nullptr;
    IO_AdjustChannelValue_Fn AdjustChannelValue = nullptr;
    IO_HardwareCheck_Fn HardwareCheck = nullptr;
    IO_HasScanner_Fn HasScanner = nullptr;
    IO_OpenInterface_Fn OpenInterface = nullptr;
    IO_CloseInterface_Fn CloseInterface = nullptr;
    IO_IsCalibrationNeeded_Fn IsCalibrationNeeded = nullptr;
    BRSVIO_Configure_Fn Configure = nullptr;
    BRSVIO_Reset_Fn Reset = nullptr;
    BRSVIO_GetCallLog_Fn GetCallLog = nullptr;

    bool Complete() const;
    std::string CallLog() const;
    std::vector<std::string> CallLogLines() const;
};

// Full path of BRSVIO.DLL beside the test program.
std::string BrsvioPath();

// Loaded once for the whole test program; null when it could not be loaded.
const BrsvioLibrary* Brsvio();

class ScannerTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Applies a key and fails the test when the library refuses it.
    void Configure(const char* key, const char* value);
    void Configure(const char* key, int value);

    const BrsvioLibrary& io() const { return *lib_; }

private:
    const BrsvioLibrary* lib_ = nullptr;
};
