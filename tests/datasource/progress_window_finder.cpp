#include "tests/datasource/progress_window_finder.h"

#include "support/dialog_finder.h"

namespace {

WhenProgressShows* running = nullptr;

}  // namespace

HWND FindProgressWindow() {
    DialogSearch search;
    search.threadId = GetCurrentThreadId();
    search.kind = DialogKind::ProgressWindow;
    return FindDialog(search);
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
