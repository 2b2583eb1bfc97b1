#include "setup/os_thread.h"

#include "framework/handles.h"

#include <process.h>

namespace {
// Enough for the waiting thread, which only waits and posts one message.
constexpr unsigned kStackSize = 2048;
}

OSThread::~OSThread() { CloseThreadHandle(); }

bool OSThread::Start(UINT_PTR argument) {
    if (thread_ != nullptr) return false;
    argument_ = argument;
    unsigned id = 0;
    // Default security of the process: the thread is not open to other
    // processes, which matters when the installer runs elevated. It starts
    // suspended so that its handle is stored before Run can close it.
    const uintptr_t handle =
        _beginthreadex(nullptr, kStackSize, &OSThread::StartRoutine, this, CREATE_SUSPENDED, &id);
    if (handle == 0) return false;
    thread_ = reinterpret_cast<HANDLE>(handle);
    threadId_ = id;
    ResumeThread(reinterpret_cast<HANDLE>(handle));
    return true;
}

void OSThread::CloseThreadHandle() {
    // Whoever takes it first closes it, as this owner goes.
    const UniqueHandle taken(InterlockedExchangePointer(&thread_, nullptr));
}

unsigned __stdcall OSThread::StartRoutine(void* self) {
    OSThread* const thread = static_cast<OSThread*>(self);
    try {
        return thread->Run(thread->argument_);
    } catch (...) {
        return kRunFailed;
    }
}
