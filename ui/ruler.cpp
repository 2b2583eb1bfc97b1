#include "ui/ruler.h"

#include "framework/gdi_object.h"
#include "framework/paint_dc.h"
#include "framework/selected_object.h"
#include "ui/ruler_scale.h"

#include <cstdio>

bool Ruler::Bind(const CWnd& page, int id) {
    HWND parent = page.GetSafeHwnd();
    HWND control = parent ? GetDlgItem(parent, id) : nullptr;
    return control && Subclass(control);
}

void Ruler::SetView(int unit, int zoom, int offsetX, int offsetY) {
    unit_ = unit;
    zoom_ = zoom;
    offsetX_ = offsetX;
    offsetY_ = offsetY;
    if (HWND hwnd = GetSafeHwnd()) InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT Ruler::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            CPaintDC dc(GetSafeHwnd());
            if (dc) Paint(dc.Get());
            return 0;
        }
        case WM_HELP:
            return SendMessageA(GetParent(GetSafeHwnd()), WM_HELP, wParam, lParam);
        default:
            return Default(message, wParam, lParam);
    }
}

void Ruler::Paint(HDC dc) const {
    RECT client;
    GetClientRect(GetSafeHwnd(), &client);
    const bool vertical = client.right - client.left <= client.bottom - client.top;
    const int length = vertical ? client.bottom : client.right;
    const int thickness = vertical ? client.right : client.bottom;

    GdiObject<HBRUSH> silver(CreateSolidBrush(RGB(192, 192, 192)));
    GdiObject<HPEN> white(CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
    CSelectedObject brush(dc, silver.Get());
    CSelectedObject pen(dc, GetStockObject(BLACK_PEN));
    CSelectedObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
    SetBkMode(dc, TRANSPARENT);

    const std::vector<RulerMark> marks =
        RulerMarks(unit_, vertical, zoom_, vertical ? offsetY_ : offsetX_, length);
    // Twice for a raised look: black marks and white numbers, then white
    // marks and black numbers one pixel further on.
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) SelectObject(dc, white.Get());
        SetTextColor(dc, pass == 0 ? RGB(255, 255, 255) : RGB(0, 0, 0));
        for (const RulerMark& mark : marks) {
            const int at = mark.position + pass;
            const int from = mark.longMark ? thickness / 2 : thickness * 3 / 4;
            if (vertical)
                DrawLine(dc, from, at, thickness, at);
            else
                DrawLine(dc, at, from, at, thickness);
            if (!RulerNumberFits(unit_, mark, length)) continue;
            char number[16];
            const int count = snprintf(number, sizeof number, "%2d", mark.number);
            const int numberAt = RulerNumberPosition(unit_, mark) + pass;
            if (vertical)
                TextOutA(dc, 1 + pass, numberAt, number, count);
            else
                TextOutA(dc, numberAt, 1 + pass, number, count);
        }
    }
}
