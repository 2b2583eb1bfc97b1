#include "datasource/capability_commands.h"

#include "engine/negotiation_state.h"
#include "engine/scan_error.h"
#include "engine/user_messages.h"
#include "ui/calibration_dialog.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace {

bool Online(const CDataSourceApp& app) { return app.DeviceOnline != 0; }

// The prompt, its paper checks and its messages; an offline scanner is
// reported with the hardware message instead, in a box of its own since the
// application's window may not be known yet.
TW_UINT16 RunWithPrompt(CDataSourceApp& app, CalibrationKind kind) {
    if (!Online(app)) {
        ShowScanError(nullptr, kScanScannerError);
        return app.Fail(TWCC_BUMMER);
    }
    if (!CalibrationDialog(app.Io, &app.HostWnd, kind, 1)) return app.Fail(TWCC_BUMMER);
    return TWRC_SUCCESS;
}

}  // namespace

TW_UINT16 CalibrateCommand(CDataSourceApp& app) {
    if (app.Negotiated.ShowIndicators) return RunWithPrompt(app, kCalibrateOnly);
    const int32_t result = Online(app) ? app.Io.CalibrateScanner() : 0;
    if (result == 0) return app.Fail(TWCC_BUMMER);
    if (result == 2) {
        // White reference only: usable, but the application should know.
        app.SetCondition(TWCC_BUMMER);
        return TWRC_CHECKSTATUS;
    }
    return TWRC_SUCCESS;
}

TW_UINT16 CleanCommand(CDataSourceApp& app) {
    if (app.Negotiated.ShowIndicators) return RunWithPrompt(app, kCleanOnly);
    // The library's answer tells nothing the application could act on.
    if (Online(app)) app.Io.Clean();
    return TWRC_SUCCESS;
}

TW_UINT16 FeedCommand(CDataSourceApp& app) {
    if (Online(app)) app.Io.FeedOn();
    return TWRC_SUCCESS;
}
