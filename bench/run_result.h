// What one measurement in a child process found, and the one line of text
// it goes back to the parent in.
#pragma once

#include <cstdint>
#include <string>

struct RunResult {
    double seconds = 0;          // wall time, checking left out
    double pageSeconds = 0;      // the part from asking for the page to having it
    uint64_t baselineBytes = 0;  // private bytes before the work
    uint64_t peakBytes = 0;      // highest private bytes during it
    int32_t width = 0;           // pixels per row delivered
    int32_t rows = 0;            // rows delivered
    uint64_t checksum = 0;       // RowChecksum of those rows
    int32_t blockReads = 0;      // IO_GetImageBlock calls of the page
    int32_t blockLines = 0;      // rows the first of them asked for
    std::string record;          // the IO_StartScanPage record, hex
    int32_t thumbnailWindows = 0;  // progress windows of template 330 that were shown
    int32_t barWindows = 0;        // and of template 331
    // Loading the system libraries an application has anyway, before the
    // baseline: not part of the work.
    double librarySeconds = 0;
    uint64_t libraryBytes = 0;

    uint64_t AddedBytes() const { return peakBytes > baselineBytes ? peakBytes - baselineBytes : 0; }
};

// "RESULT key=value ..." on one line.
std::string FormatRunResult(const RunResult& result);
// Reads the RESULT line out of a child's output; false when there is none or
// it lacks a field.
bool ParseRunResult(const std::string& output, RunResult& result);
