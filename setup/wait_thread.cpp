#include "setup/wait_thread.h"

WaitThread::~WaitThread() {
    // Releases a thread that still waits; it then notifies its window.
    if (stop_.Exists()) {
        stop_.Set();
        stop_.Close();
    }
}

unsigned WaitThread::Run(UINT_PTR processHandle) {
    // Without the stop event the wait fails at once and the window is told
    // straight away rather than never.
    stop_.Create();
    stop_.Wait(reinterpret_cast<HANDLE>(processHandle), INFINITE);
    CloseThreadHandle();
    if (notify_ != nullptr) PostMessageA(notify_, WM_CLOSE, 0, 0);
    return 0;
}
