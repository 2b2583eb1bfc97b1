#include "ui/tooltip_button.h"

bool CToolTipButton::Bind(const CWnd& dialog, int id) {
    HWND parent = dialog.GetSafeHwnd();
    HWND item = parent ? GetDlgItem(parent, id) : nullptr;
    return item && Subclass(item);
}

void CToolTipButton::SetTooltipText(const std::string& text, bool activate) {
    tooltip_.SetText(GetSafeHwnd(), text, activate);
}

bool CToolTipButton::PreTranslateMessage(MSG& message) {
    tooltip_.Relay(message);
    return false;
}

LRESULT CToolTipButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (tooltip_.OnMouseMessage(GetSafeHwnd(), message, result)) return result;
    if (message == WM_DESTROY) tooltip_.Destroy();
    return Default(message, wParam, lParam);
}
