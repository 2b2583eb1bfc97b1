// DAT_IDENTITY MSG_GET.
#include "datasource/identity.h"

#include "datasource/data_source_app.h"
#include "datasource/operations.h"

#include <cstring>

namespace {

bool ScannerLibraryOnSearchPath() {
    char path[MAX_PATH];
    return SearchPathA(nullptr, kScannerLibraryName, nullptr, MAX_PATH, path, nullptr) != 0;
}

}  // namespace

void FillSourceIdentity(TW_IDENTITY& identity) {
    std::memset(&identity, 0, sizeof identity);
    identity.Id = 0;
    identity.Version.MajorNum = 3;
    identity.Version.MinorNum = 4;
    identity.Version.Language = TWLG_USA;
    identity.Version.Country = TWCY_USA;
    std::strcpy(identity.Version.Info, "3.4.2.1");
    identity.ProtocolMajor = TWON_PROTOCOLMAJOR;
    identity.ProtocolMinor = TWON_PROTOCOLMINOR;
    identity.SupportedGroups = DG_CONTROL | DG_IMAGE;
    std::strcpy(identity.Manufacturer, "Orvane Imaging Systems");
    std::strcpy(identity.ProductFamily, "SheetRelay");
    std::strcpy(identity.ProductName, "Tavix Scanner");
}

TW_UINT16 GetIdentity(pTW_IDENTITY, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    auto* identity = static_cast<TW_IDENTITY*>(data);
    if (!app.ScannerLibraryFound) app.ScannerLibraryFound = ScannerLibraryOnSearchPath();
    if (!app.ScannerLibraryFound) {
        // Without the library the source reports itself unavailable.
        std::memset(identity, 0, sizeof *identity);
        return app.Fail(TWCC_BUMMER);
    }
    FillSourceIdentity(*identity);
    return TWRC_SUCCESS;
}
