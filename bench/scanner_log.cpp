#include "bench/scanner_log.h"

#include "support/scanner_call_log.h"

#include <cstdlib>
#include <sstream>

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
    const std::string log = ReadCallLog(scanner);
    if (log.empty()) {
        error = "the scanner library's call log is missing or empty (BRSVIO_GetCallLog)";
        return false;
    }
    summary = ScannerLogSummary();
    bool started = false;
    std::istringstream lines(log);
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
