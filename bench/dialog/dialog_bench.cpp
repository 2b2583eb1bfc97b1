// tavix-dialog-bench: how long the scanner dialog takes to appear and to
// answer, against a bare property sheet of four empty pages made in the same
// run. Each run is a fresh process, as an application starting a scan; the
// report gives the median of the runs. It asserts no timings.
//
//   tavix-dialog-bench [--quick] [--runs N]
//   tavix-dialog-bench --run          one run (the bench starts itself so)
#include "bench/child_process.h"
#include "bench/dialog/dialog_run.h"
#include "bench/machine_note.h"
#include "bench/own_window_frames.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultRuns = 7;
constexpr int kMaxRuns = 100;
constexpr DWORD kChildTimeoutMs = 120000;

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

bool ParseRuns(int argc, char** argv, int& runs) {
    runs = kDefaultRuns;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--quick") {
            runs = 1;
        } else if (arg == "--runs" && i + 1 < argc) {
            char* end = nullptr;
            const long value = std::strtol(argv[++i], &end, 10);
            if (!end || *end != '\0' || value < 1 || value > kMaxRuns) return false;
            runs = static_cast<int>(value);
        } else {
            return false;
        }
    }
    return true;
}

void PrintRow(const char* what, double ms, double bare) {
    std::printf("%-52s %9.1f %8.2f\n", what, ms, bare > 0 ? ms / bare : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--run") return RunDialogMeasurement();
    int runs = 0;
    if (!ParseRuns(argc, argv, runs)) {
        std::fprintf(stderr, "usage: tavix-dialog-bench [--quick] [--runs N]\n"
                             "  --quick    one run, to see that it works\n"
                             "  --runs N   runs, the median counts (default %d)\n",
                     kDefaultRuns);
        return 2;
    }
    // Without a window manager Wine waits two seconds whenever a window is
    // hidden, which the language switch does; no desktop charges that.
    const OwnWindowFrames frames;
    std::vector<DialogTimes> measured;
    for (int run = 1; run <= runs; ++run) {
        std::fprintf(stderr, "dialog bench: run %d of %d ... ", run, runs);
        ChildOutcome outcome;
        std::string error;
        DialogTimes times;
        if (!RunSelf("--run", kChildTimeoutMs, outcome, error)) {
            std::fprintf(stderr, "failed: %s\n", error.c_str());
            return 1;
        }
        if (!outcome.finished || outcome.exitCode != 0 || !ParseDialogTimes(outcome.output, times)) {
            std::fprintf(stderr, "failed: %s\n", outcome.finished ? outcome.output.c_str() : "no answer in time");
            return 1;
        }
        std::fprintf(stderr, "open %.0f ms\n", times.open);
        measured.push_back(times);
    }
    auto median = [&](double DialogTimes::*field) {
        std::vector<double> values;
        for (const DialogTimes& times : measured) values.push_back(times.*field);
        return Median(values);
    };
    const double bare = median(&DialogTimes::bareSheet);
    std::printf("The scanner dialog against a bare property sheet (median of %d runs)\n\n", runs);
    std::printf("%-52s %9s %8s\n", "", "ms", "x bare");
    PrintRow("bare sheet, four empty pages: made to painted", bare, bare);
    PrintRow("MSG_ENABLEDS (ShowUI) to the scanner sheet painted", median(&DialogTimes::open), bare);
    PrintRow("language lamp clicked to the new sheet painted", median(&DialogTimes::languageSwitch), bare);
    PrintRow("preset clicked to MSG_XFERREADY", median(&DialogTimes::presetToXferReady), bare);
    std::printf("\nms: the median over the runs; x bare: against the bare sheet of the same runs. The preset\n"
                "row covers the sheet's closing, the scanner's start and the page size; the page itself is\n"
                "read by the transfer that follows.\n%s\n",
                MachineNote().c_str());
    return 0;
}
