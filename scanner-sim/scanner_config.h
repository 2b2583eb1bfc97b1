// What the virtual scanner is set up to do: its paper source, its answers and
// the faults it injects. Set by key and value, from the control file or from
// BRSVIO_Configure; the keys are listed in README.md.
#pragma once

#include <stdint.h>

#include <string>

enum class PaperSource { TestPage, Folder };

struct ScannerConfig {
    PaperSource source = PaperSource::TestPage;
    std::string folder;
    int32_t sheets = 1;        // test-page sheets in the feeder
    int32_t sheetWidth = 850;  // test-page sheet, hundredths of an inch
    int32_t sheetLength = 1100;
    std::string model = "Brisvane";
    bool calibrationNeeded = false;
    int32_t calibrationResult = 1;
    bool button = false;
    bool openFails = false;
    bool noScanner = false;
    bool startScanFails = false;
    bool pageStartFails = false;
    bool pageDimensionFails = false;
    int32_t blockFailsAfterRows = -1;
    int32_t emptyBlocks = 0;
    int32_t blockDelayMs = 0;  // a slow scanner: every block call waits this long
    // A broken library: rows written wider than the page's by this many bytes,
    int32_t wideRows = 0;
    // this many rows more than asked for in every block,
    int32_t extraRows = 0;
    // and blocks of the last page read served when no page is started.
    bool rowsWithoutPage = false;
    std::string configText = "Tavix SR-1 (virtual)";
    std::string interfaceText = "USB 2.0 (virtual)";
};

enum class SettingResult { Applied, UnknownKey, BadValue };

// Keys are case-insensitive; surrounding blanks of key and value are ignored.
SettingResult ApplySetting(ScannerConfig& config, const std::string& key, const std::string& value);

// Keys whose change refills the feeder.
bool IsFeederKey(const std::string& key);
bool IsCalibrationKey(const std::string& key);
