#include "bench/targets.h"

#include <cstdio>

namespace {

constexpr double kMemoryTimeLimit = 1.05;
constexpr double kBitmapTimeLimit = 1.5;
constexpr double kIndicatorsTimeLimit = 1.10;
constexpr uint64_t kStreamingMemoryLimit = 4ull << 20;

std::string Text(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

TargetCheck TimeTarget(Method method, double ratioToRaw) {
    TargetCheck check;
    if (method == Method::kRaw) return check;
    const double limit = method == Method::kMemory ? kMemoryTimeLimit : kBitmapTimeLimit;
    check.applies = true;
    check.met = ratioToRaw <= limit;
    check.limit = Text("<= %.2fx", limit);
    return check;
}

TargetCheck IndicatorsTarget(double ratioToWithout) {
    TargetCheck check;
    check.applies = true;
    check.met = ratioToWithout <= kIndicatorsTimeLimit;
    check.limit = Text("<= %.2fx", kIndicatorsTimeLimit);
    return check;
}

TargetCheck MemoryTarget(const BenchPage& page, Method method, uint64_t addedBytes,
                         uint64_t sessionBytes) {
    TargetCheck check;
    if (method == Method::kNative) {
        const uint64_t limit = sessionBytes + PageDibBytes(page) +
                               static_cast<uint64_t>(PageRowBytes(page)) * PageBlockLines(page);
        check.applies = true;
        check.met = addedBytes <= limit;
        check.limit = Text("<= %.2f MB", limit / kMegabyte);
    } else if ((method == Method::kMemory || method == Method::kFile) && page.large) {
        check.applies = true;
        check.met = addedBytes < kStreamingMemoryLimit;
        check.limit = Text("< %.0f MB", kStreamingMemoryLimit / kMegabyte);
    }
    return check;
}
