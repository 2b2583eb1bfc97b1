// The thread and event layer that setup waits for msiexec with.
#include "framework/handles.h"
#include "setup/multi_wait_event.h"
#include "setup/wait_thread.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace {

// A process that has ended by the time the test looks at it.
HANDLE EndedProcess() {
    char line[] = "cmd.exe /c exit 0";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &info)) {
        return nullptr;
    }
    CloseHandle(info.hThread);
    WaitForSingleObject(info.hProcess, 30000);
    return info.hProcess;
}

// The object of a thread must outlive it: Run still reads its members.
void WaitForThreadEnd(std::uint32_t id) {
    const HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, id);
    if (thread == nullptr) return;  // already gone
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
}

// A window of this thread that counts the WM_CLOSE messages it receives.
class CloseCounter {
public:
    CloseCounter() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = &CloseCounter::Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "TavixCloseCounter";
        RegisterClassA(&windowClass);
        window_ = CreateWindowA("TavixCloseCounter", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~CloseCounter() { DestroyWindow(window_); }
    HWND Window() const { return window_; }
    int Closes() const { return closes_; }
    // Pumps this thread's messages until the count of WM_CLOSE reaches the
    // given one or the time is up.
    bool WaitForClose(DWORD timeoutMs, int count = 1) {
        const DWORD start = GetTickCount();
        while (closes_ < count && GetTickCount() - start < timeoutMs) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        }
        return closes_ >= count;
    }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<CloseCounter*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (message == WM_CLOSE && self != nullptr) {
            ++self->closes_;
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    int closes_ = 0;
};

// A thread whose body reports the argument it was given.
class EchoThread : public OSThread {
public:
    unsigned Run(UINT_PTR argument) override {
        seen = argument;
        if (release != nullptr) WaitForSingleObject(release, 30000);
        return 7;
    }
    UINT_PTR seen = 0;
    HANDLE release = nullptr;
};

TEST(MultiWaitEvent, WaitBeforeCreateReportsMinusThree) {
    MultiWaitEvent event;
    EXPECT_EQ(-3, event.Wait(GetCurrentProcess(), 0));
}

TEST(MultiWaitEvent, CreateTwiceFails) {
    MultiWaitEvent event;
    EXPECT_TRUE(event.Create());
    EXPECT_FALSE(event.Create());
}

TEST(MultiWaitEvent, EndedProcessReturnsOneAtOnce) {
    MultiWaitEvent event;
    ASSERT_TRUE(event.Create());
    const HANDLE process = EndedProcess();
    ASSERT_NE(nullptr, process);
    const DWORD start = GetTickCount();
    EXPECT_EQ(1, event.Wait(process, 10000));
    EXPECT_LT(GetTickCount() - start, 2000u);
    CloseHandle(process);
}

TEST(MultiWaitEvent, ZeroTimeoutOnUnsignalledHandlesReturnsMinusOne) {
    MultiWaitEvent event;
    ASSERT_TRUE(event.Create());
    EXPECT_EQ(-1, event.Wait(GetCurrentProcess(), 0));
}

TEST(MultiWaitEvent, OwnEventWinsAndResetsItself) {
    MultiWaitEvent event;
    ASSERT_TRUE(event.Create());
    event.Set();
    EXPECT_EQ(0, event.Wait(GetCurrentProcess(), 1000));
    // Auto-reset: the stop request is used up by one wait.
    EXPECT_EQ(-1, event.Wait(GetCurrentProcess(), 0));
}

TEST(MultiWaitEvent, InvalidOtherHandleIsAFailedWait) {
    MultiWaitEvent event;
    ASSERT_TRUE(event.Create());
    EXPECT_EQ(-4, event.Wait(nullptr, 0));
}

// Waits for the started `thread` to end and gives its exit code; 0xDEAD when
// it cannot be watched or does not end within 10 s.
DWORD ExitCodeOf(const OSThread& thread) {
    UniqueHandle handle(OpenThread(SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, thread.ThreadId()));
    DWORD code = 0xDEAD;
    if (!handle || WaitForSingleObject(handle.Get(), 10000) != WAIT_OBJECT_0 ||
        !GetExitCodeThread(handle.Get(), &code))
        return 0xDEAD;
    return code;
}

TEST(OSThread, RunGetsTheArgumentAndItsResultIsTheExitCode) {
    EchoThread thread;
    ASSERT_TRUE(thread.Start(0x1234));
    EXPECT_EQ(7u, ExitCodeOf(thread));
    EXPECT_EQ(0x1234u, thread.seen);
}

// A thread whose body throws.
class ThrowingThread : public OSThread {
public:
    unsigned Run(UINT_PTR) override { throw std::runtime_error("out of the thread's body"); }
};

TEST(OSThread, AnExceptionFromRunEndsTheThreadWithTheFailureCodeNotTheProcess) {
    ThrowingThread thread;
    ASSERT_TRUE(thread.Start(0));
    EXPECT_EQ(OSThread::kRunFailed, ExitCodeOf(thread));
}

TEST(OSThread, SecondStartWhileRunningFails) {
    const HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    EchoThread thread;
    thread.release = release;
    ASSERT_TRUE(thread.Start(1));
    EXPECT_FALSE(thread.Start(2));
    const HANDLE handle = OpenThread(SYNCHRONIZE, FALSE, thread.ThreadId());
    SetEvent(release);
    WaitForSingleObject(handle, 10000);
    CloseHandle(handle);
    CloseHandle(release);
    EXPECT_EQ(1u, thread.seen);
}

TEST(WaitThread, EndedProcessClosesTheWindowAndTheThreadBecomesIdle) {
    CloseCounter counter;
    WaitThread thread;
    thread.SetNotifyWindow(counter.Window());
    const HANDLE process = EndedProcess();
    ASSERT_NE(nullptr, process);
    ASSERT_TRUE(thread.Start(reinterpret_cast<UINT_PTR>(process)));
    EXPECT_TRUE(counter.WaitForClose(10000));
    EXPECT_EQ(1, counter.Closes());
    WaitForThreadEnd(thread.ThreadId());
    // Run closed its own handle, so the object can be started again.
    ASSERT_TRUE(thread.Start(reinterpret_cast<UINT_PTR>(process)));
    EXPECT_TRUE(counter.WaitForClose(10000, 2));
    WaitForThreadEnd(thread.ThreadId());
    CloseHandle(process);
}

TEST(WaitThread, DestroyingAWaitingThreadReleasesItAndItClosesTheWindow) {
    CloseCounter counter;
    alignas(WaitThread) static unsigned char storage[sizeof(WaitThread)];
    // The storage outlives the object: the destructor does not wait for the
    // thread, which still reads its members while it finishes.
    auto* thread = new (storage) WaitThread;
    thread->SetNotifyWindow(counter.Window());
    ASSERT_TRUE(thread->Start(reinterpret_cast<UINT_PTR>(GetCurrentProcess())));
    const HANDLE handle = OpenThread(SYNCHRONIZE, FALSE, thread->ThreadId());
    ASSERT_NE(nullptr, handle);
    EXPECT_FALSE(counter.WaitForClose(300));  // still waiting for the process

    thread->~WaitThread();
    EXPECT_TRUE(counter.WaitForClose(10000));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(handle, 10000));
    CloseHandle(handle);
}

TEST(WaitThread, WithoutWindowItJustEnds) {
    // An unsignalled event stands for a process that still runs.
    const HANDLE running = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    WaitThread thread;
    ASSERT_TRUE(thread.Start(reinterpret_cast<UINT_PTR>(running)));
    const HANDLE handle = OpenThread(SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, thread.ThreadId());
    ASSERT_NE(nullptr, handle);
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(handle, 200));
    SetEvent(running);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(handle, 10000));
    DWORD code = 1;
    GetExitCodeThread(handle, &code);
    EXPECT_EQ(0u, code);
    CloseHandle(handle);
    CloseHandle(running);
}

}  // namespace
