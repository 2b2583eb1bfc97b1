#include "datasource/data_source_app.h"

namespace {
// Constructed when the module is loaded, destroyed when it is unloaded.
CDataSourceApp theApp;
}  // namespace

CDataSourceApp::CDataSourceApp() { SetEngineHost(this); }

CDataSourceApp::~CDataSourceApp() {
    if (CurrentEngineHost() == this) SetEngineHost(nullptr);
}

CDataSourceApp& TheApp() { return theApp; }
