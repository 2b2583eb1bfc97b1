#include "bench/run_result.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

namespace {
const char kTag[] = "RESULT ";
}

std::string FormatRunResult(const RunResult& r) {
    char line[512];
    std::snprintf(line, sizeof line,
                  "%sseconds=%.6f page=%.6f baseline=%" PRIu64 " peak=%" PRIu64 " width=%d rows=%d "
                  "checksum=%016" PRIX64 " blocks=%d lines=%d libseconds=%.6f libbytes=%" PRIu64
                  " thumbnails=%d bars=%d record=%s",
                  kTag, r.seconds, r.pageSeconds, r.baselineBytes, r.peakBytes, r.width, r.rows,
                  r.checksum, r.blockReads, r.blockLines, r.librarySeconds, r.libraryBytes,
                  r.thumbnailWindows, r.barWindows,
                  r.record.empty() ? "-" : r.record.c_str());
    return line;
}

bool ParseRunResult(const std::string& output, RunResult& result) {
    const size_t start = output.find(kTag);
    if (start == std::string::npos) return false;
    const size_t end = output.find_first_of("\r\n", start);
    std::istringstream fields(output.substr(start + sizeof kTag - 1, end - start - (sizeof kTag - 1)));
    std::map<std::string, std::string> values;
    std::string field;
    while (fields >> field) {
        const size_t equals = field.find('=');
        if (equals == std::string::npos) return false;
        values[field.substr(0, equals)] = field.substr(equals + 1);
    }
    for (const char* key : {"seconds", "page", "baseline", "peak", "width", "rows", "checksum",
                            "blocks", "lines", "libseconds", "libbytes", "thumbnails", "bars", "record"})
        if (values.find(key) == values.end()) return false;
    result.seconds = std::strtod(values["seconds"].c_str(), nullptr);
    result.pageSeconds = std::strtod(values["page"].c_str(), nullptr);
    result.librarySeconds = std::strtod(values["libseconds"].c_str(), nullptr);
    result.libraryBytes = std::strtoull(values["libbytes"].c_str(), nullptr, 10);
    result.baselineBytes = std::strtoull(values["baseline"].c_str(), nullptr, 10);
    result.peakBytes = std::strtoull(values["peak"].c_str(), nullptr, 10);
    result.width = static_cast<int32_t>(std::strtol(values["width"].c_str(), nullptr, 10));
    result.rows = static_cast<int32_t>(std::strtol(values["rows"].c_str(), nullptr, 10));
    result.checksum = std::strtoull(values["checksum"].c_str(), nullptr, 16);
    result.blockReads = static_cast<int32_t>(std::strtol(values["blocks"].c_str(), nullptr, 10));
    result.blockLines = static_cast<int32_t>(std::strtol(values["lines"].c_str(), nullptr, 10));
    result.thumbnailWindows =
        static_cast<int32_t>(std::strtol(values["thumbnails"].c_str(), nullptr, 10));
    result.barWindows = static_cast<int32_t>(std::strtol(values["bars"].c_str(), nullptr, 10));
    result.record = values["record"] == "-" ? std::string() : values["record"];
    return true;
}
