// The runs of one method on one page, as the parent collects them.
#pragma once

#include "bench/bench_method.h"
#include "bench/bench_page.h"
#include "bench/run_result.h"

#include <string>
#include <vector>

struct MethodMeasurement {
    Method method = Method::kRaw;
    std::vector<RunResult> runs;
    // Why the method has no sound result: a run failed, or it delivered
    // another page than the raw loop. Empty when all is well.
    std::string error;

    bool Sound() const { return error.empty() && !runs.empty(); }
    // The fastest run's time.
    double BestSeconds() const;
    // The largest memory any run added.
    uint64_t MostAddedBytes() const;
};

struct PageMeasurement {
    BenchPage page{};
    std::vector<MethodMeasurement> methods;  // raw first

    const MethodMeasurement* Find(Method method) const;
};

// Marks every method whose runs delivered another record, size or rows than
// the raw loop's first run (or disagree among themselves).
void CompareWithRawLoop(PageMeasurement& measurement);
