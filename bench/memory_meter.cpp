#include "bench/memory_meter.h"

#include <psapi.h>

#include <algorithm>

namespace {

constexpr DWORD kSampleMilliseconds = 1;

PROCESS_MEMORY_COUNTERS_EX Counters() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters))
        return PROCESS_MEMORY_COUNTERS_EX{};
    return counters;
}

}  // namespace

uint64_t PrivateBytesNow() {
    const PROCESS_MEMORY_COUNTERS_EX counters = Counters();
    return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
}

MemoryMeter::MemoryMeter() : baseline_(PrivateBytesNow()) {
    highest_ = baseline_;
    stop_.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    // Without the thread the peak is only what the counters say at the end.
    if (stop_) thread_.Reset(CreateThread(nullptr, 0, SampleLoop, this, 0, nullptr));
}

MemoryMeter::~MemoryMeter() { Peak(); }

void MemoryMeter::Sample() {
    highest_ = std::max(highest_, PrivateBytesNow());
}

DWORD WINAPI MemoryMeter::SampleLoop(void* self) {
    auto* meter = static_cast<MemoryMeter*>(self);
    do {
        meter->Sample();
    } while (WaitForSingleObject(meter->stop_.Get(), kSampleMilliseconds) == WAIT_TIMEOUT);
    return 0;
}

uint64_t MemoryMeter::Peak() {
    if (!stopped_) {
        stopped_ = true;
        if (thread_) {
            SetEvent(stop_.Get());
            WaitForSingleObject(thread_.Get(), INFINITE);
        }
        Sample();
        const PROCESS_MEMORY_COUNTERS_EX counters = Counters();
        highest_ = std::max<uint64_t>(highest_, counters.PeakPagefileUsage);
    }
    return highest_;
}
