#include "datasource/transfer_outcome.h"

#include "datasource/data_source_app.h"
#include "engine/pixel_rows.h"
#include "engine/scan_error.h"
#include "engine/user_messages.h"

void ShowTransferError(const CDataSourceApp& app, int scanError) {
    if (scanError == kScanOk || scanError == kScanCancelled) return;
    ShowScanError(app.HostWnd.GetSafeHwnd(), scanError);
}

TW_UINT16 FailTransfer(CDataSourceApp& app, int scanError) {
    app.PendingXfers = 0;
    if (scanError == kScanCancelled) return TWRC_CANCEL;
    ShowTransferError(app, scanError);
    return app.Fail(TWCC_OPERATIONERROR);
}

int32_t TransferRowBytes(const CDataSourceApp& app) {
    return BytesPerLine(ScanModeBits(app.Settings.ScanMode), app.ImageWidth);
}
