#include "tests/datasource/message_box_probe.h"

#include "support/dialog_finder.h"
#include "support/png_file.h"

#include <chrono>

namespace {

BOOL CALLBACK FindIcon(HWND child, LPARAM param) {
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") != 0) return TRUE;
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) return TRUE;
    auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    if (!icon) return TRUE;
    *reinterpret_cast<HICON*>(param) = icon;
    return FALSE;
}

}  // namespace

MessageBoxProbe::MessageBoxProbe(std::string picturePath)
    : picturePath_(std::move(picturePath)), thread_([this] { Run(); }) {}

MessageBoxProbe::~MessageBoxProbe() { Finish(); }

void MessageBoxProbe::Finish() {
    if (thread_.joinable()) thread_.join();
}

void MessageBoxProbe::Run() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        const HWND box = FindDialog();
        if (!box) {
            Sleep(20);
            continue;
        }
        // Let the box finish laying itself out and drawing.
        Sleep(200);
        HICON icon = nullptr;
        EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&icon));
        icon_ = icon;
        if (!picturePath_.empty()) SaveWindowPng(box, picturePath_);
        seen_ = true;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return;
    }
}
