// One display of the scanner dialog as the data source runs it: the start
// page from the profile, the modal run, and a new display on the Language
// page after every change of language, so that all pages are built anew.
#pragma once

#include "ui/scan_request.h"
#include "ui/scanner_dialog_context.h"

// The page the dialog opens on: "PropPage" of the application's section,
// 1 by default in settings-only mode and 0 otherwise; only 0 and 1 count.
int StartPageFromProfile(const ScannerDialogContext& context);

// Runs the dialog until it ends with a scan request or a cancel; false when
// the dialog could not be allocated.
bool RunScannerDialog(ScannerDialogContext& context, ScanRequest& request);
