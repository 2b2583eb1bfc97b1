// DAT_USERINTERFACE: enabling the source, with the scanner dialog or without
// it (a page is scanned at once), or for the settings only; and disabling it.
#include "datasource/begin_acquisition.h"
#include "datasource/data_source_app.h"
#include "datasource/end_of_transfers.h"
#include "datasource/operations.h"
#include "engine/scan_error.h"
#include "engine/user_messages.h"
#include "framework/message_pump.h"
#include "localization/language.h"
#include "localization/text_table.h"
#include "ui/scanner_dialog.h"

#include <string>

namespace {

// Messages handled after the dialog, before the scan starts.
constexpr int kMessagesAfterDialog = 100;

void ShowScannerNotReady() { ShowNotice(nullptr, texts::ScannerNotReady); }

// Notifications go to hParent, so a handle that names no window would leave
// the application waiting for a page that is never announced.
bool UsableParent(const TW_USERINTERFACE& ui) {
    return ui.hParent == nullptr || IsWindow(static_cast<HWND>(ui.hParent));
}

// The window that owns the source's dialogs and message boxes and is
// disabled while they run: the application's window when it is one of this
// process. The desktop window, or a window of another process, is neither
// disabled nor made an owner: the source's windows then stand on their own.
HWND OwnerWindow(HWND parent) {
    DWORD process = 0;
    if (parent) GetWindowThreadProcessId(parent, &process);
    return process == GetCurrentProcessId() ? parent : nullptr;
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

// Runs the scanner dialog and answers its outcome; a scan request goes on to
// the acquisition (false: `result` is the answer already).
bool RunDialog(CDataSourceApp& app, TW_USERINTERFACE& ui, TW_UINT16& result) {
    ui.ModalUI = TRUE;
    ScannerDialogContext context{app.Settings, app.UiMode, app.SectionName, &app.HostWnd, app.Scan(),
                                 app.Negotiated, app.Units};
    ScanRequest request = kScanRequestCancelled;
    const bool ran = RunScannerDialog(context, request);
    if (!ran) {
        result = app.Fail(TWCC_LOWMEMORY);
        return false;
    }
    app.State = 5;
    // Let the closed dialog vanish from the screen before the scan starts.
    PumpWaitingMessages(kMessagesAfterDialog);
    if (request < 0) {
        app.Notifications.Post(MSG_CLOSEDSREQ);
        result = TWRC_SUCCESS;
        return false;
    }
    if (app.UiMode == kUiModeSettingsOnly) {
        app.Notifications.Post(MSG_CLOSEDSOK);
        result = TWRC_SUCCESS;
        return false;
    }
    return true;
}

TW_UINT16 Enable(TW_USERINTERFACE& ui, int32_t uiMode) {
    CDataSourceApp& app = TheApp();
    if (!UsableParent(ui)) return app.Fail(TWCC_BADVALUE);
    if (!ScannerReachable(app)) return app.Fail(TWCC_OPERATIONERROR);

    app.HostWnd.AttachTo(OwnerWindow(static_cast<HWND>(ui.hParent)));
    app.Notifications.Aim(app.HostWnd.GetSafeHwnd());
    // Whatever an earlier page left in the queue is not about this one.
    app.Notifications.DropQueued();
    app.UiMode = uiMode;
    if (uiMode != kUiModeNone) {
        TW_UINT16 answer = TWRC_SUCCESS;
        if (!RunDialog(app, ui, answer)) return answer;
    }
    const int result = BeginAcquisition(app);
    if (result == kScanOk) return TWRC_SUCCESS;
    // A user who declined the paper check needs no message about it.
    if (result != kScanCancelled)
        ShowScanError(app.HostWnd.GetSafeHwnd(), result);
    app.State = 4;
    return app.Fail(TWCC_OPERATIONERROR);
}

}  // namespace

TW_UINT16 EnableSource(pTW_IDENTITY, TW_MEMREF data) {
    auto& ui = *static_cast<TW_USERINTERFACE*>(data);
    return Enable(ui, ui.ShowUI ? kUiModeScan : kUiModeNone);
}

TW_UINT16 EnableSourceUiOnly(pTW_IDENTITY, TW_MEMREF data) {
    return Enable(*static_cast<TW_USERINTERFACE*>(data), kUiModeSettingsOnly);
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
    app.Notifications.DropQueued();
    const auto* ui = static_cast<const TW_USERINTERFACE*>(data);
    if (ui && ui->hParent) SetForegroundWindow(static_cast<HWND>(ui->hParent));
    return TWRC_SUCCESS;
}
