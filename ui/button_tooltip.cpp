#include "ui/button_tooltip.h"

#include <commctrl.h>

namespace {
constexpr DWORD kHoverTimeMs = 1;
constexpr int kInitialDelayMs = 200;
constexpr int kAutoPopMs = 8000;
constexpr int kMaxTipWidth = 120;
}  // namespace

bool ButtonTooltip::OnMouseMessage(HWND button, UINT message, LRESULT& result) {
    switch (message) {
    case WM_MOUSEMOVE:
        if (!tracking_) {
            TRACKMOUSEEVENT track = {};
            track.cbSize = sizeof track;
            track.dwFlags = TME_HOVER | TME_LEAVE;
            track.hwndTrack = button;
            track.dwHoverTime = kHoverTimeMs;
            tracking_ = TrackMouseEvent(&track) != FALSE;
        }
        return false;
    case WM_MOUSEHOVER: {
        hovering_ = true;
        if (HWND parent = GetParent(button)) SetActiveWindow(parent);
        InvalidateRect(button, nullptr, TRUE);
        // A fresh tooltip each time, so that it shows again at once.
        MakeTooltip(button);
        if (tooltip_.GetSafeHwnd()) tooltip_.Send(TTM_UPDATE);
        result = 0;
        return true;
    }
    case WM_MOUSELEAVE:
        tracking_ = false;
        hovering_ = false;
        InvalidateRect(button, nullptr, TRUE);
        result = 0;
        return true;
    default:
        return false;
    }
}

void ButtonTooltip::SetText(HWND button, const std::string& text, bool activate) {
    if (text.empty() || !button) return;
    text_ = text;
    // The tooltip window is made when the mouse first rests on the button:
    // a dialog with many buttons opens without making one for each.
    if (!tooltip_.GetSafeHwnd()) return;
    tooltip_.SetToolText(text_);
    tooltip_.Send(TTM_ACTIVATE, activate ? TRUE : FALSE);
}

void ButtonTooltip::MakeTooltip(HWND button) {
    tooltip_.Destroy();
    if (text_.empty() || !tooltip_.Create(button)) return;
    tooltip_.Send(TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(kInitialDelayMs, 0));
    tooltip_.Send(TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(kAutoPopMs, 0));
    tooltip_.Send(TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    tooltip_.SetToolText(text_);
    tooltip_.Send(TTM_ACTIVATE, TRUE);
}

void ButtonTooltip::Relay(const MSG& message) const {
    if (!tooltip_.GetSafeHwnd()) return;
    MSG copy = message;
    tooltip_.Send(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
}
