#include "datasource/data_source_app.h"

#include "ui/dialog_acquisition_ui.h"

namespace {
// The windows a scan shows: the data source's own dialogs.
DialogAcquisitionUi acquisitionUi;
// Constructed when the module is loaded, destroyed when it is unloaded.
CDataSourceApp theApp;
}  // namespace

CDataSourceApp::CDataSourceApp() {
    SetEngineHost(this);
    SetAcquisitionUi(&acquisitionUi);
}

CDataSourceApp::~CDataSourceApp() {
    if (CurrentEngineHost() == this) SetEngineHost(nullptr);
    if (CurrentAcquisitionUi() == &acquisitionUi) SetAcquisitionUi(nullptr);
}

CDataSourceApp& TheApp() { return theApp; }
