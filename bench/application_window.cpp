#include "bench/application_window.h"

namespace {

const char kClassName[] = "TavixBenchApplication";

bool RegisterClassOnce() {
    static bool registered = false;
    if (registered) return true;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    registered = RegisterClassA(&windowClass) != 0;
    return registered;
}

}  // namespace

ApplicationWindow::ApplicationWindow()
    : notifyMessage_(RegisterWindowMessageA("Tavix Scanner_TWAIN")) {
    if (!RegisterClassOnce()) return;
    hwnd_ = CreateWindowExA(0, kClassName, "Tavix bench application", WS_OVERLAPPEDWINDOW, 0, 0,
                            320, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

ApplicationWindow::~ApplicationWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void ApplicationWindow::Activate() {
    if (hwnd_) SetForegroundWindow(hwnd_);
}

bool ApplicationWindow::TakeNotification(WPARAM& code) {
    MSG message;
    if (!hwnd_ || notifyMessage_ == 0 ||
        !PeekMessageA(&message, hwnd_, notifyMessage_, notifyMessage_, PM_REMOVE))
        return false;
    code = message.wParam;
    return true;
}
