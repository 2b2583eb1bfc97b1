// The yardstick of the dialog bench: a property sheet of four empty pages of
// the scanner dialog's size and font, made by comctl32 and nothing else.
#pragma once

#include <windows.h>

#include <string>

// Shows the bare sheet modeless on this thread, with `caption`, until a
// second thread cancels it (PSM_PRESSBUTTON); false, with `error`, when it
// cannot be made.
bool RunBareSheet(HWND owner, const char* caption, std::string& error);
