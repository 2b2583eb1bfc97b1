// Placing a top-level window on the screen.
#pragma once

#include <windows.h>

// Centres `hwnd` over `owner` when that is a visible, restored window, else
// over the work area; always kept inside the work area of the monitor.
void CenterWindowOn(HWND hwnd, HWND owner);
