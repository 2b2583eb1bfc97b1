// DAT_STATUS and DAT_XFERGROUP.
#include "datasource/data_source_app.h"
#include "datasource/operations.h"

TW_UINT16 GetStatus(pTW_IDENTITY, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    auto* status = static_cast<TW_STATUS*>(data);
    status->ConditionCode = app.Status.ConditionCode;
    status->Reserved = app.Status.Reserved;
    // The code stays until it has been read once.
    app.Status.ConditionCode = TWCC_SUCCESS;
    return TWRC_SUCCESS;
}

TW_UINT16 GetXferGroup(pTW_IDENTITY, TW_MEMREF data) {
    *static_cast<TW_UINT32*>(data) = DG_IMAGE;
    return TWRC_SUCCESS;
}
