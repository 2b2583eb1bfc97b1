#include "datasource/begin_acquisition.h"

#include "datasource/data_source_app.h"
#include "engine/acquisition.h"
#include "engine/page_store.h"
#include "engine/scan_error.h"

int BeginAcquisition(CDataSourceApp& app) {
    if (app.Io.StartScan() == 0) return kScanScannerError;
    // With the dialog the check already ran when the user pressed Scan.
    if (app.UiMode == 0 && !CheckPaper(app.Scan(), &app.HostWnd)) return kScanCancelled;
    int32_t width = 0;
    int32_t length = 0;
    if (app.Io.GetPageDimension(app.Settings, width, length) == 0) return kScanScannerError;

    app.AcquireResult = kScanOk;
    app.ImageWidth = width;
    app.ImageLength = length;
    // One page per enable, whatever CAP_XFERCOUNT asked for.
    app.PendingXfers = 1;
    app.State = 6;
    app.Pages.ClearStore();
    app.Notifications.Post(MSG_XFERREADY);
    return kScanOk;
}
