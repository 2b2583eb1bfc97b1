#include "framework/dialog.h"

#include "framework/message_pump.h"
#include "framework/owner_drawn.h"
#include "framework/win_app.h"
#include "framework/window_position.h"

#include <algorithm>
#include <vector>

HINSTANCE ResourceModule() {
    const CWinApp* app = CWinApp::Current();
    if (app && app->ModuleHandle()) return app->ModuleHandle();
    return GetModuleHandleA(nullptr);
}

CDialog::CDialog(UINT templateId, const CWnd* owner) : templateId_(templateId), owner_(owner) {}

CDialog::~CDialog() {
    HWND hwnd = GetSafeHwnd();
    if (!hwnd) return;
    // The derived parts are gone already: unbind first so that the messages
    // of the destruction reach no hook.
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    Detach();
    if (IsWindow(hwnd)) ::DestroyWindow(hwnd);
}

INT_PTR CDialog::DoModal() {
    if (IsAttached()) return -1;
    modeless_ = false;
    return DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(templateId_), OwnerHwnd(),
                           DialogProc, reinterpret_cast<LPARAM>(this));
}

bool CDialog::Create() {
    if (IsAttached()) return false;
    modeless_ = true;
    HWND hwnd = CreateDialogParamA(ResourceModule(), MAKEINTRESOURCEA(templateId_), OwnerHwnd(),
                                   DialogProc, reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr && GetSafeHwnd() == hwnd;
}

void CDialog::EndDialog(INT_PTR result) {
    if (HWND hwnd = GetSafeHwnd()) {
        if (!modeless_) ::EndDialog(hwnd, result);
    }
}

bool CDialog::DestroyWindow() {
    HWND hwnd = GetSafeHwnd();
    if (!hwnd || !modeless_) return false;
    return ::DestroyWindow(hwnd) != FALSE;
}

HWND CDialog::Item(int id) const {
    HWND hwnd = GetSafeHwnd();
    return hwnd ? GetDlgItem(hwnd, id) : nullptr;
}

bool CDialog::SetItemText(int id, const std::string& text) const {
    HWND item = Item(id);
    return item && SetWindowTextA(item, text.c_str()) != FALSE;
}

std::string CDialog::ItemText(int id) const {
    HWND item = Item(id);
    if (!item) return std::string();
    const int length = GetWindowTextLengthA(item);
    std::vector<char> text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
    const int copied = GetWindowTextA(item, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), static_cast<size_t>(std::max(copied, 0)));
}

void CDialog::SetCaption(const std::string& text) const {
    if (HWND hwnd = GetSafeHwnd()) SetWindowTextA(hwnd, text.c_str());
}

void CDialog::CenterOnOwner() const { CenterWindowOn(GetSafeHwnd(), OwnerHwnd()); }

int CDialog::PumpMessages(int limit) { return PumpWaitingMessages(limit, GetSafeHwnd()); }

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool CDialog::OnCommand(WORD id, WORD, HWND) {
    switch (id) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnMessage(message, wParam, lParam, result)) {
        switch (message) {
        // These answer through the procedure's return value.
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON:
            return static_cast<INT_PTR>(result);
        default:
            SetWindowLongPtrA(GetSafeHwnd(), DWLP_MSGRESULT, result);
            return TRUE;
        }
    }
    switch (message) {
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE
                                                                                          : FALSE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (!header || !OnNotify(*header, result)) return FALSE;
        SetWindowLongPtrA(GetSafeHwnd(), DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(wParam));
        return TRUE;
    case WM_DRAWITEM:
        // Owner-drawn controls draw themselves.
        return COwnerDrawn::Reflect(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CDialog::BindAtInit(HWND hwnd, CDialog* self) {
    if (!self) return FALSE;
    SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->Attach(hwnd);
    return self->OnInitDialog() ? TRUE : FALSE;
}

INT_PTR CDialog::Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self) return FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->Detach();
        return FALSE;
    }
    return self->Dispatch(message, wParam, lParam);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Nothing may leave a window procedure; a failing hook leaves the message
    // to the system's default handling.
    try {
        if (message == WM_INITDIALOG) return BindAtInit(hwnd, reinterpret_cast<CDialog*>(lParam));
        return Route(hwnd, message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}
