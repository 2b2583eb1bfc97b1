#include "framework/property_sheet.h"

#include "framework/owner_disabled.h"

#include <commctrl.h>

#include <algorithm>

namespace {
// The sheet being made on this thread: the sheet callback has no argument
// of its own to carry the object.
thread_local CPropertySheet* sheetBeingMade = nullptr;
}  // namespace

CPropertySheet::CPropertySheet(std::string caption, HWND owner, int startPage)
    : caption_(std::move(caption)), owner_(owner), startPage_(startPage) {}

CPropertySheet::~CPropertySheet() {
    HWND hwnd = GetSafeHwnd();
    Unsubclass();
    if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
}

int CALLBACK CPropertySheet::SheetCallback(HWND hwnd, UINT message, LPARAM) {
    if (message == PSCB_INITIALIZED && sheetBeingMade) {
        CPropertySheet* self = sheetBeingMade;
        sheetBeingMade = nullptr;
        try {
            if (self->Subclass(hwnd)) self->OnInitialized();
        } catch (...) {
        }
    }
    return 0;
}

INT_PTR CPropertySheet::DoModal() {
    if (IsAttached() || pages_.empty()) return kNoResult;
    std::vector<PROPSHEETPAGEA> descriptions;
    for (const CPropertyPage* page : pages_) descriptions.push_back(DescribePage(*page));

    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS | PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_NOAPPLYNOW;
    header.hwndParent = owner_ && IsWindow(owner_) ? owner_ : nullptr;
    header.pszCaption = caption_.c_str();
    header.nPages = static_cast<UINT>(descriptions.size());
    header.nStartPage = static_cast<UINT>(std::clamp(startPage_, 0, PageCount() - 1));
    header.ppsp = descriptions.data();
    header.pfnCallback = SheetCallback;

    ended_ = false;
    result_ = kNoResult;
    OwnerDisabled disabled(header.hwndParent);
    sheetBeingMade = this;
    const INT_PTR made = PropertySheetA(&header);
    sheetBeingMade = nullptr;
    HWND hwnd = GetSafeHwnd();
    if (made <= 0 || !hwnd) return kNoResult;
    if (!RunLoop()) result_ = kNoResult;
    // Give the owner back before the sheet goes, so that the activation
    // returns to it rather than to some other window.
    if (header.hwndParent && IsWindow(header.hwndParent)) EnableWindow(header.hwndParent, TRUE);
    Unsubclass();
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
    return result_;
}

bool CPropertySheet::RunLoop() {
    MSG message;
    while (!ended_) {
        HWND hwnd = GetSafeHwnd();
        // Closed from outside, or by the system's own buttons.
        if (!hwnd || !IsWindow(hwnd) || !PropSheet_GetCurrentPageHwnd(hwnd)) return ended_;
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == -1) return false;
        if (got == 0) {
            // The thread's own loop must still see it.
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (PreTranslateMessage(message)) continue;
        if (PropSheet_IsDialogMessage(hwnd, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

void CPropertySheet::EndDialog(INT_PTR result) {
    result_ = result;
    ended_ = true;
    // Wakes the loop when nothing else is queued.
    if (HWND hwnd = GetSafeHwnd()) PostMessageA(hwnd, WM_NULL, 0, 0);
}

int CPropertySheet::ActiveIndex() const {
    HWND hwnd = GetSafeHwnd();
    if (!hwnd) return -1;
    HWND tabs = PropSheet_GetTabControl(hwnd);
    return tabs ? static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0)) : -1;
}

CPropertyPage* CPropertySheet::ActivePage() const {
    const int index = ActiveIndex();
    return index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

bool CPropertySheet::PreTranslateMessage(MSG& message) {
    CPropertyPage* page = ActivePage();
    return page && page->GetSafeHwnd() && page->PreTranslateMessage(message);
}
