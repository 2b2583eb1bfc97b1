#include "progress_test_support.h"

namespace {

constexpr const char* kClass = "TavixUiTestCounter";

LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, GetWindowLongPtrA(hwnd, GWLP_USERDATA) + 1);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

CountingWindow::CountingWindow() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
    hwnd_ = CreateWindowExA(0, kClass, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
}

CountingWindow::~CountingWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void CountingWindow::Post(int messages) const {
    for (int i = 0; i < messages; ++i) PostMessageA(hwnd_, WM_APP, 0, 0);
}

int CountingWindow::Received() const {
    return hwnd_ ? static_cast<int>(GetWindowLongPtrA(hwnd_, GWLP_USERDATA)) : -1;
}

bool MessageWaiting(UINT message) {
    MSG msg;
    return PeekMessageA(&msg, nullptr, message, message, PM_NOREMOVE) != FALSE;
}
