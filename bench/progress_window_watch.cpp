#include "bench/progress_window_watch.h"

#include "resources/progress_window_ids.h"

namespace {

// The hook procedure has no context of its own; one watch per thread.
thread_local ProgressWindowWatch* watch = nullptr;

}  // namespace

ProgressWindowWatch::ProgressWindowWatch() {
    if (watch) return;
    hook_ = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
    if (hook_) watch = this;
}

ProgressWindowWatch::~ProgressWindowWatch() {
    if (!hook_) return;
    UnhookWindowsHookEx(hook_);
    watch = nullptr;
}

void ProgressWindowWatch::Destroying(HWND window) {
    if (!IsWindowVisible(window) || !GetDlgItem(window, IDC_PROGRESS_BAR)) return;
    if (GetDlgItem(window, IDC_THUMBNAIL_FRAME))
        ++thumbnails_;
    else
        ++bars_;
}

LRESULT CALLBACK ProgressWindowWatch::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_DESTROYWND && watch) watch->Destroying(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
