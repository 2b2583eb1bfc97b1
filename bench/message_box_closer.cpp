#include "bench/message_box_closer.h"

#include "support/dialog_finder.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr DWORD kPollMilliseconds = 50;
// The control that carries a message box's text.
constexpr int kMessageTextId = 0xFFFF;

}  // namespace

MessageBoxCloser::MessageBoxCloser(DWORD threadId) : threadId_(threadId) {
    InitializeCriticalSection(&lock_);
    stop_.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (stop_) thread_.Reset(CreateThread(nullptr, 0, WatchLoop, this, 0, nullptr));
}

MessageBoxCloser::~MessageBoxCloser() {
    if (thread_) {
        SetEvent(stop_.Get());
        WaitForSingleObject(thread_.Get(), INFINITE);
    }
    DeleteCriticalSection(&lock_);
}

std::string MessageBoxCloser::Texts() {
    EnterCriticalSection(&lock_);
    std::string texts = texts_;
    LeaveCriticalSection(&lock_);
    return texts;
}

bool MessageBoxCloser::Remember(HWND box, const std::string& text) {
    bool fresh = false;
    EnterCriticalSection(&lock_);
    try {
        fresh = std::find(seen_.begin(), seen_.end(), box) == seen_.end();
        if (fresh) {
            seen_.push_back(box);
            texts_ += text;
            texts_ += '\n';
        }
    } catch (...) {
        // A text that cannot be kept still gets its box closed.
    }
    LeaveCriticalSection(&lock_);
    return fresh;
}

void MessageBoxCloser::CloseMessageBoxes() {
    DialogSearch search;
    search.threadId = threadId_;
    // The data source's progress windows are dialogs too, and part of what is
    // measured: cancelling them would end the scan. So are property sheets
    // (the scanner dialog among them).
    search.kind = DialogKind::Prompt;
    for (HWND box : FindDialogs(search)) {
        char caption[128] = {};
        char text[1024] = {};
        GetWindowTextA(box, caption, sizeof caption);
        GetDlgItemTextA(box, kMessageTextId, text, sizeof text);
        try {
            Remember(box, std::string(caption) + ": " + text);
        } catch (...) {
            // Without memory for its text the box is closed all the same.
        }
        // Escape answers a message box with its cancelling button, or OK when it has one alone.
        PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
        PostMessageA(box, WM_CLOSE, 0, 0);
    }
}

DWORD WINAPI MessageBoxCloser::WatchLoop(void* self) {
    auto* closer = static_cast<MessageBoxCloser*>(self);
    while (WaitForSingleObject(closer->stop_.Get(), kPollMilliseconds) == WAIT_TIMEOUT)
        try {
            closer->CloseMessageBoxes();
        } catch (...) {
            // No memory for the search this time: the next poll tries again.
        }
    return 0;
}
