// The "Choose Setup Language" dialog, template 129, modeless.
#pragma once

#include <windows.h>

INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
