// A Windows thread whose body is the virtual Run of a subclass.
#pragma once

#include "setup/os_object.h"

#include <windows.h>

#include <cstdint>

class OSThread : public OSObject {
public:
    OSThread() = default;
    virtual ~OSThread();
    OSThread(const OSThread&) = delete;
    OSThread& operator=(const OSThread&) = delete;

    // False if a thread already runs or cannot be created.
    bool Start(UINT_PTR argument);
    // The thread's body; its result is the thread's exit code. An exception
    // that leaves it ends the thread with kRunFailed instead of the process.
    virtual unsigned Run(UINT_PTR argument) = 0;
    static constexpr unsigned kRunFailed = 0xFFFFFFFFu;

    std::uint32_t ThreadId() const { return threadId_; }

protected:
    // Closes the thread handle once, whichever of the thread and its owner
    // gets there first.
    void CloseThreadHandle();

private:
    static unsigned __stdcall StartRoutine(void* self);

    // Not a UniqueHandle: the thread and its owner may close it at the same
    // time, so it is taken over by an atomic exchange.
    HANDLE thread_ = nullptr;
    std::uint32_t threadId_ = 0;
    UINT_PTR argument_ = 0;
};
