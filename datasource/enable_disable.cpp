// DAT_USERINTERFACE: enabling the source (a page is scanned at once when the
// application wants no dialog) and disabling it again.
#include "datasource/begin_acquisition.h"
#include "datasource/data_source_app.h"
#include "datasource/end_of_transfers.h"
#include "datasource/notification.h"
#include "datasource/operations.h"
#include "engine/scan_error.h"
#include "localization/language.h"
#include "localization/text_table.h"
#include "ui/product_caption.h"

#include <string>

namespace {

void ShowScannerNotReady() {
    std::string text;
    LoadText(GetLanguage(), texts::ScannerNotReady, text);
    MessageBoxA(nullptr, text.c_str(), kProductCaption, MB_OK);
}

// Notifications go to hParent, so a handle that names no window would leave
// the application waiting for a page that is never announced.
bool UsableParent(const TW_USERINTERFACE& ui) {
    return ui.hParent == nullptr || IsWindow(static_cast<HWND>(ui.hParent));
}

// The scanner may have been off when the source was opened.
bool ScannerReachable(CDataSourceApp& app) {
    if (app.DeviceOnline) return true;
    if (app.Io.OpenScanner(kScannerModel) != 0) {
        ShowScannerNotReady();
        return false;
    }
    app.DeviceOnline = 1;
    return true;
}

}  // namespace

TW_UINT16 EnableSource(pTW_IDENTITY, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    const auto& ui = *static_cast<const TW_USERINTERFACE*>(data);
    // The scanner dialog is not part of this build: enabling with it is
    // refused before anything changes.
    if (ui.ShowUI) return app.Fail(TWCC_BUMMER);
    if (!UsableParent(ui)) return app.Fail(TWCC_BADVALUE);
    if (!ScannerReachable(app)) return app.Fail(TWCC_OPERATIONERROR);

    app.HostWnd.AttachTo(static_cast<HWND>(ui.hParent));
    // Whatever an earlier page left in the queue is not about this one.
    DropQueuedNotifications(app.HostWnd.GetSafeHwnd());
    app.UiMode = 0;
    const int result = BeginAcquisition(app);
    if (result == kScanOk) return TWRC_SUCCESS;
    // A user who declined the paper check needs no message about it.
    if (result != kScanCancelled)
        app.HostWnd.MessageBox(ScanErrorText(result), kProductCaption, MB_OK | MB_ICONEXCLAMATION);
    app.State = 4;
    return app.Fail(TWCC_OPERATIONERROR);
}

TW_UINT16 EnableSourceUiOnly(pTW_IDENTITY, TW_MEMREF) {
    // Only the scanner dialog can answer this, and it is not part of this build.
    return TheApp().Fail(TWCC_BUMMER);
}

TW_UINT16 DisableSource(pTW_IDENTITY, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    // A page still held (a transfer broken off) goes back with the source.
    if (app.State >= 6) {
        ReleasePage(app);
        app.PendingXfers = 0;
    }
    app.State = 4;
    // A close request the application has not read yet is answered by this.
    DropQueuedNotifications(app.HostWnd.GetSafeHwnd());
    const auto* ui = static_cast<const TW_USERINTERFACE*>(data);
    if (ui && ui->hParent) SetForegroundWindow(static_cast<HWND>(ui->hParent));
    return TWRC_SUCCESS;
}
