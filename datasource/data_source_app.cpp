#include "datasource/data_source_app.h"

namespace {
// Constructed when the module is loaded, destroyed when it is unloaded.
CDataSourceApp theApp;
}  // namespace

CDataSourceApp::CDataSourceApp() {
    SetEngineHost(this);
    SetAcquisitionUi(&AcquisitionWindows);
}

CDataSourceApp::~CDataSourceApp() {
    if (CurrentEngineHost() == this) SetEngineHost(nullptr);
    if (CurrentAcquisitionUi() == &AcquisitionWindows) SetAcquisitionUi(nullptr);
}

CDataSourceApp& TheApp() { return theApp; }
