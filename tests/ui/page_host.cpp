#include "page_host.h"

#include "framework/gdi_object.h"

namespace {
constexpr UINT kRunScript = WM_APP + 40;
constexpr UINT_PTR kTimeoutTimer = 0x7A57;
}  // namespace

INT_PTR PageHost::Run(CPropertyPage& page, std::function<bool(HWND)> script, UINT timeoutMs) {
    script_ = std::move(script);
    timeoutMs_ = timeoutMs;
    AddPage(&page);
    return DoModal();
}

PROPSHEETPAGEA PageHost::DescribePage(const CPropertyPage& page) const {
    PROPSHEETPAGEA description = CPropertySheet::DescribePage(page);
    if (template_) {
        description.dwFlags |= PSP_DLGINDIRECT;
        description.pResource = reinterpret_cast<LPCDLGTEMPLATEA>(template_->data());
    }
    return description;
}

void PageHost::OnInitialized() {
    // Posted: the page is made after this, and painted before the loop
    // looks at the message.
    PostMessageA(GetSafeHwnd(), kRunScript, 0, 0);
    SetTimer(GetSafeHwnd(), kTimeoutTimer, timeoutMs_, nullptr);
}

LRESULT PageHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kRunScript: {
        HWND page = PropSheet_GetCurrentPageHwnd(GetSafeHwnd());
        PaintNow(GetSafeHwnd());
        if (script_ && script_(page)) EndDialog(kEndedByScript);
        return 0;
    }
    case WM_TIMER:
        if (wParam != kTimeoutTimer) break;
        KillTimer(GetSafeHwnd(), kTimeoutTimer);
        EndDialog(kTimedOut);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            EndDialog(kEndedByOk);
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(kEndedByCancel);
            return 0;
        }
        break;
    default:
        break;
    }
    return CPropertySheet::WindowProc(message, wParam, lParam);
}

void PaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    // Wine puts what was drawn on the screen when the thread looks for messages.
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    GdiFlush();
}


RECT ClientOnScreen(HWND control) {
    RECT rect = {};
    GetClientRect(control, &rect);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
