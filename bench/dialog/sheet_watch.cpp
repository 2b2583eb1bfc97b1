#include "bench/dialog/sheet_watch.h"

#include <cstring>

namespace {

struct DialogSearch {
    const char* caption;
    HWND previous;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<DialogSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || window == search.previous || !IsWindowVisible(window)) return TRUE;
    char className[16] = {}, text[64] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, text, sizeof text);
    if (std::strcmp(className, "#32770") != 0 || std::strcmp(text, search.caption) != 0) return TRUE;
    search.found = window;
    return FALSE;
}

BOOL CALLBACK FindUnpainted(HWND window, LPARAM unpainted) {
    if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(unpainted) = true;
        return FALSE;
    }
    return TRUE;
}

bool FullyPainted(HWND window) {
    if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE)) return false;
    bool unpainted = false;
    EnumChildWindows(window, FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

}  // namespace

double NowMs() {
    LARGE_INTEGER counter{}, frequency{};
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

HWND WaitForDialog(const char* caption, HWND previous, DWORD timeoutMs) {
    const double deadline = NowMs() + timeoutMs;
    while (NowMs() < deadline) {
        if (!previous || !IsWindow(previous)) {
            DialogSearch search{caption, previous, nullptr};
            EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
            if (search.found) return search.found;
        }
        Sleep(1);
    }
    return nullptr;
}

bool WaitUntilPainted(HWND window, DWORD timeoutMs) {
    const double deadline = NowMs() + timeoutMs;
    while (NowMs() < deadline) {
        if (!IsWindow(window)) return false;
        if (FullyPainted(window)) {
            // A sent message is taken only between two messages of the
            // window's thread: the paint under way has ended by then.
            DWORD_PTR ignored = 0;
            if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored)) return false;
            if (FullyPainted(window)) return true;
        }
        Sleep(1);
    }
    return false;
}
