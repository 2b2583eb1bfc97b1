#include "engine/acquisition_ui.h"

namespace {
AcquisitionUi* registered = nullptr;
}

void SetAcquisitionUi(AcquisitionUi* ui) { registered = ui; }

AcquisitionUi* CurrentAcquisitionUi() { return registered; }
