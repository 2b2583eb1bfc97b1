#include "framework/owner_drawn.h"

namespace {
const char kProperty[] = "TavixOwnerDrawn";
}  // namespace

void COwnerDrawn::Bind(HWND control, COwnerDrawn* object) {
    if (!control) return;
    if (object) SetPropA(control, kProperty, object);
    else RemovePropA(control, kProperty);
}

COwnerDrawn* COwnerDrawn::Of(HWND control) {
    return control ? static_cast<COwnerDrawn*>(GetPropA(control, kProperty)) : nullptr;
}

bool COwnerDrawn::Reflect(const DRAWITEMSTRUCT* item) {
    if (!item || item->CtlType == ODT_MENU) return false;
    COwnerDrawn* object = Of(item->hwndItem);
    if (!object) return false;
    object->DrawItem(*item);
    return true;
}
