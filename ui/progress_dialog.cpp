#include "ui/progress_dialog.h"

#include "localization/language.h"
#include "localization/text_table.h"
#include "resources/progress_window_ids.h"
#include "ui/product_caption.h"

#include <string>

ProgressDialog::ProgressDialog(UINT templateId, const CWnd* owner) : CDialog(templateId, owner) {
    // The bar's window class must exist before the template is made.
    CProgressCtrl::RegisterWindowClass();
}

bool ProgressDialog::OnInitDialog() {
    cancelled_ = false;
    SetCaption(kProductCaption);
    std::string text;
    LoadText(GetLanguage(), texts::Cancel, text);
    SetItemText(IDCANCEL, text);
    bar_.Bind(*this, IDC_PROGRESS_BAR);
    bar_.SetRange(0, 100);
    bar_.SetPos(0);
    return true;
}

bool ProgressDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_DESTROY) {
        // Only someone else gets here (the owner went, say): this object's
        // own destruction unbinds it first. Without its window the user
        // could no longer stop the scan, so the scan stops.
        cancelled_ = true;
        return false;
    }
    if (message != WM_POWERBROADCAST) return false;
    switch (wParam) {
    case PBT_APMQUERYSUSPEND:
        // The scanner would lose the sheet half way: no sleep during a scan.
        result = BROADCAST_QUERY_DENY;
        break;
    case PBT_APMSUSPEND:
        // Forced: the scan cannot survive it.
        cancelled_ = true;
        result = TRUE;
        break;
    default:
        result = TRUE;
        break;
    }
    return true;
}
