#include "tests/datasource/progress_window_finder.h"

namespace {

constexpr int kProgressBarId = 1110;

BOOL CALLBACK FindVisibleProgress(HWND hwnd, LPARAM param) {
    char className[32] = {};
    GetClassNameA(hwnd, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
    if (!GetDlgItem(hwnd, kProgressBarId) || !GetDlgItem(hwnd, IDCANCEL)) return TRUE;
    *reinterpret_cast<HWND*>(param) = hwnd;
    return FALSE;
}

WhenProgressShows* running = nullptr;

}  // namespace

HWND FindProgressWindow() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindVisibleProgress, reinterpret_cast<LPARAM>(&found));
    return found;
}

void PressCancel(HWND window) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, IDCANCEL)));
}

WhenProgressShows::WhenProgressShows(std::function<void(HWND)> action) : action_(std::move(action)) {
    running = this;
    timer_ = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, Tick);
}

WhenProgressShows::~WhenProgressShows() {
    if (timer_) KillTimer(nullptr, timer_);
    running = nullptr;
}

void CALLBACK WhenProgressShows::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!running || running->pressed_) return;
    if (HWND window = FindProgressWindow()) {
        running->pressed_ = window;
        running->action_(window);
    }
}
