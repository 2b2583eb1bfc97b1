// A scanner dialog shown over the test's application window, with the
// virtual scanner and a profile of its own, driven from a script thread.
#pragma once

#include "support/dialog_driver.h"
#include "support/sheet_driver.h"
#include "ui/scan_request.h"
#include "ui/scanner_dialog_context.h"
#include "ui/scanner_sheet.h"
#include "ui_fixture.h"

#include <functional>
#include <set>
#include <string>

class ScannerSheetTest : public UiTest {
protected:
    static constexpr const char* kSection = "TESTAPP";

    void SetUp() override;

    // Shows `sheet` modally; `script` runs on a second thread with the sheet
    // window once it is on the screen. A sheet the script leaves open is
    // cancelled, so a failing test cannot hang.
    INT_PTR Run(ScannerSheet& sheet, const std::function<void(HWND)>& script);
    INT_PTR Run(int startPage, const std::function<void(HWND)>& script);
    // The same for the data source's whole display (RunScannerDialog): the
    // script gets the first sheet and finds any later one itself.
    ScanRequest RunDialog(const std::function<void(HWND)>& script);

    int ProfileValue(const char* section, const char* key, int fallback = -12345) const;
    bool HasSection(const char* section) const;
    void WriteProfileText(const char* section, const char* key, const char* value) const;

    ScannerDialogContext context_{settings_, kUiModeScan, kSection, &owner_, scan_, negotiated_, units_};
    std::set<HWND> seen_;
};

// Waits up to `timeoutMs` for `condition`; whether it came true.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 3000);
