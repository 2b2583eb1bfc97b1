// Loads a fresh copy of the built TAVIXSRC.ds for each test and calls its
// DS_Entry, the way the TWAIN manager does.
#pragma once

#include "datasource/twain.h"

#include <gtest/gtest.h>

#include <string>

// Folder of the running test program, with a trailing backslash.
std::string ProgramFolder();
// Folder that holds the virtual scanner library BRSVIO.DLL.
std::string ScannerFolder();
// The per-user data folder of the source and its profile.
std::string UserDataFolder();
std::string UserProfilePath();

// Puts the scanner library's folder on PATH (or takes it off) for the life
// of the object.
class ScopedScannerOnPath {
public:
    explicit ScopedScannerOnPath(bool onPath);
    ~ScopedScannerOnPath();

private:
    std::string saved_;
};

class DataSourceModule : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TW_UINT16 Call(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data);
    TW_UINT16 CallFrom(pTW_IDENTITY origin, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg,
                       TW_MEMREF data);
    // Reads (and so clears) the condition code.
    TW_UINT16 Condition();
    TW_UINT16 Open(const char* productName = "Test Application");
    TW_UINT16 Close();
    // The state, as far as the triplets reveal it: 3 or "open" (4 and up).
    bool IsOpen();

    TW_IDENTITY app_{};
    TW_IDENTITY source_{};

private:
    HMODULE module_ = nullptr;
    DSENTRYPROC entry_ = nullptr;
    bool profileExisted_ = false;
};
