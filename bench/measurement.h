// The runs of one method (with or without progress windows) on one page, as
// the parent collects them.
#pragma once

#include "bench/bench_method.h"
#include "bench/bench_page.h"
#include "bench/run_result.h"

#include <string>
#include <vector>

struct MethodMeasurement {
    Variant variant{Method::kRaw, false};
    std::vector<RunResult> runs;
    // Why the method has no sound result: a run failed, it delivered another
    // page than the raw loop, or its progress windows were not as asked.
    // Empty when all is well.
    std::string error;

    bool Sound() const { return error.empty() && !runs.empty(); }
    // The fastest run's time.
    double BestSeconds() const;
    // The largest memory any run added.
    uint64_t MostAddedBytes() const;
};

struct PageMeasurement {
    BenchPage page{};
    std::vector<MethodMeasurement> methods;  // in the order of kVariants, raw first

    const MethodMeasurement* Find(const Variant& variant) const;
};

// Marks every method whose runs delivered another record, size or rows than
// the raw loop's first run (or disagree among themselves), and every run
// that showed a progress window without CAP_INDICATORS or none with it.
void CompareWithRawLoop(PageMeasurement& measurement);
