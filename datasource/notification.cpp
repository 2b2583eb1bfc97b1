#include "datasource/notification.h"

void Notifier::Aim(HWND window) {
    window_ = window;
    thread_ = GetCurrentThreadId();
}

void Notifier::Post(TW_UINT16 code) {
    if (messageId_ == 0) messageId_ = RegisterWindowMessageA("Tavix Scanner_TWAIN");
    if (messageId_ == 0) return;
    const DWORD thread = thread_ ? thread_ : GetCurrentThreadId();
    // A window destroyed since the enable can take nothing more.
    if (window_ && IsWindow(window_) && GetWindowThreadProcessId(window_, nullptr) == thread &&
        PostMessageA(window_, messageId_, code, 0))
        return;
    PostThreadMessageA(thread, messageId_, code, 0);
}

void Notifier::DropQueued() const {
    if (messageId_ == 0) return;
    MSG message;
    while (PeekMessageA(&message, nullptr, messageId_, messageId_, PM_REMOVE | PM_NOYIELD)) {
    }
}
