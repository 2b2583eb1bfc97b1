// The one way the test programs look for dialog windows: the visible
// top-level windows of class #32770 of a process (this one unless told
// otherwise), leaving out, where asked, the source's progress windows, the
// property sheets a test drives itself and the dialogs already dealt with.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

struct DialogSearch {
    DWORD processId = GetCurrentProcessId();
    bool skipProgressWindows = false;  // dialogs with a progress bar
    bool skipPropertySheets = false;   // dialogs with a tab control
    std::function<bool(HWND)> skip;    // true for a dialog already dealt with
};

// In Z order, the topmost first.
std::vector<HWND> FindDialogs(const DialogSearch& search = {});
// The first of them, or null.
HWND FindDialog(const DialogSearch& search = {});
