// Message boxes of a thread, closed as soon as they show: the benchmark runs
// unattended, and a failing transfer would otherwise wait for a click that
// never comes. Their texts are kept to tell why the run failed. The data
// source's progress windows and property sheets are left alone.
#pragma once

#include "framework/handles.h"

#include <windows.h>

#include <string>
#include <vector>

class MessageBoxCloser {
public:
    explicit MessageBoxCloser(DWORD threadId);
    ~MessageBoxCloser();
    MessageBoxCloser(const MessageBoxCloser&) = delete;
    MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;

    // The texts of the boxes closed so far, one per line; empty when none showed.
    std::string Texts();

private:
    static DWORD WINAPI WatchLoop(void* self);
    void CloseMessageBoxes();
    // Keeps the text of a box not seen before; false for one seen already.
    bool Remember(HWND box, const std::string& text);

    DWORD threadId_;
    CRITICAL_SECTION lock_;
    std::string texts_;
    std::vector<HWND> seen_;
    UniqueHandle stop_;
    UniqueHandle thread_;
};
