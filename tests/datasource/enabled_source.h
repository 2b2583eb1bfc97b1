// A data source opened by a test application that has a window of its own,
// with the virtual scanner steered through its control file.
#pragma once

#include "support/temp_folder.h"
#include "tests/datasource/data_source_module.h"
#include "tests/datasource/host_window.h"
#include "tests/datasource/virtual_scanner_control.h"

#include <string>
#include <vector>

// Profile section of the fixture's application "Test Application".
constexpr const char* kTestSection = "TESTAPPLICATION";

class EnabledSource : public DataSourceModule {
protected:
    void SetUp() override;

    // The scanner's control keys, read when the source opens the scanner.
    void Scanner(const std::string& lines) { control_.Write(lines); }
    // A key of the application's profile section, read when the source opens.
    void Setting(const char* key, int value);

    // MSG_ENABLEDS without the dialog, owned by the test window.
    TW_UINT16 EnableWithoutUi();
    TW_UINT16 PendingCount(TW_UINT16& count);
    TW_UINT16 ImageInfo(TW_IMAGEINFO& info);
    TW_UINT16 Layout(TW_UINT16 msg, TW_IMAGELAYOUT& layout);

    // The TWAIN state as the triplets reveal it, without changing it (in
    // state 6 with end-of-page detection on it reads the sheet, as the image
    // information does).
    int ProbeState();

    std::vector<WPARAM> Notifications() { return window_.TakeNotifications(); }

    TempFolder temp_{"enable"};
    ScopedScannerOnPath scannerOnPath_{true};
    ScopedControlFile control_{temp_.File("scanner.ini")};
    HostWindow window_;
    TW_USERINTERFACE ui_{};
};

// TW_FIX32 as a number.
double Inches(const TW_FIX32& value);
