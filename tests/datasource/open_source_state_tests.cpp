// What opening and closing do to the data source object, seen from inside.
#include "datasource/data_source_app.h"
#include "datasource/triplet_table.h"
#include "engine/negotiation_state.h"
#include "framework/proc_address.h"
#include "support/temp_folder.h"

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

typedef int32_t(__cdecl* ConfigureProc)(const char* key, const char* value);
typedef void(__cdecl* ResetProc)();

std::string ExeFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string ProfileInDataFolder() {
    char folder[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
    return std::string(folder) + "\\Orvane\\TAVIXSRC.INI";
}

class OpenSourceState : public testing::Test {
protected:
    void SetUp() override {
        char buffer[32767] = {};
        GetEnvironmentVariableA("PATH", buffer, sizeof buffer);
        savedPath_ = buffer;
        SetEnvironmentVariableA("PATH", (ExeFolder() + "scanner\\;" + savedPath_).c_str());
        // Keep the virtual scanner loaded between open and close so tests can steer it.
        scanner_ = LoadLibraryA((ExeFolder() + "scanner\\BRSVIO.DLL").c_str());
        ASSERT_NE(nullptr, scanner_);
        ProcAddress<ResetProc>(scanner_, "BRSVIO_Reset")();
        configure_ = ProcAddress<ConfigureProc>(scanner_, "BRSVIO_Configure");
        ASSERT_NE(nullptr, configure_);
        std::strcpy(origin_.ProductName, "scan-2-PDF pro");
        std::strcpy(source_.ProductName, "Tavix Scanner");
        source_.Id = 42;
        app().SetProfileName("C:\\previous.ini");
        app().SetHelpFilePath("C:\\previous.hlp");
    }
    void TearDown() override {
        DispatchTriplet(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr);
        app().SetProfileName(nullptr);
        app().SetHelpFilePath(nullptr);
        DeleteFileA(ProfileInDataFolder().c_str());
        FreeLibrary(scanner_);
        SetEnvironmentVariableA("PATH", savedPath_.c_str());
    }
    static CDataSourceApp& app() { return TheApp(); }
    TW_UINT16 Open() { return DispatchTriplet(&origin_, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &source_); }

    TW_IDENTITY origin_{};
    TW_IDENTITY source_{};
    HMODULE scanner_ = nullptr;
    ConfigureProc configure_ = nullptr;
    std::string savedPath_;
};

TEST_F(OpenSourceState, OpenSetsPathsIdentitiesSectionAndCounters) {
    app().PendingXfers = -1;
    ASSERT_EQ(TWRC_SUCCESS, Open());
    EXPECT_EQ(4, app().State);
    EXPECT_STREQ("SCANPDFPRO", app().SectionName);
    EXPECT_EQ(ExeFolder() + "TAVIXSRC.hlp", std::string(app().HelpPath));
    EXPECT_STREQ(app().HelpPath, app().HelpFilePath());
    EXPECT_EQ(ProfileInDataFolder(), std::string(app().ProfilePath));
    EXPECT_STREQ(app().ProfilePath, app().ProfileName());
    EXPECT_EQ(42u, app().SourceIdentity.Id);
    EXPECT_STREQ("scan-2-PDF pro", app().AppIdentity.ProductName);
    EXPECT_EQ(1, app().DeviceOnline);
    EXPECT_EQ(0, app().PendingXfers);
    EXPECT_EQ(0, app().AcquireResult);
    EXPECT_TRUE(app().Io.IsLoaded());
}

TEST_F(OpenSourceState, OpenLoadsTheApplicationsSettingsAndResetsNegotiation) {
    CreateDirectoryA(ProfileInDataFolder().substr(0, ProfileInDataFolder().rfind('\\')).c_str(), nullptr);
    WritePrivateProfileStringA("SCANPDFPRO", "ScanMode", "4", ProfileInDataFolder().c_str());
    WritePrivateProfileStringA("SCANPDFPRO", "DPI", "150", ProfileInDataFolder().c_str());
    WritePrivateProfileStringA("OTHERAPP", "DPI", "600", ProfileInDataFolder().c_str());
    TheApp().Negotiated.XferMech = 2;
    TheApp().Negotiated.XferFileName = "C:\\elsewhere.bmp";
    TheApp().Negotiated.AllowedResolutions[2] = false;
    TheApp().Negotiated.LastSetSize = 4;
    ASSERT_EQ(TWRC_SUCCESS, Open());
    EXPECT_EQ(4, app().Settings.ScanMode);
    EXPECT_EQ(150, app().Settings.DPI);
    EXPECT_EQ(0, TheApp().Negotiated.XferMech);
    EXPECT_EQ("TWAIN.BMP", TheApp().Negotiated.XferFileName);
    EXPECT_TRUE(TheApp().Negotiated.AllowedResolutions[2]);
    EXPECT_EQ(4, TheApp().Negotiated.LastSetSize);  // kept across opens
    EXPECT_EQ(-1, TheApp().Negotiated.XferCount);
    EXPECT_EQ(1, TheApp().Negotiated.ShowIndicators);
}

TEST_F(OpenSourceState, ScannerThatCannotBeOpenedDoesNotFailTheOpen) {
    ASSERT_EQ(1, configure_("open_fails", "1"));
    ASSERT_EQ(TWRC_SUCCESS, Open());
    EXPECT_EQ(0, app().DeviceOnline);
    EXPECT_EQ(4, app().State);
}

TEST_F(OpenSourceState, CloseRestoresTheFrameworkPathsAndFreesTheLibrary) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    EXPECT_EQ(TWRC_SUCCESS, DispatchTriplet(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr));
    EXPECT_EQ(3, app().State);
    EXPECT_STREQ("C:\\previous.ini", app().ProfileName());
    EXPECT_STREQ("C:\\previous.hlp", app().HelpFilePath());
    EXPECT_FALSE(app().Io.IsLoaded());
}

}  // namespace
