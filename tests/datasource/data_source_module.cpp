#include "tests/datasource/data_source_module.h"

#include "framework/proc_address.h"
#include "support/temp_folder.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string ScannerFolder() { return ProgramFolder() + "scanner\\"; }

std::string UserDataFolder() {
    char folder[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
    return std::string(folder) + "\\Orvane\\";
}

std::string UserProfilePath() { return UserDataFolder() + "TAVIXSRC.INI"; }

ScopedScannerOnPath::ScopedScannerOnPath(bool onPath) {
    char buffer[32767] = {};
    GetEnvironmentVariableA("PATH", buffer, sizeof buffer);
    saved_ = buffer;
    std::string path = saved_;
    if (onPath) path = ScannerFolder() + ";" + path;
    SetEnvironmentVariableA("PATH", path.c_str());
}

ScopedScannerOnPath::~ScopedScannerOnPath() { SetEnvironmentVariableA("PATH", saved_.c_str()); }

void DataSourceModule::SetUp() {
    profileExisted_ = FileExists(UserProfilePath());
    ASSERT_FALSE(profileExisted_) << "a profile from an earlier run is in the way: "
                                  << UserProfilePath();
    module_ = LoadLibraryA((ProgramFolder() + "TAVIXSRC.ds").c_str());
    ASSERT_NE(nullptr, module_) << "cannot load TAVIXSRC.ds, error " << GetLastError();
    entry_ = ProcAddress<DSENTRYPROC>(module_, "DS_Entry");
    ASSERT_NE(nullptr, entry_);
    std::strcpy(app_.ProductName, "Test Application");
    std::strcpy(app_.Manufacturer, "Test Maker");
    app_.ProtocolMajor = 1;
    app_.ProtocolMinor = 9;
    app_.Id = 1;
}

void DataSourceModule::TearDown() {
    if (entry_) Close();
    if (module_) FreeLibrary(module_);
    DeleteFileA(UserProfilePath().c_str());
}

TW_UINT16 DataSourceModule::Call(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) {
    return entry_(&app_, dg, dat, msg, data);
}

TW_UINT16 DataSourceModule::CallFrom(pTW_IDENTITY origin, TW_UINT32 dg, TW_UINT16 dat,
                                     TW_UINT16 msg, TW_MEMREF data) {
    return entry_(origin, dg, dat, msg, data);
}

TW_UINT16 DataSourceModule::Condition() {
    TW_STATUS status{0xEEEE, 0xEEEE};
    EXPECT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_STATUS, MSG_GET, &status));
    EXPECT_EQ(0, status.Reserved);
    return status.ConditionCode;
}

TW_UINT16 DataSourceModule::Open(const char* productName) {
    std::strncpy(app_.ProductName, productName, sizeof app_.ProductName - 1);
    std::memset(&source_, 0, sizeof source_);
    std::strcpy(source_.ProductName, "Tavix Scanner");
    source_.Id = 7;
    return Call(DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &source_);
}

TW_UINT16 DataSourceModule::Close() { return Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, &source_); }

bool DataSourceModule::IsOpen() {
    TW_UINT32 group = 0;
    TW_UINT16 rc = Call(DG_CONTROL, DAT_XFERGROUP, MSG_GET, &group);
    Condition();
    return rc == TWRC_SUCCESS && group == DG_IMAGE;
}
