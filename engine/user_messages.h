// What the data source tells the user in a message box, in one place: the
// product's name as the caption, the text in the current language, and the
// icon rule. A failed scan, preview or file operation carries the
// exclamation mark; the notices that the scanner or its driver is not there
// and the questions before a scan carry none, as they always have.
#pragma once

#include "localization/text_table.h"

#include <windows.h>

// The scan error's text (ScanErrorText) with the exclamation mark.
void ShowScanError(HWND owner, int scanError);
// A notice: OK only, no icon.
void ShowNotice(HWND owner, const LocalizedText& text);
// A question or a warning with the buttons and icon of `type`; the button
// pressed. `caption` replaces the product's name where a dialog asks with
// its own title.
int AskUser(HWND owner, const LocalizedText& text, UINT type, const char* caption = nullptr);
