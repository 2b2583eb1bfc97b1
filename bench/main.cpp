// tavix-bench: how much the data source's transfers cost next to the
// virtual scanner's raw block loop, in time and in memory, and what its
// progress windows add to them.
//
//   tavix-bench [--quick] [--runs N]   measure and print the report
//   tavix-bench --run PAGE METHOD      one measurement (the bench starts
//                                      itself this way for each run);
//                                      METHOD is raw, memory, file or
//                                      native, the last three also with
//                                      "+ind" for the progress windows on
#include "bench/bench_method.h"
#include "bench/bench_page.h"
#include "bench/child_process.h"
#include "bench/child_run.h"
#include "bench/machine_note.h"
#include "bench/measurement.h"
#include "bench/own_window_frames.h"
#include "bench/report.h"
#include "bench/run_result.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultRuns = 3;
constexpr int kMaxRuns = 100;
// Far more than the largest page takes; a child past it is stuck.
constexpr DWORD kChildTimeoutMs = 300000;

struct Options {
    bool quick = false;
    int runs = 0;  // 0: the default for the page set
};

void PrintUsage() {
    std::fprintf(stderr,
                 "usage: tavix-bench [--quick] [--runs N]\n"
                 "  --quick    two 75 dpi pages and one run each, to see that it works\n"
                 "  --runs N   runs per page and method, the best time counts (default %d)\n",
                 kDefaultRuns);
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--quick") {
            options.quick = true;
        } else if (arg == "--runs" && i + 1 < argc) {
            char* end = nullptr;
            const long runs = std::strtol(argv[++i], &end, 10);
            if (!end || *end != '\0' || runs < 1 || runs > kMaxRuns) return false;
            options.runs = static_cast<int>(runs);
        } else {
            return false;
        }
    }
    if (options.runs == 0) options.runs = options.quick ? 1 : kDefaultRuns;
    return true;
}

// The child's own line: its error, or the tail of whatever it printed.
std::string ChildFailure(const ChildOutcome& outcome) {
    const size_t error = outcome.output.find("ERROR ");
    std::string why = error != std::string::npos ? outcome.output.substr(error + 6) : outcome.output;
    while (!why.empty() && (why.back() == '\n' || why.back() == '\r')) why.pop_back();
    if (!outcome.finished) return "no answer within " + std::to_string(kChildTimeoutMs / 1000) + " s" +
                                  (why.empty() ? std::string() : ": " + why);
    if (why.empty()) why = "no output";
    return "exit code " + std::to_string(outcome.exitCode) + ": " + why;
}

// One run of one method; false, with the reason in `measurement`, when it failed.
bool MeasureOnce(const BenchPage& page, int run, int runs, MethodMeasurement& measurement) {
    const std::string name = VariantName(measurement.variant);
    std::fprintf(stderr, "bench: %s %s, run %d of %d ... ", page.name, name.c_str(), run, runs);
    std::fflush(stderr);
    ChildOutcome outcome;
    std::string error;
    RunResult result;
    if (!RunSelf(std::string("--run ") + page.name + " " + name, kChildTimeoutMs, outcome, error)) {
        measurement.error = error;
    } else if (!outcome.finished || outcome.exitCode != 0 || !ParseRunResult(outcome.output, result)) {
        measurement.error = ChildFailure(outcome);
    }
    if (!measurement.error.empty()) {
        std::fprintf(stderr, "failed: %s\n", measurement.error.c_str());
        measurement.runs.clear();
        return false;
    }
    std::fprintf(stderr, "%.3f s\n", result.seconds);
    measurement.runs.push_back(result);
    return true;
}

// The methods take turns, run after run, so that a busy spell of the machine
// falls on all of them alike rather than on one.
PageMeasurement MeasurePage(const BenchPage& page, int runs) {
    PageMeasurement measurement;
    measurement.page = page;
    for (const Variant& variant : kVariants) {
        MethodMeasurement m;
        m.variant = variant;
        measurement.methods.push_back(m);
    }
    for (int run = 1; run <= runs; ++run)
        for (MethodMeasurement& m : measurement.methods)
            if (m.error.empty()) MeasureOnce(page, run, runs, m);
    CompareWithRawLoop(measurement);
    return measurement;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--run") return RunChildMeasurement(argv[2], argv[3]);
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        PrintUsage();
        return 2;
    }
    // Every child scans with the virtual scanner as it starts.
    SetEnvironmentVariableA("BRSVIO_CONTROL", nullptr);
    SetEnvironmentVariableA("BRSVIO_LOG", nullptr);

    // The children show progress windows under Xvfb.
    const OwnWindowFrames frames;
    std::vector<PageMeasurement> pages;
    bool sound = true;
    for (const BenchPage& page : BenchPages(options.quick)) {
        PageMeasurement measurement = MeasurePage(page, options.runs);
        for (const MethodMeasurement& m : measurement.methods) sound = sound && m.Sound();
        pages.push_back(measurement);
    }
    std::printf("%s", FormatReport(pages, options.runs, MachineNote()).c_str());
    std::fflush(stdout);
    return sound ? 0 : 1;
}
