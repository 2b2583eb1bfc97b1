// The hover tracking and tooltip the two skinned button kinds share: a
// TrackMouseEvent request on the first mouse move, the hover and leave
// notifications, and a tooltip control made afresh whenever the mouse rests
// on the button (200 ms until it shows, 8 s until it goes, wrapped at 120
// pixels).
#pragma once

#include "framework/tooltip_ctrl.h"

#include <windows.h>

#include <string>

class ButtonTooltip {
public:
    // WM_MOUSEMOVE, WM_MOUSEHOVER and WM_MOUSELEAVE of `button`; true when the
    // message is answered here (with `result`), false when it goes on to the
    // button's own handling (a mouse move always does, after tracking starts).
    bool OnMouseMessage(HWND button, UINT message, LRESULT& result);
    // Stores `text`, and puts it on the tooltip of `button` when that is
    // shown; an empty text does nothing.
    void SetText(HWND button, const std::string& text, bool activate);
    // Hands a message of the modal loop to the tooltip when there is one.
    void Relay(const MSG& message) const;
    // Destroys the tooltip window (the button is going away).
    void Destroy() { tooltip_.Destroy(); }

    bool Hovering() const { return hovering_; }
    const std::string& Text() const { return text_; }
    HWND TooltipHwnd() const { return tooltip_.GetSafeHwnd(); }

private:
    // A fresh tooltip window for `button` with the stored text, active.
    void MakeTooltip(HWND button);

    bool hovering_ = false;
    bool tracking_ = false;
    std::string text_;
    CToolTipCtrl tooltip_;
};
