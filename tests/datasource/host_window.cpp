#include "tests/datasource/host_window.h"

namespace {
const char kClassName[] = "TavixTestApplicationWindow";

void RegisterClassOnce(WNDPROC procedure) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    registered = RegisterClassA(&windowClass) != 0;
}
}  // namespace

HostWindow::HostWindow() : notifyMessage_(RegisterWindowMessageA("Tavix Scanner_TWAIN")) {
    RegisterClassOnce(WindowProc);
    hwnd_ = CreateWindowExA(0, kClassName, "Test application", WS_OVERLAPPEDWINDOW, 0, 0, 320, 200,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (hwnd_) SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

HostWindow::~HostWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK HostWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && message == self->notifyMessage_) {
        self->dispatched_.push_back(wParam);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

std::vector<WPARAM> HostWindow::TakeNotifications() {
    std::vector<WPARAM> codes;
    codes.swap(dispatched_);
    MSG message;
    while (NextQueuedNotification(message)) codes.push_back(message.wParam);
    return codes;
}

bool HostWindow::NextQueuedNotification(MSG& message) {
    return PeekMessageA(&message, hwnd_, notifyMessage_, notifyMessage_, PM_REMOVE) != FALSE;
}
