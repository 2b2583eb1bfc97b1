#include "e2e/scanner_replay.h"

#include "framework/handles.h"
#include "framework/proc_address.h"
#include "scanner-sim/brsvio.h"
#include "support/build_tree.h"
#include "support/scanner_call_log.h"

#include <windows.h>

#include <cstdlib>
#include <sstream>

namespace {

struct Scanner {
    ModuleHandle module;
    BRSVIO_Reset_Fn Reset = nullptr;
    BRSVIO_Configure_Fn Configure = nullptr;
    IO_StartScanPage_Fn StartScanPage = nullptr;
    IO_GetImageBlock_Fn GetImageBlock = nullptr;
    IO_FeedPage_Fn FeedPage = nullptr;

    bool Complete() const { return Reset && Configure && StartScanPage && GetImageBlock && FeedPage; }
};

// Loaded once; the library keeps one scanner per process.
const Scanner* LoadedScanner() {
    static Scanner scanner = [] {
        Scanner s;
        s.module = ModuleHandle(LoadLibraryA(BuildTreePath("bin/scanner/BRSVIO.DLL").c_str()));
        const HMODULE m = s.module.Get();
        if (!m) return s;
        s.Reset = ProcAddress<BRSVIO_Reset_Fn>(m, "BRSVIO_Reset");
        s.Configure = ProcAddress<BRSVIO_Configure_Fn>(m, "BRSVIO_Configure");
        s.StartScanPage = ProcAddress<IO_StartScanPage_Fn>(m, "IO_StartScanPage");
        s.GetImageBlock = ProcAddress<IO_GetImageBlock_Fn>(m, "IO_GetImageBlock");
        s.FeedPage = ProcAddress<IO_FeedPage_Fn>(m, "IO_FeedPage");
        return s;
    }();
    return scanner.Complete() ? &scanner : nullptr;
}

// The number after "name=" in a log line, or -1.
int32_t Field(const std::string& line, const std::string& name) {
    const size_t at = line.find(" " + name + "=");
    if (at == std::string::npos) return -1;
    return static_cast<int32_t>(std::strtol(line.c_str() + at + name.size() + 2, nullptr, 10));
}

int32_t RowBytes(int scanMode, int32_t width) {
    const int bits = scanMode == BRSVIO_MODE_COLOR ? 24 : scanMode == BRSVIO_MODE_GRAY ? 8 : 1;
    return ((bits * width + 31) / 32) * 4;
}

bool ScanAgain(const Scanner& scanner, const std::string& line, ReplayedPage& page, std::string& error) {
    std::vector<uint8_t> record;
    if (!StartScanPageRecord(line, record) || record.size() != BRSVIO_RECORD_SIZE) {
        error = "unreadable record in: " + line;
        return false;
    }
    page.scanMode = record[BRSVIO_OFFSET_SCANMODE] | (record[BRSVIO_OFFSET_SCANMODE + 1] << 8);
    page.edge = Field(line, "edge");
    int32_t width = 0;
    int32_t lines = 0;
    if (!scanner.StartScanPage(record.data(), &width, &lines)) {
        error = "the scanner refuses the record again: " + line;
        return false;
    }
    if (width != Field(line, "width") || lines != Field(line, "lines")) {
        error = "the page has another size this time: " + line;
        return false;
    }
    page.width = width;
    page.lines = lines;
    page.stride = RowBytes(page.scanMode, width);
    page.rows.assign(static_cast<size_t>(page.stride) * lines, 0);
    int32_t done = 0;
    int emptyAnswers = 0;
    while (done < lines) {
        int32_t endOfPage = 0;
        const int32_t want = lines - done < 256 ? lines - done : 256;
        const int32_t got = scanner.GetImageBlock(page.rows.data() + static_cast<size_t>(done) * page.stride,
                                                  want, &endOfPage, width, 0);
        // A scanner may hold the rows back for a while (empty_blocks).
        if (got < 0 || (got == 0 && (endOfPage || ++emptyAnswers > 100000))) {
            error = "the scanner stopped at row " + std::to_string(done);
            return false;
        }
        done += got;
    }
    return true;
}

}  // namespace

bool ReplayScannerLog(const std::string& log, const ScannerSettingList& settings,
                      std::vector<ReplayedPage>& pages, std::string& error) {
    pages.clear();
    const Scanner* scanner = LoadedScanner();
    if (!scanner) {
        error = "BRSVIO.DLL of the build tree could not be loaded";
        return false;
    }
    scanner->Reset();
    for (const auto& setting : settings) {
        if (!scanner->Configure(setting.first.c_str(), setting.second.c_str())) {
            error = "the scanner refuses " + setting.first + "=" + setting.second;
            return false;
        }
    }
    std::istringstream stream(log);
    std::string line;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("IO_FeedPage", 0) == 0) {
            scanner->FeedPage();
        } else if (line.rfind("IO_StartScanPage settings=", 0) == 0 &&
                   line.find(" -> 1 ") != std::string::npos) {
            ReplayedPage page;
            if (!ScanAgain(*scanner, line, page, error)) return false;
            pages.push_back(std::move(page));
        }
    }
    if (pages.empty()) error = "no page was started";
    return !pages.empty();
}
