#include "ui/sensor_light.h"

#include "framework/client_dc.h"
#include "framework/dialog.h"
#include "framework/memory_dc.h"
#include "framework/paint_dc.h"
#include "resources/artwork_ids.h"

namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);

// The brush the page paints its static controls' background with.
HBRUSH BackgroundBrush(HWND control, HDC dc) {
    HWND parent = GetParent(control);
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(control)));
    return brush ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace

bool SensorLight::Bind(const CWnd& page, int id) {
    HWND parent = page.GetSafeHwnd();
    HWND control = parent ? GetDlgItem(parent, id) : nullptr;
    if (!control || !Subclass(control)) return false;
    lamps_.Reset(static_cast<HBITMAP>(LoadImageA(ResourceModule(),
                                                 MAKEINTRESOURCEA(IDB_SENSOR_LAMPS),
                                                 IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return true;
}

void SensorLight::SetCell(int row, int column) {
    row_ = row;
    column_ = column;
    HWND hwnd = GetSafeHwnd();
    if (!hwnd) return;
    CClientDC dc(hwnd);
    if (dc) Draw(dc.Get());
}

LRESULT SensorLight::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            CPaintDC dc(GetSafeHwnd());
            if (dc) Draw(dc.Get());
            return 0;
        }
        default:
            return Default(message, wParam, lParam);
    }
}

void SensorLight::Draw(HDC dc) const {
    const int size = kCellSize;
    GdiObject<HBITMAP> backgroundBitmap(CreateCompatibleBitmap(dc, size, size));
    CMemoryDC background(dc);
    if (!background || !background.Select(backgroundBitmap.Get())) return;
    RECT cell = {0, 0, size, size};
    FillRect(background.Get(), &cell, BackgroundBrush(GetSafeHwnd(), dc));
    if (lamps_) {
        CMemoryDC strip(dc);
        strip.Select(lamps_.Get());
        // The mask: set where the cell is magenta.
        GdiObject<HBITMAP> maskBitmap(CreateBitmap(size, size, 1, 1, nullptr));
        CMemoryDC mask(dc);
        if (strip && mask && mask.Select(maskBitmap.Get())) {
            const int x = column_ * size, y = row_ * size;
            SetBkColor(strip.Get(), kTransparent);
            BitBlt(mask.Get(), 0, 0, size, size, strip.Get(), x, y, SRCCOPY);
            // ((background ^ cell) & mask) ^ cell: the cell where it is not magenta.
            SetBkColor(background.Get(), RGB(255, 255, 255));
            SetTextColor(background.Get(), RGB(0, 0, 0));
            BitBlt(background.Get(), 0, 0, size, size, strip.Get(), x, y, SRCINVERT);
            BitBlt(background.Get(), 0, 0, size, size, mask.Get(), 0, 0, SRCAND);
            BitBlt(background.Get(), 0, 0, size, size, strip.Get(), x, y, SRCINVERT);
        }
    }
    BitBlt(dc, 0, 0, size, size, background.Get(), 0, 0, SRCCOPY);
}
