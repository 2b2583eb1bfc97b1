// The named scan sizes of the dialog, numbered 1 to 8 (0 is any other frame).
#pragma once

#include "engine/scan_settings.h"

constexpr int kScanSizeCount = 8;

struct ScanSize {
    int16_t Bottom;
    int16_t Right;
};
// Index 0 is Letter (scan size 1); Top and Left are 0 for every size.
extern const ScanSize ScanSizeTable[kScanSizeCount];

// Copies the frame of scan size `index` (1..8; anything else counts as 1).
void SetPaperSize(int index, ScanSettings* record);
// The first scan size whose frame equals the record's exactly, or 0.
int FindPaperSize(const ScanSettings* record);
