// Private memory of this process: the amount before a piece of work and the
// highest amount while it ran.
//
// On Windows PROCESS_MEMORY_COUNTERS_EX.PrivateUsage and PeakPagefileUsage
// are the commit charge and its peak. Wine 8 leaves PrivateUsage 0 and fills
// PagefileUsage and PeakPagefileUsage alike with the anonymous memory resident
// at the moment of the call, so there is no peak to read afterwards; a thread
// therefore samples PagefileUsage every millisecond while the work runs and
// the peak is the highest of its samples and of the counters read at the end.
#pragma once

#include "framework/handles.h"

#include <windows.h>

#include <cstdint>

class MemoryMeter {
public:
    // Reads the baseline and starts sampling.
    MemoryMeter();
    ~MemoryMeter();
    MemoryMeter(const MemoryMeter&) = delete;
    MemoryMeter& operator=(const MemoryMeter&) = delete;

    uint64_t Baseline() const { return baseline_; }
    // Stops sampling and returns the peak; later calls return the same.
    uint64_t Peak();

private:
    static DWORD WINAPI SampleLoop(void* self);
    void Sample();

    uint64_t baseline_ = 0;
    // Written by the sampling thread alone until it has ended.
    uint64_t highest_ = 0;
    UniqueHandle stop_;
    UniqueHandle thread_;
    bool stopped_ = false;
};

// Private bytes now: PrivateUsage, or PagefileUsage where PrivateUsage is 0
// (Wine).
uint64_t PrivateBytesNow();
