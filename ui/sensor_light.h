// The paper sensor light: one 16 x 16 cell of the lamp strip (bright green:
// paper present, dark green: none, gray: unused) drawn over the page's
// background, magenta pixels left transparent.
#pragma once

#include "framework/gdi_object.h"
#include "framework/subclassed_window.h"

class SensorLight : public CSubclassedWindow {
public:
    static constexpr int kPaperColumn = 0;
    static constexpr int kNoPaperColumn = 1;
    static constexpr int kCellSize = 16;

    // Takes over control `id` of `page` and loads the lamp strip.
    bool Bind(const CWnd& page, int id);
    // Shows cell (row, column) at once.
    void SetCell(int row, int column);
    int Column() const { return column_; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Draw(HDC dc) const;

    GdiObject<HBITMAP> lamps_;
    int row_ = 0;
    int column_ = kNoPaperColumn;
};
