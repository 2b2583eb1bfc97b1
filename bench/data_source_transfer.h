// One page through the built data source, by the memory, file or native
// transfer, from loading the module to unloading it.
#pragma once

#include "bench/application_window.h"
#include "bench/bench_method.h"
#include "bench/bench_page.h"
#include "bench/memory_meter.h"
#include "bench/run_result.h"

#include <string>

// Loads TAVIXSRC.ds from `programFolder` (the scanner library must be on the
// search path), opens it as "Tavix Bench", sets the page's pixel type and
// resolution, the mechanism, the progress windows on or off as `variant`
// says (CAP_INDICATORS), a neutral tone and the Letter frame, enables it
// without the dialog under `window`, reads the image information and
// transfers the page; then ends the transfer, disables,
// closes and unloads. The time stops there and the peak is read from
// `meter`; then what was delivered is checked. A memory transfer goes into
// one buffer of the preferred size, a file transfer into a file in %TEMP%
// (deleted afterwards), a native transfer into a DIB freed after the check.
// False, with `error`, when a step fails or the page is not the one expected.
bool RunDataSourceTransfer(const BenchPage& page, const Variant& variant,
                           const std::string& programFolder, ApplicationWindow& window,
                           MemoryMeter& meter, RunResult& result, std::string& error);
