// The virtual scanner read alone, the way the data source reads it but with
// nothing around it: the yardstick for the transfers.
#pragma once

#include "bench/bench_page.h"
#include "bench/memory_meter.h"
#include "bench/run_result.h"

#include <string>

// Loads BRSVIO.DLL from `scannerFolder` (with a trailing backslash), opens
// the interface, starts the scan and the page with the data source's record,
// and reads IO_GetImageBlock into one buffer of one block until the page
// ends; then ends the page and the scan, closes and frees the library. The
// peak is read from `meter` when the time stops. False, with `error`, when
// any step fails or the page is not the one expected.
bool RunRawBlockLoop(const BenchPage& page, const std::string& scannerFolder, MemoryMeter& meter,
                     RunResult& result, std::string& error);
