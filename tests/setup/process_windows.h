// Finding and driving the dialogs and message boxes of another process.
#pragma once

#include "support/dialog_driver.h"  // PressButton

#include <windows.h>

#include <string>
#include <vector>

std::string WindowText(HWND window);
// Visible top-level dialog windows (class #32770) of a process.
std::vector<HWND> VisibleDialogs(DWORD processId);
// The first visible dialog whose caption is the given one, within the time.
HWND WaitForDialog(DWORD processId, const std::string& caption, DWORD timeoutMs);

struct MessageBoxInfo {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};
// A visible message box of the process (a dialog with a button and no
// combo box), within the time.
bool WaitForMessageBox(DWORD processId, DWORD timeoutMs, MessageBoxInfo& box);
// Items of a combo box of another process, and its selected item, in code
// page 1252 (an empty text when nothing is selected).
std::vector<std::string> ComboItems(HWND combo);
std::string ComboSelection(HWND combo);
