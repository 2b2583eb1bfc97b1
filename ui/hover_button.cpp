#include "ui/hover_button.h"

#include "framework/dialog.h"
#include "framework/memory_dc.h"

#include <commctrl.h>

namespace {
// BS_OWNERDRAW; any of its bits marks a button type that is drawn apart
// from the plain push button.
constexpr LONG kOwnerDrawBits = 0x0B;
constexpr LONG kStyleLowByte = 0xFF;

// The bytes of RAW resource `id` in `module`; null when it is missing or no
// longer than its header.
const void* RawResource(HMODULE module, UINT id, size_t* size) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), "RAW");
    if (!found) return nullptr;
    const DWORD bytes = SizeofResource(module, found);
    if (bytes <= kRawHeaderSize) return nullptr;
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data) *size = bytes;
    return data;
}
}  // namespace

CHoverButtonEx::~CHoverButtonEx() {
    if (HWND hwnd = GetSafeHwnd()) COwnerDrawn::Bind(hwnd, nullptr);
    tooltip_.Destroy();
}

bool CHoverButtonEx::Bind(const CWnd& dialog, int id) {
    HWND parent = dialog.GetSafeHwnd();
    HWND item = parent ? GetDlgItem(parent, id) : nullptr;
    if (!item || !Subclass(item)) return false;
    COwnerDrawn::Bind(item, this);
    return true;
}

bool CHoverButtonEx::LoadFromRaw(UINT resourceId, float scale) {
    size_t size = 0;
    const void* data = RawResource(ResourceModule(), resourceId, &size);
    RawImageInfo image;
    if (!data || !ParseRawImage(data, size, &image)) return false;
    RawStrip strip;
    if (!ScaleRawImage(image, scale, &strip)) return false;
    strip_ = std::move(strip);
    // A new strip holds unblended pixels whatever was drawn before.
    blended_ = false;

    HWND hwnd = GetSafeHwnd();
    if (!hwnd) return true;  // only drawn into another control
    ApplyRegion();
    SetWindowPos(hwnd, nullptr, 0, 0, strip_.FrameWidth, strip_.Height, SWP_NOMOVE | SWP_NOOWNERZORDER);
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    if ((style & kOwnerDrawBits) == 0)
        SendMessageA(hwnd, BM_SETSTYLE, static_cast<WPARAM>((style & kStyleLowByte) | BS_OWNERDRAW), TRUE);
    return true;
}

void CHoverButtonEx::ApplyRegion() {
    GdiObject<HRGN> ellipse(CreateEllipticRgn(0, 0, strip_.FrameWidth, strip_.Height));
    if (!ellipse) return;
    GdiObject<HRGN> copy(CreateRectRgn(0, 0, 0, 0));
    if (copy && CombineRgn(copy.Get(), ellipse.Get(), nullptr, RGN_COPY) != ERROR) region_ = std::move(copy);
    // The window owns the region it is given.
    if (SetWindowRgn(GetSafeHwnd(), ellipse.Get(), FALSE)) ellipse.Release();
}

void CHoverButtonEx::SetTooltipText(const std::string& text, bool activate) {
    tooltip_.SetText(GetSafeHwnd(), text, activate);
}

void CHoverButtonEx::DrawItem(const DRAWITEMSTRUCT& item) {
    if (!(item.itemAction & ODA_DRAWENTIRE)) return;
    if (!HasImage()) {
        // No picture: the button shows as the push button of its template.
        const LONG style = GetWindowLongA(item.hwndItem, GWL_STYLE);
        if (style & kOwnerDrawBits)
            SendMessageA(item.hwndItem, BM_SETSTYLE, static_cast<WPARAM>(style & 0xF4), TRUE);
        return;
    }
    // What the screen shows behind the button now is what the picture's
    // transparent parts show from now on, unless a background was given.
    if (!blended_) BlendOnto(item.hDC, 0, 0);
    if (!blended_) return;
    const int width = strip_.FrameWidth;
    const int height = strip_.Height;
    const int frame = FrameForState(item.itemState, tooltip_.Hovering(), strip_.Frames);
    const BitmapInfoHeader header = StripInfoHeader(strip_);
    SetDIBitsToDevice(item.hDC, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), frame * width, 0, 0,
                      static_cast<UINT>(height), strip_.Pixels.get(), reinterpret_cast<const BITMAPINFO*>(&header),
                      DIB_RGB_COLORS);
}

bool CHoverButtonEx::BlendOnto(HDC source, int x, int y) {
    if (!HasImage() || blended_) return false;
    const int width = strip_.FrameWidth;
    const int height = strip_.Height;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiObject<HBITMAP> background(CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    CMemoryDC memory(source);
    if (!background || !bits || !memory || !memory.Select(background.Get())) return false;
    if (!BitBlt(memory.Get(), 0, 0, width, height, source, x, y, SRCCOPY)) return false;
    GdiFlush();
    BlendStrip(&strip_, static_cast<const DibPixel*>(bits));
    blended_ = true;
    return true;
}

bool CHoverButtonEx::PreTranslateMessage(MSG& message) {
    tooltip_.Relay(message);
    return false;
}

LRESULT CHoverButtonEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (tooltip_.OnMouseMessage(GetSafeHwnd(), message, result)) return result;
    switch (message) {
    case WM_ERASEBKGND:
        // The picture covers the button; its transparent parts show the page.
        return TRUE;
    case WM_RBUTTONDOWN: {
        HWND hwnd = GetSafeHwnd();
        NMHDR header = {};
        header.hwndFrom = hwnd;
        header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
        header.code = NM_RCLICK;
        return SendMessageA(GetParent(hwnd), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    }
    case WM_DESTROY:
        tooltip_.Destroy();
        break;
    default:
        break;
    }
    return Default(message, wParam, lParam);
}
