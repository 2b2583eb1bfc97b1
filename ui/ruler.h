// A ruler beside the preview: inches or centimetres of the canvas at the
// preview's zoom and scroll offset, drawn over one of the page's frame
// controls. Horizontal when the control is wider than high.
#pragma once

#include "framework/controls.h"
#include "framework/subclassed_window.h"

class Ruler : public CSubclassedWindow {
public:
    // Takes over control `id` of `page`; false when there is none.
    bool Bind(const CWnd& page, int id);
    // Unit 1 inches, 0 centimetres; zoom 1..4; offsets in hundredths of an inch.
    void SetView(int unit, int zoom, int offsetX, int offsetY);

    int Unit() const { return unit_; }
    int Zoom() const { return zoom_; }
    int OffsetX() const { return offsetX_; }
    int OffsetY() const { return offsetY_; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc) const;

    int unit_ = 1;
    int zoom_ = 1;
    int offsetX_ = 0;
    int offsetY_ = 0;
};
