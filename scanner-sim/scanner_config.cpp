#include "scanner_config.h"

#include <cerrno>
#include <cstdlib>

namespace {

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return std::string();
    const size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string NormalKey(const std::string& key) { return Lower(Trim(key)); }

bool ParseInt(const std::string& text, int32_t low, int32_t high, int32_t& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (errno == ERANGE || end == text.c_str() || *end != '\0') return false;
    if (parsed < low || parsed > high) return false;
    value = static_cast<int32_t>(parsed);
    return true;
}

bool ParseFlag(const std::string& text, bool& flag) {
    int32_t value = 0;
    if (!ParseInt(text, INT32_MIN, INT32_MAX, value)) return false;
    flag = value != 0;
    return true;
}

struct PaperSize {
    const char* name;
    int32_t width;
    int32_t length;
};

// The named scan sizes of the data source's dialog.
constexpr PaperSize kPaperSizes[] = {
    {"letter", 850, 1100}, {"legal", 850, 1400}, {"a4", 827, 1169},   {"a5", 583, 827},
    {"b5", 693, 984},      {"card", 354, 217},   {"photo", 500, 350}, {"largephoto", 600, 400},
};

constexpr int32_t kMaxSheetExtent = 10000;  // a 100-inch document is the longest fed
constexpr int32_t kMaxSheets = 100000;

}  // namespace

SettingResult ApplySetting(ScannerConfig& c, const std::string& rawKey,
                           const std::string& rawValue) {
    const std::string key = NormalKey(rawKey);
    const std::string value = Trim(rawValue);
    bool ok = true;
    if (key == "source") {
        const std::string v = Lower(value);
        if (v == "testpage")
            c.source = PaperSource::TestPage;
        else if (v == "folder")
            c.source = PaperSource::Folder;
        else
            ok = false;
    } else if (key == "folder") {
        c.folder = value;
    } else if (key == "sheets") {
        ok = ParseInt(value, 0, kMaxSheets, c.sheets);
    } else if (key == "paper") {
        ok = false;
        for (const PaperSize& size : kPaperSizes) {
            if (Lower(value) == size.name) {
                c.sheetWidth = size.width;
                c.sheetLength = size.length;
                ok = true;
            }
        }
    } else if (key == "sheet_width") {
        ok = ParseInt(value, 1, kMaxSheetExtent, c.sheetWidth);
    } else if (key == "sheet_length") {
        ok = ParseInt(value, 1, kMaxSheetExtent, c.sheetLength);
    } else if (key == "model") {
        c.model = value;
    } else if (key == "calibration_needed") {
        ok = ParseFlag(value, c.calibrationNeeded);
    } else if (key == "calibration_result") {
        ok = ParseInt(value, INT32_MIN, INT32_MAX, c.calibrationResult);
    } else if (key == "button") {
        ok = ParseFlag(value, c.button);
    } else if (key == "open_fails") {
        ok = ParseFlag(value, c.openFails);
    } else if (key == "no_scanner") {
        ok = ParseFlag(value, c.noScanner);
    } else if (key == "start_scan_fails") {
        ok = ParseFlag(value, c.startScanFails);
    } else if (key == "page_start_fails") {
        ok = ParseFlag(value, c.pageStartFails);
    } else if (key == "page_dimension_fails") {
        ok = ParseFlag(value, c.pageDimensionFails);
    } else if (key == "block_fails_after_rows") {
        ok = ParseInt(value, -1, INT32_MAX, c.blockFailsAfterRows);
    } else if (key == "empty_blocks") {
        ok = ParseInt(value, 0, INT32_MAX, c.emptyBlocks);
    } else if (key == "block_delay_ms") {
        ok = ParseInt(value, 0, 10000, c.blockDelayMs);
    } else if (key == "wide_rows") {
        ok = ParseInt(value, 0, 65536, c.wideRows);
    } else if (key == "extra_rows") {
        ok = ParseInt(value, 0, 32767, c.extraRows);
    } else if (key == "rows_without_page") {
        ok = ParseFlag(value, c.rowsWithoutPage);
    } else if (key == "config_text") {
        c.configText = value;
    } else if (key == "interface_text") {
        c.interfaceText = value;
    } else {
        return SettingResult::UnknownKey;
    }
    return ok ? SettingResult::Applied : SettingResult::BadValue;
}

bool IsFeederKey(const std::string& rawKey) {
    const std::string key = NormalKey(rawKey);
    return key == "source" || key == "folder" || key == "sheets" || key == "paper" ||
           key == "sheet_width" || key == "sheet_length";
}

bool IsCalibrationKey(const std::string& rawKey) {
    return NormalKey(rawKey) == "calibration_needed";
}
