#include "datasource/data_source_app.h"

namespace {
// Constructed when the module is loaded, destroyed when it is unloaded.
CDataSourceApp theApp;
}  // namespace

CDataSourceApp& TheApp() { return theApp; }
