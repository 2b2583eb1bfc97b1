// How many rows one block read asks the scanner for.
#pragma once

#include "engine/scan_settings.h"

// At most 128 KiB and half an inch of rows, never more than the frame has,
// and never fewer than 2.
int LinesPerBlock(const ScanSettings& settings);
