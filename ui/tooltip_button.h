// A push button drawn by the system that shows a tooltip while the mouse
// rests on it (the Calibrate button of the presets page).
#pragma once

#include "framework/subclassed_window.h"
#include "ui/button_tooltip.h"

#include <windows.h>

#include <string>

class CToolTipButton : public CSubclassedWindow {
public:
    static constexpr const char* kRuntimeClassName = "CToolTipButton";

    const char* RuntimeClassName() const { return kRuntimeClassName; }

    // Takes over control `id` of `dialog`; false when there is none.
    bool Bind(const CWnd& dialog, int id);
    void SetTooltipText(const std::string& text, bool activate = true);
    bool PreTranslateMessage(MSG& message);

    bool IsHovering() const { return tooltip_.Hovering(); }
    const std::string& TooltipText() const { return tooltip_.Text(); }
    HWND TooltipHwnd() const { return tooltip_.TooltipHwnd(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ButtonTooltip tooltip_;
};
