// DAT_IDENTITY MSG_OPENDS and MSG_CLOSEDS.
#include "datasource/data_source_app.h"
#include "datasource/end_of_transfers.h"
#include "datasource/operations.h"
#include "datasource/section_name.h"
#include "engine/negotiation_state.h"
#include "engine/scan_settings.h"
#include "engine/user_data_folder.h"
#include "engine/user_messages.h"
#include "localization/language.h"
#include "localization/text_table.h"

#include <cstring>
#include <string>

namespace {

const char kHelpFileName[] = "TAVIXSRC.hlp";

// Copies `folder` + `fileName` into a MAX_PATH buffer; false when too long.
bool JoinPath(char (&out)[MAX_PATH], const std::string& folder, const char* fileName) {
    std::string path = folder + fileName;
    if (path.size() >= MAX_PATH) return false;
    std::memcpy(out, path.c_str(), path.size() + 1);
    return true;
}

void SetHelpAndProfilePaths(CDataSourceApp& app) {
    const std::string moduleFolder = app.ModuleFolder();
    JoinPath(app.HelpPath, moduleFolder, kHelpFileName);
    app.SavedHelpFilePath = app.HelpFilePath();
    app.SetHelpFilePath(app.HelpPath);

    char dataFolder[MAX_PATH] = {};
    std::string folder = GetUserDataFolder(dataFolder) ? std::string(dataFolder) : moduleFolder;
    // The profile is the help file's name with "INI" for its extension.
    if (JoinPath(app.ProfilePath, folder, kHelpFileName)) {
        size_t length = std::strlen(app.ProfilePath);
        std::memcpy(app.ProfilePath + length - 3, "INI", 3);
    }
    app.SavedProfileName = app.ProfileName();
    app.SetProfileName(app.ProfilePath);
}

void RestoreHelpAndProfilePaths(CDataSourceApp& app) {
    app.SetHelpFilePath(app.SavedHelpFilePath);
    app.SetProfileName(app.SavedProfileName);
}

void ShowDriverNotLoaded() { ShowNotice(nullptr, texts::ScannerDriverNotLoaded); }

}  // namespace

TW_UINT16 OpenSource(pTW_IDENTITY origin, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    if (!origin) return app.Fail(TWCC_BADVALUE);

    SetHelpAndProfilePaths(app);
    std::memcpy(&app.AppIdentity, origin, sizeof app.AppIdentity);
    std::memcpy(&app.SourceIdentity, data, sizeof app.SourceIdentity);

    if (!app.Io.Load(kScannerLibraryName)) {
        ShowDriverNotLoaded();
        RestoreHelpAndProfilePaths(app);
        return app.Fail(TWCC_OPERATIONERROR);
    }
    app.DeviceOnline = app.Io.OpenScanner(kScannerModel) == 0 ? 1 : 0;

    app.Negotiated.Reset();
    MakeSectionName(app.AppIdentity.ProductName, app.SectionName);
    LoadSettings(app.SectionName, &app.Settings, app.Negotiated);

    app.Manager.BindToCaller(app.OpeningCaller);
    app.State = 4;
    app.AcquireResult = 0;
    app.PendingXfers = 0;
    app.ImageLength = 0;
    app.ImageWidth = 0;
    return TWRC_SUCCESS;
}

TW_UINT16 CloseSource(pTW_IDENTITY, TW_MEMREF) {
    CDataSourceApp& app = TheApp();
    if (app.State == 3) return TWRC_SUCCESS;
    // A page still under way ends first, as the end of the transfers would
    // end it: the sheet is given back before the scanner closes, so that the
    // next session starts a sheet of its own, and the application's window
    // comes back from its progress window.
    if (app.State >= 5) {
        ReleasePage(app);
        app.PendingXfers = 0;
    }
    // A notification still queued belongs to this session, not the next.
    app.Notifications.DropQueued();
    app.Io.Close();
    app.Manager.Unbind();
    RestoreHelpAndProfilePaths(app);
    app.State = 3;
    return TWRC_SUCCESS;
}
