#include "bench/report.h"

#include "bench/targets.h"

#include <cstdarg>
#include <cstdio>

namespace {

std::string Line(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string Line(const char* format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return std::string(text) + "\n";
}

std::string Judged(const TargetCheck& check) {
    if (!check.applies) return "-";
    return check.limit + (check.met ? " PASS" : " MISS");
}

double Ratio(double value, double reference) { return reference > 0 ? value / reference : 0; }

double BestPageSeconds(const MethodMeasurement& m) {
    double best = 0;
    for (const RunResult& run : m.runs)
        if (best == 0 || run.pageSeconds < best) best = run.pageSeconds;
    return best;
}

std::string WindowsShown(const RunResult& run) {
    std::string text;
    if (run.thumbnailWindows > 0) text = std::to_string(run.thumbnailWindows) + " thumbnail";
    if (run.barWindows > 0) text += (text.empty() ? "" : ", ") + std::to_string(run.barWindows) + " bar";
    return text.empty() ? "none" : text;
}

// The transfers without progress windows, against the raw loop.
std::string TransferRows(const PageMeasurement& measurement) {
    const BenchPage& page = measurement.page;
    std::string text = Line("  %-10s %8s %6s %8s %6s %9s  %-12s %-14s %s", "method", "seconds", "x raw",
                            "page s", "x raw", "MB added", "block reads", "time target", "memory target");
    const MethodMeasurement* raw = measurement.Find(Variant{Method::kRaw, false});
    const bool haveRaw = raw && raw->Sound();
    const double rawSeconds = haveRaw ? raw->BestSeconds() : 0;
    const double rawPageSeconds = haveRaw ? BestPageSeconds(*raw) : 0;
    const MethodMeasurement* memory = measurement.Find(Variant{Method::kMemory, false});
    const uint64_t sessionBytes = memory && memory->Sound() ? memory->MostAddedBytes() : 0;
    for (const MethodMeasurement& m : measurement.methods) {
        if (m.variant.indicators) continue;
        const Method method = m.variant.method;
        if (!m.Sound()) {
            text += Line("  %-10s FAILED: %s", MethodName(method), m.error.c_str());
            continue;
        }
        const double seconds = m.BestSeconds();
        const double pageSeconds = BestPageSeconds(m);
        const uint64_t added = m.MostAddedBytes();
        const RunResult& first = m.runs.front();
        const std::string reads = std::to_string(first.blockReads) + " x " + std::to_string(first.blockLines);
        const TargetCheck time = haveRaw ? TimeTarget(method, Ratio(seconds, rawSeconds)) : TargetCheck();
        // Without the memory transfer's share the native target cannot be judged fairly.
        const TargetCheck memoryCheck = method == Method::kNative && sessionBytes == 0
                                            ? TargetCheck()
                                            : MemoryTarget(page, method, added, sessionBytes);
        text += Line("  %-10s %8.3f %6.3f %8.3f %6.3f %9.2f  %-12s %-14s %s", MethodName(method), seconds,
                     Ratio(seconds, rawSeconds), pageSeconds, Ratio(pageSeconds, rawPageSeconds),
                     added / kMegabyte, reads.c_str(), Judged(time).c_str(), Judged(memoryCheck).c_str());
    }
    return text;
}

// The transfers with progress windows, against the same transfer without them.
std::string IndicatorRows(const PageMeasurement& measurement) {
    std::string text =
        "  with progress windows (CAP_INDICATORS TRUE); x off: against the same transfer without\n";
    text += Line("  %-10s %8s %6s %8s %6s %9s  %-12s %-12s %s", "method", "seconds", "x off", "page s",
                 "x off", "MB added", "block reads", "windows", "time target");
    for (const MethodMeasurement& m : measurement.methods) {
        if (!m.variant.indicators) continue;
        const std::string name = VariantName(m.variant);
        if (!m.Sound()) {
            text += Line("  %-10s FAILED: %s", name.c_str(), m.error.c_str());
            continue;
        }
        const MethodMeasurement* off = measurement.Find(Variant{m.variant.method, false});
        const bool haveOff = off && off->Sound();
        const double offSeconds = haveOff ? off->BestSeconds() : 0;
        const double offPageSeconds = haveOff ? BestPageSeconds(*off) : 0;
        const double seconds = m.BestSeconds();
        const double pageSeconds = BestPageSeconds(m);
        const RunResult& first = m.runs.front();
        const std::string reads = std::to_string(first.blockReads) + " x " + std::to_string(first.blockLines);
        const TargetCheck time = haveOff ? IndicatorsTarget(Ratio(seconds, offSeconds)) : TargetCheck();
        text += Line("  %-10s %8.3f %6.3f %8.3f %6.3f %9.2f  %-12s %-12s %s", name.c_str(), seconds,
                     Ratio(seconds, offSeconds), pageSeconds, Ratio(pageSeconds, offPageSeconds),
                     m.MostAddedBytes() / kMegabyte, reads.c_str(), WindowsShown(first).c_str(),
                     Judged(time).c_str());
    }
    return text;
}

std::string PageTable(const PageMeasurement& measurement) {
    const BenchPage& page = measurement.page;
    const uint64_t pageBytes = static_cast<uint64_t>(PageRowBytes(page)) * PageLength(page);
    std::string text = Line("%s: %d x %d pixels, %d bit%s, %.2f MB of rows; blocks of %d rows (%d bytes)",
                            page.title, PageWidth(page), PageLength(page), PageBits(page),
                            PageBits(page) == 1 ? "" : "s", pageBytes / kMegabyte, PageBlockLines(page),
                            PageRowBytes(page) * PageBlockLines(page));
    text += TransferRows(measurement);
    text += IndicatorRows(measurement);
    bool allSound = true;
    for (const MethodMeasurement& m : measurement.methods) allSound = allSound && m.Sound();
    if (allSound)
        text += "  Every method started the scanner with the same record and delivered the same rows;\n"
                "  progress windows showed exactly when CAP_INDICATORS was TRUE.\n";
    return text;
}

// What loading the application's libraries took in the children, on average.
std::string LibraryNote(const std::vector<PageMeasurement>& pages) {
    double seconds = 0;
    double bytes = 0;
    int runs = 0;
    for (const PageMeasurement& page : pages)
        for (const MethodMeasurement& m : page.methods)
            for (const RunResult& run : m.runs) {
                seconds += run.librarySeconds;
                bytes += static_cast<double>(run.libraryBytes);
                ++runs;
            }
    if (runs == 0) return std::string();
    return Line("Before the baseline each child, playing a GUI application, has loaded GDI32, COMCTL32 and\n"
                "SHELL32 (which the data source links against; loading them took %.3f s and %.2f MB on\n"
                "average, not counted) and made its hidden window the foreground window.",
                seconds / runs, bytes / runs / kMegabyte);
}

}  // namespace

std::string FormatReport(const std::vector<PageMeasurement>& pages, int runsPerMethod,
                         const std::string& machineNote) {
    std::string text = "Tavix Scanner transfer benchmark\n";
    text += "Machine: " + machineNote + "\n";
    text += Line(
        "Each time is the best of %d run%s, each a fresh process, the methods taking turns.\n"
        "seconds: from loading the library (BRSVIO.DLL for raw, TAVIXSRC.ds otherwise) to unloading it.\n"
        "page s: from asking for the page (IO_StartScanPage, or the transfer triplet) to having it all.\n"
        "The bench's own checks of the rows are not timed. MB added: the highest private memory during\n"
        "the run less the amount before it, the largest of the runs (1 MB = 1,048,576 bytes). The native\n"
        "target allows, beyond its DIB and one block, what the memory transfer of the page added.\n"
        "Neutral tone, no end-of-page detection. The first rows of each page have the progress\n"
        "windows off (CAP_INDICATORS FALSE); the +ind rows have them on and shown, and windows\n"
        "counts those that were on the screen (thumbnail: template 330, bar: template 331).",
        runsPerMethod, runsPerMethod == 1 ? "" : "s");
    text += LibraryNote(pages);
    for (const PageMeasurement& page : pages) text += "\n" + PageTable(page);
    return text;
}
