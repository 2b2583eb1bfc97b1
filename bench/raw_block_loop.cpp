#include "bench/raw_block_loop.h"

#include "bench/row_checksum.h"
#include "bench/scanner_log.h"
#include "bench/stopwatch.h"
#include "engine/block_reader.h"
#include "engine/scanner_io.h"
#include "framework/handles.h"
#include "framework/proc_address.h"
#include "scanner-sim/brsvio.h"

#include <windows.h>

#include <vector>

namespace {

struct ScannerFunctions {
    IO_OpenInterface_Fn openInterface;
    IO_CloseInterface_Fn closeInterface;
    IO_StartScan_Fn startScan;
    IO_EndScan_Fn endScan;
    IO_StartScanPage_Fn startScanPage;
    IO_EndScanPage_Fn endScanPage;
    IO_FeedPage_Fn feedPage;
    IO_GetImageBlock_Fn getImageBlock;
};

bool Resolve(HMODULE library, ScannerFunctions& f, std::string& error) {
    f.openInterface = ProcAddress<IO_OpenInterface_Fn>(library, "IO_OpenInterface");
    f.closeInterface = ProcAddress<IO_CloseInterface_Fn>(library, "IO_CloseInterface");
    f.startScan = ProcAddress<IO_StartScan_Fn>(library, "IO_StartScan");
    f.endScan = ProcAddress<IO_EndScan_Fn>(library, "IO_EndScan");
    f.startScanPage = ProcAddress<IO_StartScanPage_Fn>(library, "IO_StartScanPage");
    f.endScanPage = ProcAddress<IO_EndScanPage_Fn>(library, "IO_EndScanPage");
    f.feedPage = ProcAddress<IO_FeedPage_Fn>(library, "IO_FeedPage");
    f.getImageBlock = ProcAddress<IO_GetImageBlock_Fn>(library, "IO_GetImageBlock");
    if (f.openInterface && f.closeInterface && f.startScan && f.endScan && f.startScanPage &&
        f.endScanPage && f.feedPage && f.getImageBlock)
        return true;
    error = "BRSVIO.DLL lacks one of the IO_ functions the loop calls";
    return false;
}

}  // namespace

bool RunRawBlockLoop(const BenchPage& page, const std::string& scannerFolder, MemoryMeter& meter,
                     RunResult& result, std::string& error) {
    const ScanSettings record = ScannerRecord(page);
    const int32_t width = PageWidth(page);
    const int32_t rowBytes = PageRowBytes(page);
    const int32_t lines = PageBlockLines(page);
    RowChecksum checksum(PagePixelBytes(page));
    ScannerLogSummary log;

    Stopwatch watch;
    const std::string path = scannerFolder + kScannerLibraryName;
    ModuleHandle library(LoadLibraryA(path.c_str()));
    if (!library) {
        error = "cannot load " + path + ", error " + std::to_string(GetLastError());
        return false;
    }
    ScannerFunctions io{};
    if (!Resolve(library.Get(), io, error)) return false;
    if (io.openInterface(kScannerModel) != 0) {
        error = "IO_OpenInterface failed";
        return false;
    }
    if (io.startScan() == 0) {
        error = "IO_StartScan failed";
        return false;
    }
    const double pageStart = watch.Seconds();
    int32_t announcedWidth = 0;
    int32_t announcedLines = 0;
    if (io.startScanPage(&record, &announcedWidth, &announcedLines) == 0) {
        error = "IO_StartScanPage failed";
        return false;
    }

    std::vector<uint8_t> block(static_cast<size_t>(rowBytes) * static_cast<size_t>(lines));
    int32_t rows = 0;
    int32_t endOfPage = 0;
    int empty = 0;
    while (!endOfPage) {
        // The low 16 bits, signed, as the data source reads the answer.
        const int delivered = static_cast<int16_t>(
            io.getImageBlock(block.data(), lines, &endOfPage, width, 0) & 0xFFFF);
        if (delivered < 0 || delivered > lines) {
            error = "IO_GetImageBlock answered " + std::to_string(delivered) + " after " +
                    std::to_string(rows) + " rows";
            return false;
        }
        // As many empty answers in a row as the data source puts up with.
        empty = delivered == 0 ? empty + 1 : 0;
        if (!endOfPage && empty >= BlockReader::kMaxEmptyAnswers) {
            error = "the scanner stopped delivering rows after " + std::to_string(rows);
            return false;
        }
        {
            StopwatchPause pause(watch);
            checksum.AddRows(block.data(), delivered, rowBytes);
        }
        rows += delivered;
        if (rows > PageLength(page)) {
            error = "the scanner delivered more than the page's " + std::to_string(PageLength(page)) + " rows";
            return false;
        }
    }
    result.pageSeconds = watch.Seconds() - pageStart;
    io.endScanPage();
    io.feedPage();
    io.endScan();
    {
        StopwatchPause pause(watch);
        if (!ReadScannerLog(library.Get(), log, error)) return false;
    }
    io.closeInterface();
    library.Reset();
    watch.Pause();
    result.seconds = watch.Seconds();
    result.baselineBytes = meter.Baseline();
    result.peakBytes = meter.Peak();

    result.width = announcedWidth;
    result.rows = rows;
    result.checksum = checksum.Value();
    result.blockReads = log.blockReads;
    result.blockLines = log.blockLines;
    result.record = log.record;
    if (log.record != RecordHex(record)) {
        error = "the scanner's log shows another record than the loop gave it: " + log.record;
        return false;
    }
    if (announcedWidth != width || rows != PageLength(page)) {
        error = "the scanner gave " + std::to_string(announcedWidth) + " x " + std::to_string(rows) +
                " pixels, not " + std::to_string(width) + " x " + std::to_string(PageLength(page));
        return false;
    }
    return true;
}
