// The surroundings of a data source window for a test: a profile in a
// temporary folder (so the language can be chosen), a visible window standing
// for the application's, and the virtual scanner as the data source's scanner.
#pragma once

#include "engine/measure_unit.h"
#include "engine/negotiation_state.h"
#include "engine/page_bracket.h"
#include "engine/page_store.h"
#include "engine/scan_context.h"
#include "engine/scan_settings.h"
#include "engine/scanner_io.h"
#include "framework/win_app.h"
#include "framework/wnd.h"
#include "localization/language.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

class UiTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void UseLanguage(LanguageId language);
    // Applies a key of the virtual scanner and fails the test when refused.
    void Configure(const char* key, const char* value);
    std::string CallLog() const;
    // Lines of the call log that start with `name` followed by a blank.
    int Calls(const char* name) const;

    const CWnd& Owner() const { return owner_; }
    HWND OwnerHwnd() const { return owner_.GetSafeHwnd(); }
    // Handles every message waiting for this thread.
    static void DrainMessages();

    TempFolder folder_{"tavix-ui"};
    std::string profile_;
    CWinApp app_;
    ScanSettings settings_{};
    ScannerIo io_;
    CWnd owner_;
    // What the windows' scans read with: the virtual scanner, no windows of
    // the acquisition (a test that wants them gives its own).
    PageBracket sheet_{io_};
    PageStore store_;
    ScanContext scan_{io_, sheet_, store_, nullptr};
    Negotiation negotiated_;  // everything allowed unless a test restricts it
    MeasureUnit units_;
};

// Text of a window, or of a dialog's item.
std::string WindowText(HWND hwnd);
// Windows path of the virtual scanner built beside the test program.
std::string VirtualScannerPath();
