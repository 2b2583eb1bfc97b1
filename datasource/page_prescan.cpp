#include "datasource/page_prescan.h"

#include "datasource/data_source_app.h"
#include "engine/acquisition.h"
#include "engine/negotiation_state.h"

int PrescanCurrentPage(CDataSourceApp& app) {
    app.AcquireResult = PrescanPage(app.Scan(), &app.HostWnd, app.Settings, app.Negotiated.ShowIndicators != 0,
                                    PageInProgress{app.ImageWidth, app.ImageLength, app.AcquireResult});
    return app.AcquireResult;
}

bool NeedsPrescanForLength(const CDataSourceApp& app) {
    return app.Settings.DetectEOP != 0 && app.State == 6;
}
