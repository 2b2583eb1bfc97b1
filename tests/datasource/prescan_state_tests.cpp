// When the image information reads the sheet: in state 6 with end-of-page
// detection, never in state 7, where the transfer has read the sheet already
// (and may have emptied the page store and ejected the sheet).
#include "datasource/data_source_app.h"
#include "datasource/notification.h"
#include "datasource/triplet_table.h"
#include "framework/proc_address.h"
#include "tests/datasource/virtual_scanner_control.h"

#include <windows.h>

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

class PrescanState : public testing::Test {
protected:
    void SetUp() override {
        char buffer[32767] = {};
        GetEnvironmentVariableA("PATH", buffer, sizeof buffer);
        savedPath_ = buffer;
        SetEnvironmentVariableA("PATH", (ExeFolder() + "scanner\\;" + savedPath_).c_str());
        scanner_ = LoadLibraryA((ExeFolder() + "scanner\\BRSVIO.DLL").c_str());
        ASSERT_NE(nullptr, scanner_);
        ProcAddress<ResetProc>(scanner_, "BRSVIO_Reset")();
        std::strcpy(origin_.ProductName, "Prescan Application");
        std::strcpy(source_.ProductName, "Tavix Scanner");
        ASSERT_EQ(TWRC_SUCCESS, DispatchTriplet(&origin_, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &source_));
        ProcAddress<ConfigureProc>(scanner_, "BRSVIO_Configure")("sheet_length", "500");
        app().Settings.DetectEOP = 1;
        // Without a parent window the notification is a message of this thread.
        TW_USERINTERFACE ui{FALSE, FALSE, nullptr};
        ASSERT_EQ(TWRC_SUCCESS, DispatchTriplet(nullptr, DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui));
        MSG message;
        const UINT notification = app().Notifications.MessageId();
        while (PeekMessageA(&message, nullptr, notification, notification, PM_REMOVE)) {
        }
    }
    void TearDown() override {
        DispatchTriplet(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr);
        app().SetProfileName(nullptr);
        app().SetHelpFilePath(nullptr);
        if (scanner_) FreeLibrary(scanner_);
        SetEnvironmentVariableA("PATH", savedPath_.c_str());
    }
    static CDataSourceApp& app() { return TheApp(); }
    int32_t InfoLength() {
        TW_IMAGEINFO info{};
        EXPECT_EQ(TWRC_SUCCESS, DispatchTriplet(nullptr, DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &info));
        return info.ImageLength;
    }

    TW_IDENTITY origin_{};
    TW_IDENTITY source_{};
    HMODULE scanner_ = nullptr;
    std::string savedPath_;
};

TEST_F(PrescanState, ReadyPageIsReadForItsLength) {
    ASSERT_EQ(6, app().State);
    EXPECT_EQ(1500, InfoLength());
    EXPECT_EQ(1u, ScannerCalls("IO_StartScanPage"));
}

TEST_F(PrescanState, TransferredPageIsNotReadAgain) {
    // As after a transfer that delivered the page and emptied the store.
    app().State = 7;
    EXPECT_EQ(3300, InfoLength());
    EXPECT_EQ(0u, ScannerCalls("IO_StartScanPage"));
    EXPECT_EQ(0, app().AcquireResult);
}

}  // namespace
