// Waits in the background for a process to end, then posts WM_CLOSE to a
// window, so that the main thread can keep pumping messages meanwhile.
#pragma once

#include "setup/multi_wait_event.h"
#include "setup/os_thread.h"

class WaitThread : public OSThread {
public:
    WaitThread() = default;
    ~WaitThread() override;

    // Set before Start; may stay null.
    void SetNotifyWindow(HWND window) { notify_ = window; }
    // The argument is the handle of the process to wait for.
    unsigned Run(UINT_PTR processHandle) override;

private:
    HWND notify_ = nullptr;
    MultiWaitEvent stop_;
};
