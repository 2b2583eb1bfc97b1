// The library file as the data source binds it: its name, its export table
// and its version resource.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "brsvio_library.h"
#include "support/pe_exports.h"
#include "support/temp_folder.h"

namespace {

const char* const kIoFunctions[] = {"IO_StartScan",
                                    "IO_EndScan",
                                    "IO_StartScanPage",
                                    "IO_GetPageDimension",
                                    "IO_EndScanPage",
                                    "IO_CalibrateScanner",
                                    "IO_FeedOn",
                                    "IO_FeedPage",
                                    "IO_Clean",
                                    "IO_IsPaperOn",
                                    "IO_IsButtonOn",
                                    "IO_GetImageBlock",
                                    "IO_AdjustChannelValue",
                                    "IO_HardwareCheck",
                                    "IO_HasScanner",
                                    "IO_OpenInterface",
                                    "IO_CloseInterface",
                                    "IO_IsCalibrationNeeded"};

TEST(BrsvioLibraryFile, ExportTableNamesAllEighteenIoFunctionsUndecorated) {
    const PeExports exports = ReadPeExports(BrsvioPath());
    ASSERT_TRUE(exports.ok) << BrsvioPath() << ": " << exports.error;
    const std::vector<std::string>& names = exports.names;
    for (const char* function : kIoFunctions)
        EXPECT_NE(names.end(), std::find(names.begin(), names.end(), function)) << function;
    for (const char* control : {"BRSVIO_Configure", "BRSVIO_Reset", "BRSVIO_GetCallLog"})
        EXPECT_NE(names.end(), std::find(names.begin(), names.end(), control)) << control;
    const auto io = std::count_if(names.begin(), names.end(),
                                  [](const std::string& n) { return n.rfind("IO_", 0) == 0; });
    EXPECT_EQ(18, io);
    EXPECT_EQ(21u, names.size());
}

TEST(BrsvioLibraryFile, LoadsByItsOwnNameAndResolvesEveryFunction) {
    // The data source loads "BRSVIO.DLL" through the default search order,
    // which takes in the folders on PATH.
    char saved[32767] = {};
    GetEnvironmentVariableA("PATH", saved, sizeof saved);
    const std::string folder = BrsvioPath().substr(0, BrsvioPath().find_last_of('\\'));
    SetEnvironmentVariableA("PATH", (folder + ";" + saved).c_str());
    ModuleHandle module(LoadLibraryA("BRSVIO.DLL"));
    SetEnvironmentVariableA("PATH", saved);
    ASSERT_TRUE(module);
    for (const char* function : kIoFunctions)
        EXPECT_NE(nullptr, reinterpret_cast<void*>(GetProcAddress(module.Get(), function)))
            << function;
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module.Get(), path, MAX_PATH);
    const std::string file = path;
    EXPECT_EQ("BRSVIO.DLL", file.substr(file.find_last_of("\\/") + 1));
}

TEST(BrsvioLibraryFile, VersionResourceNamesTheMakerAndAVersionOne) {
    const std::string path = BrsvioPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(1u, HIWORD(fixed->dwFileVersionMS));

    auto text = [&](const char* name) {
        char* value = nullptr;
        UINT chars = 0;
        const std::string key = std::string("\\StringFileInfo\\040904E4\\") + name;
        if (!VerQueryValueA(data.data(), key.c_str(), reinterpret_cast<void**>(&value), &chars))
            return std::string();
        return std::string(value);
    };
    EXPECT_EQ("Orvane Imaging Systems", text("CompanyName"));
    EXPECT_FALSE(text("FileDescription").empty());
    const std::string version = text("FileVersion");
    char expected[32];
    std::snprintf(expected, sizeof expected, "%u.%u.%u.%u", HIWORD(fixed->dwFileVersionMS),
                  LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                  LOWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(expected, version);
}

}  // namespace
