#include "bench/scanner_log.h"

#include "framework/proc_address.h"
#include "scanner-sim/brsvio.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

// The value of `key=` in a log line, or empty.
std::string Field(const std::string& line, const char* key) {
    const std::string tag = std::string(" ") + key + "=";
    const size_t start = line.find(tag);
    if (start == std::string::npos) return std::string();
    const size_t from = start + tag.size();
    return line.substr(from, line.find(' ', from) - from);
}

bool StartsWith(const std::string& line, const char* prefix) { return line.rfind(prefix, 0) == 0; }

}  // namespace

bool ReadScannerLog(HMODULE scanner, ScannerLogSummary& summary, std::string& error) {
    const auto getLog = ProcAddress<BRSVIO_GetCallLog_Fn>(scanner, "BRSVIO_GetCallLog");
    if (!getLog) {
        error = "the scanner library keeps no call log (BRSVIO_GetCallLog missing)";
        return false;
    }
    const int32_t length = getLog(nullptr, 0);
    if (length < 0) {
        error = "the scanner's call log cannot be read";
        return false;
    }
    std::vector<char> text(static_cast<size_t>(length) + 1);
    getLog(text.data(), static_cast<int32_t>(text.size()));

    summary = ScannerLogSummary();
    bool started = false;
    std::istringstream lines(std::string(text.data()));
    std::string line;
    while (std::getline(lines, line)) {
        if (StartsWith(line, "IO_StartScanPage ") && line.find(" -> 1") != std::string::npos) {
            started = true;
            summary = ScannerLogSummary();
            summary.record = Field(line, "settings");
        } else if (started && StartsWith(line, "IO_GetImageBlock ")) {
            if (summary.blockReads++ == 0)
                summary.blockLines = static_cast<int32_t>(std::strtol(Field(line, "lines").c_str(), nullptr, 10));
        }
    }
    if (!started) {
        error = "the scanner's call log shows no page started";
        return false;
    }
    return true;
}
