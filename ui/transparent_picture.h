// A static control that shows a bitmap resource with one colour (magenta)
// transparent: what the page shows behind it stays visible there.
#pragma once

#include "framework/gdi_object.h"
#include "framework/subclassed_window.h"

#include <windows.h>

class TransparentPicture : public CSubclassedWindow {
public:
    static constexpr COLORREF kTransparentColour = RGB(255, 0, 255);

    // Takes over control `id` of `dialog`; false when there is none.
    bool Bind(const CWnd& dialog, int id);
    // Shows bitmap `id` of ResourceModule() (0 clears), sized to it at (0, 0)
    // of the parent; false when the bitmap cannot be loaded.
    bool SetBitmap(UINT id);
    int Width() const { return width_; }
    int Height() const { return height_; }
    UINT BitmapId() const { return id_; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Draw(HDC dc) const;

    GdiObject<HBITMAP> bitmap_;
    int width_ = 0;
    int height_ = 0;
    UINT id_ = 0;
};
