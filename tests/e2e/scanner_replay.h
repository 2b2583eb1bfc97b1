// What the virtual scanner delivered to the client, scanned once more in this
// process: every page the client's call log shows started with success is
// started again with the very record bytes it received, on a scanner set up
// the same way, and read to its last row.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct ReplayedPage {
    int scanMode = 0;        // the record's ScanMode word
    int32_t width = 0;       // pixels
    int32_t lines = 0;       // the frame's rows
    int32_t edge = 0;        // frame row of the sheet's trailing edge
    int32_t stride = 0;      // bytes per row as the scanner pads them
    std::vector<uint8_t> rows;  // all `lines` rows, top-down
};

using ScannerSettingList = std::vector<std::pair<std::string, std::string>>;

// False with `error` set when the log holds no usable page or the scanner
// answers differently this time.
bool ReplayScannerLog(const std::string& log, const ScannerSettingList& settings,
                      std::vector<ReplayedPage>& pages, std::string& error);
