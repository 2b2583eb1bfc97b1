// What each transfer is expected to cost next to the scanner's raw loop.
#pragma once

#include "bench/bench_method.h"
#include "bench/bench_page.h"

#include <cstdint>
#include <string>

struct TargetCheck {
    bool applies = false;
    bool met = false;
    std::string limit;  // the target as the report shows it
};

// Memory transfer within 1.05 x the raw loop's time; file and native within 1.5 x.
TargetCheck TimeTarget(Method method, double ratioToRaw);
// A transfer with its progress windows within 1.10 x the same transfer without.
TargetCheck IndicatorsTarget(double ratioToWithout);
// Memory and file transfers of the large page add less than 4 MB; a native
// transfer adds at most its DIB and one block of rows beyond what the memory
// transfer of the same page added (`sessionBytes`: the module, the scanner
// library, the source's state), since the target is about holding the page.
TargetCheck MemoryTarget(const BenchPage& page, Method method, uint64_t addedBytes,
                         uint64_t sessionBytes);

constexpr double kMegabyte = 1024.0 * 1024.0;
