#include "support/scanner_call_log.h"

#include "framework/proc_address.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>

std::string ReadCallLog(HMODULE scanner) {
    typedef int32_t(__cdecl * CallLogProc)(char* buffer, int32_t size);
    auto callLog = scanner ? ProcAddress<CallLogProc>(scanner, "BRSVIO_GetCallLog") : nullptr;
    if (!callLog) return std::string();
    const int32_t length = callLog(nullptr, 0);
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int32_t written = callLog(&text[0], length + 1);
    text.resize(static_cast<size_t>(written >= 0 && written < length ? written : length));
    return text;
}

int CountCalls(const std::string& log, const std::string& function) {
    std::istringstream lines(log);
    const std::string prefix = function + " ";
    int count = 0;
    for (std::string line; std::getline(lines, line);)
        if (line.compare(0, prefix.size(), prefix) == 0) ++count;
    return count;
}

bool StartScanPageRecord(const std::string& line, std::vector<uint8_t>& record) {
    const size_t at = line.find("settings=");
    if (at == std::string::npos) return false;
    const size_t from = at + 9;
    const size_t to = std::min(line.find_first_of(" \r\n", from), line.size());
    const std::string hex = line.substr(from, to - from);
    if (hex.empty() || hex.size() % 2) return false;
    record.clear();
    for (size_t i = 0; i < hex.size(); i += 2) {
        const char pair[3] = {hex[i], hex[i + 1], '\0'};
        char* end = nullptr;
        const long value = std::strtol(pair, &end, 16);
        if (*end) return false;
        record.push_back(static_cast<uint8_t>(value));
    }
    return true;
}
