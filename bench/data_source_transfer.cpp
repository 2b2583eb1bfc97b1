#include "bench/data_source_transfer.h"

#include "bench/bitmap_check.h"
#include "bench/data_source_session.h"
#include "bench/row_checksum.h"
#include "bench/scanner_log.h"
#include "bench/stopwatch.h"
#include "datasource/capability_table.h"
#include "engine/scanner_io.h"
#include "framework/global_block.h"

#include <windows.h>

#include <cstring>
#include <utility>
#include <vector>

namespace {

// A file of the bench's, deleted when it goes whatever happened.
class ScratchFile {
public:
    explicit ScratchFile(std::string path) : path_(std::move(path)) {}
    ~ScratchFile() {
        if (!path_.empty()) DeleteFileA(path_.c_str());
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

std::string TransferFileName() {
    char folder[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder) return std::string();
    return std::string(folder) + "tavix-bench-" + std::to_string(GetCurrentProcessId()) + ".bmp";
}

TW_UINT16 PixelTypeOf(const BenchPage& page) {
    return page.scanMode == kScanModeColor ? TWPT_RGB : TWPT_BW;
}

TW_UINT16 MechanismOf(Method method) {
    switch (method) {
    case Method::kMemory: return TWSX_MEMORY;
    case Method::kFile: return TWSX_FILE;
    default: return TWSX_NATIVE;
    }
}

// State 4: everything the page needs, as an application negotiates it.
bool Negotiate(DataSourceSession& ds, const BenchPage& page, const Variant& variant,
               std::string& error) {
    TW_IMAGELAYOUT layout{};
    layout.Frame.Left = Fix32(kPageLeft / 100.0);
    layout.Frame.Top = Fix32(kPageTop / 100.0);
    layout.Frame.Right = Fix32(kPageRight / 100.0);
    layout.Frame.Bottom = Fix32(kPageBottom / 100.0);
    return ds.SetOneValue("ICAP_PIXELTYPE", ICAP_PIXELTYPE, TWTY_UINT16, PixelTypeOf(page), error) &&
           ds.SetFix32("ICAP_XRESOLUTION", ICAP_XRESOLUTION, page.dpi, error) &&
           ds.SetFix32("ICAP_YRESOLUTION", ICAP_YRESOLUTION, page.dpi, error) &&
           ds.SetOneValue("ICAP_XFERMECH", ICAP_XFERMECH, TWTY_UINT16, MechanismOf(variant.method),
                          error) &&
           ds.SetOneValue("CAP_INDICATORS", CAP_INDICATORS, TWTY_BOOL,
                          variant.indicators ? TRUE : FALSE, error) &&
           // The neutral tone of the raw loop's record, whatever the profile holds.
           ds.SetFix32("ICAP_BRIGHTNESS", ICAP_BRIGHTNESS, 0, error) &&
           ds.SetFix32("ICAP_CONTRAST", ICAP_CONTRAST, 0, error) &&
           ds.SetFix32("ICAP_GAMMA", ICAP_GAMMA, 1.0, error) &&
           ds.SetFix32("ICAP_HIGHLIGHT", ICAP_HIGHLIGHT, 255, error) &&
           ds.SetFix32("ICAP_SHADOW", ICAP_SHADOW, 0, error) &&
           ds.SetOneValue("filter", kCapFilter, TWTY_BOOL, FALSE, error) &&
           ds.SetOneValue("end-of-page detection", kCapDetectEndOfPage, TWTY_BOOL, FALSE, error) &&
           ds.Expect("DAT_IMAGELAYOUT MSG_SET", DG_IMAGE, DAT_IMAGELAYOUT, MSG_SET, &layout,
                     TWRC_SUCCESS, error);
}

bool SetFileName(DataSourceSession& ds, const std::string& path, std::string& error) {
    TW_SETUPFILEXFER setup{};
    if (path.empty() || path.size() >= sizeof setup.FileName) {
        error = "no usable name for the transferred file in the temporary folder";
        return false;
    }
    std::memcpy(setup.FileName, path.c_str(), path.size() + 1);
    setup.Format = TWFF_BMP;
    return ds.Expect("DAT_SETUPFILEXFER MSG_SET", DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &setup,
                     TWRC_SUCCESS, error);
}

// State 5 to 6, and the announcement the application waits for.
bool EnableForPage(DataSourceSession& ds, ApplicationWindow& window, std::string& error) {
    if (!ds.Enable(window.Handle(), error)) return false;
    WPARAM code = 0;
    if (window.TakeNotification(code) && code == MSG_XFERREADY) return true;
    error = "MSG_ENABLEDS posted no MSG_XFERREADY";
    return false;
}

bool ImageInfoFits(DataSourceSession& ds, const BenchPage& page, std::string& error) {
    TW_IMAGEINFO info{};
    if (!ds.Expect("DAT_IMAGEINFO", DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &info, TWRC_SUCCESS, error))
        return false;
    if (info.ImageWidth == PageWidth(page) && info.ImageLength == PageLength(page) &&
        info.BitsPerPixel == PageBits(page))
        return true;
    error = "DAT_IMAGEINFO describes " + std::to_string(info.ImageWidth) + " x " +
            std::to_string(info.ImageLength) + " at " + std::to_string(info.BitsPerPixel) + " bits";
    return false;
}

// DAT_IMAGEMEMXFER into one buffer of the preferred size, owned by the
// application, until the last strip; the rows are checked as they come.
bool TransferByMemory(DataSourceSession& ds, const BenchPage& page, Stopwatch& watch,
                      RowChecksum& checksum, std::string& error) {
    TW_SETUPMEMXFER setup{};
    if (!ds.Expect("DAT_SETUPMEMXFER", DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup, TWRC_SUCCESS, error))
        return false;
    if (setup.Preferred == 0) {
        error = "DAT_SETUPMEMXFER prefers an empty buffer";
        return false;
    }
    std::vector<uint8_t> buffer(setup.Preferred);
    const auto rowBytes = static_cast<TW_UINT32>(PageRowBytes(page));
    const int32_t length = PageLength(page);
    for (int32_t strips = 0; strips <= length; ++strips) {
        TW_IMAGEMEMXFER strip{};
        strip.Memory.Flags = TWMF_APPOWNS | TWMF_POINTER;
        strip.Memory.Length = static_cast<TW_UINT32>(buffer.size());
        strip.Memory.TheMem = buffer.data();
        const TW_UINT16 rc = ds.Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &strip);
        if (rc != TWRC_SUCCESS && rc != TWRC_XFERDONE) {
            error = "DAT_IMAGEMEMXFER answered " + std::to_string(rc) + " after " +
                    std::to_string(checksum.Rows()) + " rows";
            return false;
        }
        StopwatchPause pause(watch);
        if (strip.BytesPerRow != rowBytes || strip.YOffset != static_cast<TW_UINT32>(checksum.Rows()) ||
            static_cast<uint64_t>(strip.Rows) * rowBytes > buffer.size() ||
            strip.Columns != static_cast<TW_UINT32>(PageWidth(page))) {
            error = "strip " + std::to_string(strips) + " has " + std::to_string(strip.Rows) +
                    " rows of " + std::to_string(strip.BytesPerRow) + " bytes at row " +
                    std::to_string(strip.YOffset);
            return false;
        }
        checksum.AddRows(buffer.data(), static_cast<int32_t>(strip.Rows), static_cast<int32_t>(rowBytes));
        if (rc == TWRC_XFERDONE) return true;
    }
    error = "DAT_IMAGEMEMXFER never answered TWRC_XFERDONE";
    return false;
}

bool ReadLogOfLoadedScanner(ScannerLogSummary& log, std::string& error) {
    const HMODULE scanner = GetModuleHandleA(kScannerLibraryName);
    if (!scanner) {
        error = "the data source has no scanner library loaded";
        return false;
    }
    return ReadScannerLog(scanner, log, error);
}

}  // namespace

bool RunDataSourceTransfer(const BenchPage& page, const Variant& variant,
                           const std::string& programFolder, ApplicationWindow& window,
                           MemoryMeter& meter, RunResult& result, std::string& error) {
    const Method method = variant.method;
    if (!window.Handle()) {
        error = "the application window cannot be created";
        return false;
    }
    ScratchFile file(method == Method::kFile ? TransferFileName() : std::string());
    RowChecksum checksum(PagePixelBytes(page));
    ScannerLogSummary log;
    GlobalBlock dib;

    Stopwatch watch;
    DataSourceSession ds;
    if (!ds.Load(programFolder + "TAVIXSRC.ds", error) || !ds.Open(error) ||
        !Negotiate(ds, page, variant, error))
        return false;
    if (method == Method::kFile && !SetFileName(ds, file.Path(), error)) return false;
    if (!EnableForPage(ds, window, error) || !ImageInfoFits(ds, page, error)) return false;

    const double pageStart = watch.Seconds();
    switch (method) {
    case Method::kMemory:
        if (!TransferByMemory(ds, page, watch, checksum, error)) return false;
        break;
    case Method::kFile:
        if (!ds.Expect("DAT_IMAGEFILEXFER", DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, nullptr,
                       TWRC_XFERDONE, error))
            return false;
        break;
    case Method::kNative: {
        TW_HANDLE handle = nullptr;
        if (!ds.Expect("DAT_IMAGENATIVEXFER", DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &handle,
                       TWRC_XFERDONE, error))
            return false;
        // The block is the application's now.
        dib.Reset(static_cast<HGLOBAL>(handle));
        break;
    }
    case Method::kRaw:
        error = "the raw loop does not go through the data source";
        return false;
    }
    result.pageSeconds = watch.Seconds() - pageStart;
    {
        StopwatchPause pause(watch);
        if (!ReadLogOfLoadedScanner(log, error)) return false;
    }
    if (!ds.EndTransfer(error) || !ds.Disable(window.Handle(), error) || !ds.Close(error)) return false;
    ds.Unload();
    watch.Pause();
    result.seconds = watch.Seconds();
    result.baselineBytes = meter.Baseline();
    result.peakBytes = meter.Peak();

    if (method == Method::kFile && !ChecksumBitmapFile(file.Path(), page, checksum, error)) return false;
    if (method == Method::kNative) {
        GlobalBlockLock lock(dib.Get());
        if (!lock) {
            error = "the native transfer's handle is no global memory block";
            return false;
        }
        if (!ChecksumPackedDib(lock.Bytes(), lock.Size(), page, checksum, error)) return false;
    }
    result.width = PageWidth(page);
    result.rows = checksum.Rows();
    result.checksum = checksum.Value();
    result.blockReads = log.blockReads;
    result.blockLines = log.blockLines;
    result.record = log.record;
    if (result.rows != PageLength(page)) {
        error = "the transfer delivered " + std::to_string(result.rows) + " rows, not " +
                std::to_string(PageLength(page));
        return false;
    }
    return true;
}
