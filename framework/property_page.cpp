#include "framework/property_page.h"

CPropertyPage::CPropertyPage(UINT templateId, std::string title)
    : CDialog(templateId, nullptr), title_(std::move(title)) {}

PROPSHEETPAGEA CPropertyPage::Description() const {
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = title_.empty() ? PSP_DEFAULT : PSP_USETITLE;
    page.hInstance = ResourceModule();
    page.pszTemplate = MAKEINTRESOURCEA(TemplateId());
    page.pszTitle = title_.c_str();
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

HWND CPropertyPage::SheetHwnd() const {
    HWND hwnd = GetSafeHwnd();
    return hwnd ? GetParent(hwnd) : nullptr;
}

void CPropertyPage::OnOK() {
    if (HWND sheet = SheetHwnd()) SendMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void CPropertyPage::OnCancel() {
    if (HWND sheet = SheetHwnd()) SendMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Nothing may leave a window procedure.
    try {
        if (message == WM_INITDIALOG) {
            // The sheet passes the page's description, which carries the object.
            const auto* page = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
            return BindAtInit(hwnd, page ? reinterpret_cast<CPropertyPage*>(page->lParam) : nullptr);
        }
        return Route(hwnd, message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}
