#include "bench/measurement.h"

#include <algorithm>

double MethodMeasurement::BestSeconds() const {
    double best = 0;
    for (const RunResult& run : runs)
        if (best == 0 || run.seconds < best) best = run.seconds;
    return best;
}

uint64_t MethodMeasurement::MostAddedBytes() const {
    uint64_t most = 0;
    for (const RunResult& run : runs) most = std::max(most, run.AddedBytes());
    return most;
}

const MethodMeasurement* PageMeasurement::Find(const Variant& variant) const {
    for (const MethodMeasurement& m : methods)
        if (m.variant == variant) return &m;
    return nullptr;
}

void CompareWithRawLoop(PageMeasurement& measurement) {
    const MethodMeasurement* raw = measurement.Find(Variant{Method::kRaw, false});
    if (!raw || !raw->Sound()) return;
    const RunResult& reference = raw->runs.front();
    for (MethodMeasurement& m : measurement.methods) {
        if (!m.Sound()) continue;
        for (const RunResult& run : m.runs) {
            if (run.record != reference.record) {
                m.error = "the scanner was started with another record than the raw loop's: " + run.record;
            } else if (run.width != reference.width || run.rows != reference.rows) {
                m.error = "the page is " + std::to_string(run.width) + " x " + std::to_string(run.rows) +
                          ", the raw loop's " + std::to_string(reference.width) + " x " +
                          std::to_string(reference.rows);
            } else if (run.checksum != reference.checksum) {
                m.error = "the rows differ from the raw loop's";
            } else if (m.variant.indicators && run.thumbnailWindows + run.barWindows == 0) {
                m.error = "no progress window was shown";
            } else if (!m.variant.indicators && run.thumbnailWindows + run.barWindows != 0) {
                m.error = "a progress window was shown without CAP_INDICATORS";
            }
            if (!m.error.empty()) break;
        }
    }
}
