#include "ui/transparent_picture.h"

#include "framework/client_dc.h"
#include "framework/dialog.h"
#include "framework/memory_dc.h"

bool TransparentPicture::Bind(const CWnd& dialog, int id) {
    HWND parent = dialog.GetSafeHwnd();
    HWND control = parent ? GetDlgItem(parent, id) : nullptr;
    return control && Subclass(control);
}

bool TransparentPicture::SetBitmap(UINT id) {
    const bool hadBitmap = static_cast<bool>(bitmap_);
    bitmap_.Reset();
    width_ = 0;
    height_ = 0;
    id_ = 0;
    HWND hwnd = GetSafeHwnd();
    if (id == 0) {
        // The old picture must not stay on the screen: let the parent paint
        // what lies behind the control.
        if (hwnd && hadBitmap) {
            RECT rect = {};
            GetWindowRect(hwnd, &rect);
            MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
            InvalidateRect(GetParent(hwnd), &rect, TRUE);
        }
        return true;
    }
    bitmap_.Reset(static_cast<HBITMAP>(
        LoadImageA(ResourceModule(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0)));
    BITMAP info = {};
    if (!bitmap_ || !GetObjectA(bitmap_.Get(), sizeof info, &info)) {
        bitmap_.Reset();
        return false;
    }
    width_ = info.bmWidth;
    height_ = info.bmHeight;
    id_ = id;
    if (hwnd) {
        SetWindowPos(hwnd, nullptr, 0, 0, width_, height_,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
        CClientDC dc(hwnd);
        if (dc) Draw(dc.Get());
    }
    return true;
}

void TransparentPicture::Draw(HDC dc) const {
    if (!bitmap_ || width_ <= 0 || height_ <= 0) return;
    // What the control shows now is the background the magenta pixels let
    // through: background = ((background ^ picture) & mask) ^ picture, with
    // the mask white where the picture is magenta.
    GdiObject<HBITMAP> background(CreateCompatibleBitmap(dc, width_, height_));
    GdiObject<HBITMAP> mask(CreateBitmap(width_, height_, 1, 1, nullptr));
    if (!background || !mask) return;
    CMemoryDC picture(dc), result(dc), maskDc(dc);
    if (!picture.Select(bitmap_.Get()) || !result.Select(background.Get()) ||
        !maskDc.Select(mask.Get()))
        return;

    BitBlt(result.Get(), 0, 0, width_, height_, dc, 0, 0, SRCCOPY);
    SetBkColor(picture.Get(), kTransparentColour);
    BitBlt(maskDc.Get(), 0, 0, width_, height_, picture.Get(), 0, 0, SRCCOPY);

    BitBlt(result.Get(), 0, 0, width_, height_, picture.Get(), 0, 0, SRCINVERT);
    // A monochrome source turns into the destination's background colour
    // (its 1 bits) and text colour (its 0 bits).
    SetBkColor(result.Get(), RGB(255, 255, 255));
    SetTextColor(result.Get(), RGB(0, 0, 0));
    BitBlt(result.Get(), 0, 0, width_, height_, maskDc.Get(), 0, 0, SRCAND);
    BitBlt(result.Get(), 0, 0, width_, height_, picture.Get(), 0, 0, SRCINVERT);

    BitBlt(dc, 0, 0, width_, height_, result.Get(), 0, 0, SRCCOPY);
}

LRESULT TransparentPicture::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        // Without a picture nothing is drawn: the parent's background shows.
        if (wParam) {
            Draw(reinterpret_cast<HDC>(wParam));
            return 0;
        }
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(GetSafeHwnd(), &paint);
        if (dc) Draw(dc);
        EndPaint(GetSafeHwnd(), &paint);
        return 0;
    }
    default:
        return Default(message, wParam, lParam);
    }
}
