// Handling the messages already waiting for this thread, so that windows
// stay drawn and responsive while long work runs inside a window procedure.
#pragma once

#include <windows.h>

// Dispatches waiting messages, at most `limit`, letting `dialog` (may be
// null) translate its keys. A WM_QUIT that turns up is posted again for the
// thread's own loop and ends the pumping. Returns how many were handled.
int PumpWaitingMessages(int limit, HWND dialog = nullptr);
