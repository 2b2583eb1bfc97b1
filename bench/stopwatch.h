// Wall time by QueryPerformanceCounter, with pauses for the bench's own
// checking work, which no application would do.
#pragma once

#include <windows.h>

#include <cstdint>

class Stopwatch {
public:
    Stopwatch() { Resume(); }

    void Pause() {
        if (!running_) return;
        elapsed_ += Now() - started_;
        running_ = false;
    }
    void Resume() {
        if (running_) return;
        started_ = Now();
        running_ = true;
    }
    double Seconds() const {
        const int64_t ticks = elapsed_ + (running_ ? Now() - started_ : 0);
        return static_cast<double>(ticks) / static_cast<double>(Frequency());
    }

    static int64_t Frequency() {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return frequency.QuadPart;
    }

private:
    static int64_t Now() {
        LARGE_INTEGER counter{};
        QueryPerformanceCounter(&counter);
        return counter.QuadPart;
    }

    int64_t started_ = 0;
    int64_t elapsed_ = 0;
    bool running_ = false;
};

// Pauses a stopwatch for as long as it lives.
class StopwatchPause {
public:
    explicit StopwatchPause(Stopwatch& watch) : watch_(watch) { watch_.Pause(); }
    ~StopwatchPause() { watch_.Resume(); }
    StopwatchPause(const StopwatchPause&) = delete;
    StopwatchPause& operator=(const StopwatchPause&) = delete;

private:
    Stopwatch& watch_;
};
