#include "datasource/transfer_bitmap.h"

#include "datasource/data_source_app.h"
#include "datasource/memory_transfer.h"
#include "engine/acquisition.h"
#include "engine/negotiation_state.h"
#include "engine/scan_to_bitmap.h"

int WriteTransferPage(CDataSourceApp& app, const char* path) {
    // A memory transfer of an earlier page may have been left open.
    app.MemoryPage.Forget();
    app.AcquireResult =
        WriteTransferBitmap(app.Scan(), &app.HostWnd, path, app.Settings, app.Negotiated.ShowIndicators != 0,
                            PageInProgress{app.ImageWidth, app.ImageLength, app.AcquireResult},
                            app.PendingXfers);
    return app.AcquireResult;
}
