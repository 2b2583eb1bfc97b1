#include "datasource/end_of_transfers.h"

#include "datasource/data_source_app.h"
#include "datasource/memory_transfer.h"
#include "engine/page_bracket.h"
#include "engine/page_store.h"

void ReleasePage(CDataSourceApp& app) {
    if (app.HostWnd.IsAttached()) EnableWindow(app.HostWnd.GetSafeHwnd(), TRUE);
    app.MemoryPage.Forget();
    app.Sheet.End();
    app.Pages.ClearStore();
}

void EndOfTransfers(CDataSourceApp& app) {
    ReleasePage(app);
    app.State = 5;
    app.Notifications.Post(MSG_CLOSEDSREQ);
    app.PendingXfers = 0;
}
