#include "setup/multi_wait_event.h"

int MultiWaitEvent::Wait(HANDLE other, DWORD timeoutMs) {
    if (Handle() == nullptr) return kNotCreated;
    const HANDLE handles[2] = {Handle(), other};
    switch (WaitForMultipleObjects(2, handles, FALSE, timeoutMs)) {
        case WAIT_OBJECT_0: return kOwnEventSet;
        case WAIT_OBJECT_0 + 1: return kOtherSignalled;
        case WAIT_TIMEOUT: return kTimedOut;
        default: return kWaitFailed;
    }
}
