// The round picture button of the dialog pages: an owner-drawn button whose
// picture comes from a "RAW" image resource of up to four frames (normal,
// pressed, hover, disabled). It is blended once onto the background it is
// first drawn on (or one given to it), clipped to an ellipse, changes its picture while the mouse
// rests on it, shows a tooltip, and reports right clicks to its parent with
// NM_RCLICK. Without a picture it draws as a plain push button.
#pragma once

#include "framework/gdi_object.h"
#include "framework/owner_drawn.h"
#include "framework/subclassed_window.h"
#include "ui/button_tooltip.h"
#include "ui/raw_image.h"

#include <windows.h>

#include <string>

class CHoverButtonEx : public CSubclassedWindow, public COwnerDrawn {
public:
    static constexpr const char* kRuntimeClassName = "CHoverButtonEx";

    CHoverButtonEx() = default;
    ~CHoverButtonEx() override;

    const char* RuntimeClassName() const { return kRuntimeClassName; }

    // Takes over control `id` of `dialog` (subclassed, drawing reflected to
    // this object); false when the dialog has no such control.
    bool Bind(const CWnd& dialog, int id);

    // Loads RAW image `resourceId` of ResourceModule() at `scale` (1.0 full
    // size, 0.5 half). With a window: clips it to the ellipse of one frame,
    // sizes it to the frame and makes it owner-drawn. False, and the button
    // as it was, for a missing or malformed resource.
    bool LoadFromRaw(UINT resourceId, float scale);
    // Sets the tooltip shown on hover; an empty text does nothing.
    void SetTooltipText(const std::string& text, bool activate = true);

    // Draws the item; also used by a dialog that hands this object the
    // drawing of a control it is not bound to.
    void DrawItem(const DRAWITEMSTRUCT& item) override;
    // Blends the picture once and for all onto the frame-sized part of
    // `source` at `x`, `y`, instead of onto what the screen shows behind the
    // button at its first drawing; false when it has no picture, is blended
    // already or the pixels cannot be read.
    bool BlendOnto(HDC source, int x, int y);
    // Relays a message of the modal loop to the tooltip.
    bool PreTranslateMessage(MSG& message);

    bool HasImage() const { return static_cast<bool>(strip_.Pixels); }
    int FrameWidth() const { return strip_.FrameWidth; }
    int FrameHeight() const { return strip_.Height; }
    int FrameCount() const { return strip_.Frames; }
    bool IsHovering() const { return tooltip_.Hovering(); }
    const std::string& TooltipText() const { return tooltip_.Text(); }
    HWND TooltipHwnd() const { return tooltip_.TooltipHwnd(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Sets the window's region to the ellipse of one frame, keeping a copy.
    void ApplyRegion();

    RawStrip strip_;
    GdiObject<HRGN> region_;
    bool blended_ = false;
    ButtonTooltip tooltip_;
};
