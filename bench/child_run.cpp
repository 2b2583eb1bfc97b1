#include "bench/child_run.h"

#include "bench/application_window.h"
#include "bench/bench_method.h"
#include "bench/bench_page.h"
#include "bench/data_source_transfer.h"
#include "bench/memory_meter.h"
#include "bench/message_box_closer.h"
#include "bench/program_folder.h"
#include "bench/progress_window_watch.h"
#include "bench/raw_block_loop.h"
#include "bench/run_result.h"
#include "bench/stopwatch.h"
#include "framework/handles.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

// System libraries the data source links against beyond those of the bench:
// any application with windows and file dialogs has them loaded already, so
// they are loaded before the baseline, and what that took is only reported.
const char* const kApplicationLibraries[] = {"gdi32.dll", "comctl32.dll", "shell32.dll"};

std::vector<ModuleHandle> LoadApplicationLibraries(RunResult& result) {
    std::vector<ModuleHandle> libraries;
    const uint64_t before = PrivateBytesNow();
    Stopwatch watch;
    for (const char* name : kApplicationLibraries) libraries.emplace_back(LoadLibraryA(name));
    result.librarySeconds = watch.Seconds();
    const uint64_t after = PrivateBytesNow();
    result.libraryBytes = after > before ? after - before : 0;
    return libraries;
}

std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

int RunChildMeasurement(const std::string& pageName, const std::string& methodName) {
    BenchPage page{};
    Variant variant{Method::kRaw, false};
    if (!FindBenchPage(pageName, page) || !ParseVariant(methodName, variant)) {
        std::printf("ERROR unknown page or method: %s %s\n", pageName.c_str(), methodName.c_str());
        return 2;
    }
    const std::string folder = ProgramFolder();
    const std::string scannerFolder = folder + "scanner\\";
    // The virtual scanner as it starts: one Letter test sheet, no faults, no log file.
    SetEnvironmentVariableA("BRSVIO_CONTROL", nullptr);
    SetEnvironmentVariableA("BRSVIO_LOG", nullptr);
    PutScannerOnPath(scannerFolder);

    RunResult result;
    const std::vector<ModuleHandle> libraries = LoadApplicationLibraries(result);
    ApplicationWindow window;
    window.Activate();
    MessageBoxCloser closer(GetCurrentThreadId());
    // In every run, so that the runs without progress windows carry the hook too.
    ProgressWindowWatch windows;
    std::string error;
    bool ok = windows.Watching();
    if (!ok) error = "the progress windows cannot be watched: no CBT hook";
    if (ok) {
        MemoryMeter meter;
        ok = variant.method == Method::kRaw
                 ? RunRawBlockLoop(page, scannerFolder, meter, result, error)
                 : RunDataSourceTransfer(page, variant, folder, window, meter, result, error);
    }
    result.thumbnailWindows = windows.Thumbnails();
    result.barWindows = windows.Bars();
    if (!ok) {
        const std::string boxes = closer.Texts();
        std::printf("ERROR %s%s%s\n", OneLine(error).c_str(), boxes.empty() ? "" : "; message box: ",
                    OneLine(boxes).c_str());
        std::fflush(stdout);
        return 1;
    }
    std::printf("%s\n", FormatRunResult(result).c_str());
    std::fflush(stdout);
    return 0;
}
