// Watching, from a second thread, the dialogs the main thread shows: when a
// sheet is on the screen, and when it has been painted.
#pragma once

#include <windows.h>

// Milliseconds of the performance counter.
double NowMs();

// Waits for a visible top-level dialog of this process captioned `caption`
// other than `previous` while `previous` no longer exists; null after
// `timeoutMs`.
HWND WaitForDialog(const char* caption, HWND previous, DWORD timeoutMs);

// Waits until `window` is visible, neither it nor any visible window inside
// it has anything left to paint, and its thread has finished the message it
// was handling (so the last paint is done too); false after `timeoutMs`.
bool WaitUntilPainted(HWND window, DWORD timeoutMs);
