// What the virtual scanner's call log tells about the page just read: the
// record it was started with and how it was read in blocks.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

struct ScannerLogSummary {
    std::string record;      // settings= of the last successful IO_StartScanPage
    int32_t blockReads = 0;  // IO_GetImageBlock calls after it
    int32_t blockLines = 0;  // lines= of the first of them
};

// Reads the log of the loaded BRSVIO.DLL `scanner`; false (and why) when the
// library keeps none or no page was started.
bool ReadScannerLog(HMODULE scanner, ScannerLogSummary& summary, std::string& error);
