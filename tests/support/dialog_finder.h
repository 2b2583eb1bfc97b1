// The one way the test and bench programs look for dialog windows: the
// visible top-level windows of class #32770 of a process (this one unless
// told otherwise) or of one thread, of one kind, leaving out those already
// dealt with.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

enum class DialogKind {
    Any,
    TabbedSheet,     // a property sheet: the scanner dialog
    ProgressWindow,  // with a progress bar and a Cancel button
    Prompt,          // neither: message boxes and prompts
};

struct DialogSearch {
    DWORD processId = GetCurrentProcessId();
    DWORD threadId = 0;  // not 0: only that thread's windows
    DialogKind kind = DialogKind::Any;
    std::function<bool(HWND)> skip;  // true for a dialog already dealt with
};

// In Z order, the topmost first.
std::vector<HWND> FindDialogs(const DialogSearch& search = {});
// The first of them, or null.
HWND FindDialog(const DialogSearch& search = {});
