// The pages the benchmark scans and the record each one is scanned with.
#pragma once

#include "engine/scan_settings.h"

#include <cstdint>
#include <string>
#include <vector>

// A Letter sheet (8.5 x 11 in), the whole of it, in one mode at one resolution.
struct BenchPage {
    const char* name;   // as the child process is told it
    const char* title;  // as the report shows it
    int16_t scanMode;   // kScanModeColor or kScanModeBlackWhite
    int16_t dpi;
    // The page the memory and file transfers must not hold whole.
    bool large;
};

// Frame of every page, hundredths of an inch.
constexpr int16_t kPageTop = 0;
constexpr int16_t kPageLeft = 0;
constexpr int16_t kPageBottom = 1100;
constexpr int16_t kPageRight = 850;

// The two pages of a full run, or two small ones that only show the
// benchmark works.
std::vector<BenchPage> BenchPages(bool quick);
// The page of that name (among both sets); false when there is none.
bool FindBenchPage(const std::string& name, BenchPage& page);

// The record as the data source hands it to IO_StartScanPage for this page
// under a neutral tone: brightness and contrast 0, gamma 1.0 (the scanner's
// word is gamma x 10 less 8, so 2), highlight 255, shadow 0, the start flag
// set, nothing else.
ScanSettings ScannerRecord(const BenchPage& page);
// Its 86 bytes as upper-case hex, the way the scanner's call log shows them.
std::string RecordHex(const ScanSettings& record);

int32_t PageWidth(const BenchPage& page);
int32_t PageLength(const BenchPage& page);
int PageBits(const BenchPage& page);
// Bytes of one scanner row, padded to 4.
int32_t PageRowBytes(const BenchPage& page);
// Bytes of one row that carry pixels.
int32_t PagePixelBytes(const BenchPage& page);
// Rows of one scanner block, as the data source reads them.
int32_t PageBlockLines(const BenchPage& page);
// The packed DIB a native transfer hands over: header, colour table, rows.
uint64_t PageDibBytes(const BenchPage& page);
