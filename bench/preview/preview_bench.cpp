// tavix-preview-bench: what the preview of the Custom Settings page costs.
// A 75 dpi Letter preview (638 x 825) is drawn into the off-screen bitmap
// after a tone slider move and after a zoom step, and compared in the same
// run with a plain copy of that bitmap onto the window, which is all that a
// repaint or a frame drag costs. It asserts no timings.
//
//   tavix-preview-bench [--quick]
#include "bench/file_aside.h"
#include "bench/stopwatch.h"
#include "engine/bitmap_file.h"
#include "engine/pixel_rows.h"
#include "engine/scan_settings.h"
#include "engine/scanner_io.h"
#include "framework/client_dc.h"
#include "framework/win_app.h"
#include "ui/preview_window.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int32_t kPreviewWidth = 638;
constexpr int32_t kPreviewHeight = 825;
constexpr int kPreviewDpi = 75;
// The preview window's client size on the page.
constexpr int kWindowWidth = 254;
constexpr int kWindowHeight = 392;

// A page-like picture: text-like gray noise with colour bands.
bool WritePreview(const std::string& path) {
    if (CreateBitmapFile(path.c_str(), 24, kPreviewDpi, kPreviewWidth, kPreviewHeight) !=
        kBitmapWritten)
        return false;
    const int32_t stride = BytesPerLine(24, kPreviewWidth);
    std::vector<uint8_t> rows(size_t(stride) * kPreviewHeight);
    uint32_t noise = 12345;
    for (int32_t y = 0; y < kPreviewHeight; ++y)
        for (int32_t x = 0; x < kPreviewWidth; ++x) {
            noise = noise * 1103515245u + 12345u;
            uint8_t* p = &rows[size_t(y) * stride + size_t(x) * 3];
            p[0] = static_cast<uint8_t>(noise >> 24);
            p[1] = static_cast<uint8_t>(y * 255 / kPreviewHeight);
            p[2] = static_cast<uint8_t>(x * 255 / kPreviewWidth);
        }
    // The rows take the place the file keeps for them after its headers.
    FILE* file = std::fopen(path.c_str(), "r+b");
    if (!file) return false;
    const bool ok = std::fseek(file, static_cast<long>(BitmapHeaderBytes(24)), SEEK_SET) == 0 &&
                    std::fwrite(rows.data(), rows.size(), 1, file) == 1;
    return std::fclose(file) == 0 && ok;
}

std::string ModuleFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

template <typename Step>
double MillisecondsPer(int count, Step step) {
    Stopwatch watch;
    for (int i = 0; i < count; ++i) step(i);
    return watch.Seconds() * 1000.0 / count;
}

}  // namespace

int main(int argc, char** argv) {
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    if (argc > 2 || (argc == 2 && !quick)) {
        std::fprintf(stderr, "usage: tavix-preview-bench [--quick]\n");
        return 2;
    }
    const int count = quick ? 10 : 200;

    CWinApp app;
    app.SetModuleHandle(GetModuleHandleA(nullptr));
    ScannerIo io;
    // The scanner library's tone curve, as the data source uses it; without
    // one the preview takes the identity.
    const bool library = io.Load((ModuleFolder() + "scanner\\BRSVIO.DLL").c_str()) ||
                         io.Load((ModuleFolder() + "BRSVIO.DLL").c_str());

    const std::string path = PreviewFilePath();
    FileAside aside(path);  // the user's own preview
    if (!WritePreview(path)) {
        std::fprintf(stderr, "tavix-preview-bench: cannot write %s\n", path.c_str());
        return 1;
    }

    HWND parent = CreateWindowExA(0, "STATIC", "preview bench", WS_POPUP | WS_VISIBLE, 0, 0,
                                  kWindowWidth + 40, kWindowHeight + 40, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    HWND frame = CreateWindowExA(0, "STATIC", "", WS_CHILD, 20, 20, kWindowWidth, kWindowHeight,
                                 parent, reinterpret_cast<HMENU>(1025), GetModuleHandleA(nullptr),
                                 nullptr);
    ScanSettings settings = {};
    settings.ScanMode = kScanModeColor;
    settings.DPI = 300;
    settings.Gamma = 18;
    settings.Highlight = 255;
    settings.Bottom = 1100;
    settings.Right = 850;
    int result = 0;
    {
        PreviewWindow preview(settings, io);
        if (!frame || !preview.CreateOver(parent, 1025, 1048)) {
            std::fprintf(stderr, "tavix-preview-bench: no preview window\n");
            DestroyWindow(parent);
            return 1;
        }
        preview.SetGeometry();
        preview.SetMode(kPreviewRangeMode);
        UpdateWindow(preview.GetSafeHwnd());
        Pump();
        if (!preview.HasImage() || !preview.OffscreenDC()) {
            std::fprintf(stderr, "tavix-preview-bench: the preview shows no image\n");
            DestroyWindow(parent);
            return 1;
        }
        const HWND window = preview.GetSafeHwnd();

        const double slider = MillisecondsPer(count, [&](int i) {
            settings.Brightness = static_cast<int16_t>(i % 2 ? 20 : -20);
            preview.Refresh(kRefreshAfterTone);
            GdiFlush();
        });
        const double zoom = MillisecondsPer(count, [&](int i) {
            preview.ZoomBy(i % 2 ? -1 : +1);
            GdiFlush();
        });
        preview.SetMode(kPreviewRangeMode);
        const double copy = MillisecondsPer(count, [&](int) {
            CClientDC dc(window);
            BitBlt(dc.Get(), 0, 0, kWindowWidth, kWindowHeight, preview.OffscreenDC(), 0, 0,
                   SRCCOPY);
            GdiFlush();
        });
        // A frame drag: mouse moves and the repaints they ask for.
        settings.Bottom = 50;
        settings.Right = 50;
        preview.Refresh(kRefreshAfterFrame);
        const int rendersBefore = preview.RenderCount();
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
        const double drag = MillisecondsPer(count, [&](int i) {
            SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150 + i % 80, 200 + i % 150));
            UpdateWindow(window);
            GdiFlush();
        });
        SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(200, 300));
        const int dragRenders = preview.RenderCount() - rendersBefore;

        std::printf("Preview of a %d dpi Letter page (%d x %d) on %d x %d pixels, %d runs each%s\n",
                    kPreviewDpi, kPreviewWidth, kPreviewHeight, kWindowWidth, kWindowHeight, count,
                    library ? "" : " (no scanner library: identity tone table)");
        std::printf("  %-26s %8s %10s\n", "", "ms", "x copy");
        std::printf("  %-26s %8.3f %10.2f\n", "re-render after a slider", slider, slider / copy);
        std::printf("  %-26s %8.3f %10.2f\n", "re-render after a zoom", zoom, zoom / copy);
        std::printf("  %-26s %8.3f %10.2f\n", "copy of the bitmap", copy, 1.0);
        std::printf("  %-26s %8.3f %10.2f  %d re-renders\n", "frame drag step", drag, drag / copy,
                    dragRenders);
        const bool met = slider < 16.0 && zoom < 16.0 && dragRenders == 0;
        std::printf("target: a re-render under 16 ms, no re-render while dragging: %s\n",
                    met ? "met" : "missed");
    }
    DestroyWindow(parent);
    return result;
}
