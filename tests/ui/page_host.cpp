#include "page_host.h"

#include "framework/gdi_object.h"

namespace {
constexpr UINT kRunScript = WM_APP + 40;
constexpr UINT_PTR kTimeoutTimer = 0x7A57;
}  // namespace

INT_PTR PageHost::Run(CPropertyPage& page, std::function<bool(HWND)> script, UINT timeoutMs) {
    script_ = std::move(script);
    timeoutMs_ = timeoutMs;
    AddPage(&page);
    return DoModal();
}

void PageHost::OnInitialized() {
    // Posted: the page is made after this, and painted before the loop
    // looks at the message.
    PostMessageA(GetSafeHwnd(), kRunScript, 0, 0);
    SetTimer(GetSafeHwnd(), kTimeoutTimer, timeoutMs_, nullptr);
}

LRESULT PageHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kRunScript: {
        HWND page = PropSheet_GetCurrentPageHwnd(GetSafeHwnd());
        PaintNow(GetSafeHwnd());
        if (script_ && script_(page)) EndDialog(kEndedByScript);
        return 0;
    }
    case WM_TIMER:
        if (wParam != kTimeoutTimer) break;
        KillTimer(GetSafeHwnd(), kTimeoutTimer);
        EndDialog(kTimedOut);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            EndDialog(kEndedByOk);
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(kEndedByCancel);
            return 0;
        }
        break;
    default:
        break;
    }
    return CPropertySheet::WindowProc(message, wParam, lParam);
}

void PaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    // Wine puts what was drawn on the screen when the thread looks for messages.
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    GdiFlush();
}

ScreenPixels ReadScreen(const RECT& rect) {
    ScreenPixels pixels;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return pixels;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    GdiObject<HBITMAP> bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    HDC memory = CreateCompatibleDC(screen);
    bool copied = false;
    if (bitmap && memory) {
        HGDIOBJ previous = SelectObject(memory, bitmap.Get());
        copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY) != FALSE;
        GdiFlush();
        SelectObject(memory, previous);
    }
    if (memory) DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!copied || !bits) return pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.bgr.resize(static_cast<size_t>(width) * height * 3);
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    const auto* source = static_cast<const uint8_t*>(bits);
    for (int y = 0; y < height; ++y)
        std::copy(source + y * stride, source + y * stride + width * 3,
                  pixels.bgr.begin() + static_cast<ptrdiff_t>(y) * width * 3);
    return pixels;
}

RECT ClientOnScreen(HWND control) {
    RECT rect = {};
    GetClientRect(control, &rect);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
