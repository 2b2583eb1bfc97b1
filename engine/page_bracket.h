// The bracket around one sheet: started once, ended once.
#pragma once

#include "engine/scan_settings.h"

// Starts the sheet with an adjusted copy of `settings`; 0 when started (or
// already started), 1 when the scanner refused.
int StartPage(const ScanSettings& settings);
// Ends a started sheet and ejects it; the scanner's answer to the eject, or
// 0 when no sheet was started.
int EndPage();
bool IsPageStarted();

// The copy of `settings` that the scanner is given when a sheet starts.
ScanSettings AdjustedForScanner(const ScanSettings& settings);
