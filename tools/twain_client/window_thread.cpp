#include "tools/twain_client/window_thread.h"

#include "framework/handles.h"

namespace {
const char kWindowClass[] = "TavixTwainClientOtherThread";
}  // namespace

WindowThread::WindowThread() {
    UniqueHandle ready(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!ready) return;
    thread_ = std::thread(&WindowThread::Run, this, ready.Get());
    WaitForSingleObject(ready.Get(), INFINITE);
}

WindowThread::~WindowThread() {
    if (!thread_.joinable()) return;
    if (threadId_) PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
}

void WindowThread::Run(HANDLE ready) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kWindowClass;
    RegisterClassA(&wc);
    window_ = CreateWindowA(kWindowClass, "tavix-twain other thread", WS_OVERLAPPEDWINDOW, 0, 0, 10,
                            10, nullptr, nullptr, wc.hInstance, nullptr);
    // The queue exists once a window does; WM_QUIT can be posted from here on.
    threadId_ = GetCurrentThreadId();
    SetEvent(ready);
    if (!window_) return;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    DestroyWindow(window_);
}
