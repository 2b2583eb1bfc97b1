// DAT_PENDINGXFERS: counting the pages of an acquisition down.
#include "datasource/data_source_app.h"
#include "datasource/end_of_transfers.h"
#include "datasource/operations.h"

TW_UINT16 PendingXfersGet(pTW_IDENTITY, TW_MEMREF data) {
    static_cast<TW_PENDINGXFERS*>(data)->Count = static_cast<TW_UINT16>(TheApp().PendingXfers);
    return TWRC_SUCCESS;
}

TW_UINT16 PendingXfersEndXfer(pTW_IDENTITY, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    auto* pending = static_cast<TW_PENDINGXFERS*>(data);
    const int16_t count = app.PendingXfers;
    if (count > 1 || count == -1) {
        // More pages follow (or an unknown number of them).
        if (count > 1) app.PendingXfers = static_cast<int16_t>(count - 1);
        app.State = 6;
        pending->Count = static_cast<TW_UINT16>(app.PendingXfers);
        return TWRC_SUCCESS;
    }
    EndOfTransfers(app);
    pending->Count = 0;
    return TWRC_SUCCESS;
}

TW_UINT16 PendingXfersReset(pTW_IDENTITY, TW_MEMREF data) {
    EndOfTransfers(TheApp());
    static_cast<TW_PENDINGXFERS*>(data)->Count = 0;
    return TWRC_SUCCESS;
}
