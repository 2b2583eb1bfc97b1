// An event that waits for either itself or one other handle.
#pragma once

#include "setup/os_event.h"

class MultiWaitEvent : public OSEvent {
public:
    enum WaitResult : int {
        kOwnEventSet = 0,
        kOtherSignalled = 1,
        kTimedOut = -1,
        kNotCreated = -3,
        kWaitFailed = -4,
    };

    virtual int Wait(HANDLE other, DWORD timeoutMs);
};
