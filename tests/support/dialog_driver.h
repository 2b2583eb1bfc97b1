// Drives the modal dialogs of the thread under test from a second thread, the
// way a user would: it waits for a dialog to appear, reads it, and presses
// its buttons or keys by posting messages.
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <string>
#include <thread>

// The next visible dialog window (#32770) of this process that is not in
// `done`, waiting up to `timeoutMs`; null when none appeared. Found dialogs
// are added to `done`.
HWND WaitForNewDialog(std::set<HWND>& done, DWORD timeoutMs = 10000);
// Waits until `dialog` is gone; false when it still exists after `timeoutMs`.
bool WaitUntilGone(HWND dialog, DWORD timeoutMs = 3000);

void PressButton(HWND dialog, int id);
// A key as the user types it: to the control that has the focus in the
// dialog's thread (the dialog itself when none has).
void PressKey(HWND dialog, WORD key);
void PressCloseBox(HWND dialog);

// Whether the control is shown by its own style, whatever its dialog.
bool IsShown(HWND control);
// The control's window rectangle in the client coordinates of its dialog.
RECT RectInDialog(HWND dialog, HWND control);
// Whether the text of a static (word-wrapped) or a button (one line) fits
// the control with the font it is drawn with.
bool TextFits(HWND control, bool wraps);

// The text of tool 1 of `tooltip`, the tool that covers `button`.
std::string ToolText(HWND tooltip, HWND button);

// Runs `script` on a second thread; the destructor waits for it.
class ScriptThread {
public:
    explicit ScriptThread(std::function<void()> script) : thread_(std::move(script)) {}
    ~ScriptThread() { Join(); }
    ScriptThread(const ScriptThread&) = delete;
    ScriptThread& operator=(const ScriptThread&) = delete;
    void Join() {
        if (thread_.joinable()) thread_.join();
    }

private:
    std::thread thread_;
};
