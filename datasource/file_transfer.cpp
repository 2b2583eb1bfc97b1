// DG_IMAGE / DAT_IMAGEFILEXFER: the page as a bitmap file under the name the
// application set up.
#include "datasource/data_source_app.h"
#include "datasource/operations.h"
#include "datasource/transfer_bitmap.h"
#include "datasource/transfer_outcome.h"
#include "engine/negotiation_state.h"
#include "engine/scan_error.h"

#include <cstring>

TW_UINT16 ImageFileXferGet(pTW_IDENTITY, TW_MEMREF) {
    CDataSourceApp& app = TheApp();
    // The name as it was when the transfer began; a name that does not fit a
    // path cannot be written.
    char path[MAX_PATH] = {};
    if (app.Negotiated.XferFileName.size() >= sizeof path) return FailTransfer(app, kScanFileError);
    std::memcpy(path, app.Negotiated.XferFileName.c_str(), app.Negotiated.XferFileName.size() + 1);

    // A page that fails is not left under the application's name; a file of
    // that name that this transfer did not write stays as it was.
    const int result = WriteTransferPage(app, path);
    if (result != kScanOk) return FailTransfer(app, result);
    app.State = 7;
    return TWRC_XFERDONE;
}
