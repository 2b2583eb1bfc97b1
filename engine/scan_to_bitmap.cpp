#include "engine/scan_to_bitmap.h"

#include "engine/bitmap_file.h"
#include "engine/lines_per_block.h"
#include "engine/page_bracket.h"
#include "engine/page_reader.h"
#include "engine/page_store.h"
#include "engine/pixel_rows.h"
#include "engine/scan_context.h"
#include "engine/scan_error.h"
#include "engine/scanner_io.h"
#include "framework/handles.h"

#include <windows.h>

#include <algorithm>

namespace {

bool WriteBlock(HANDLE file, const uint8_t* bytes, int64_t size) {
    DWORD written = 0;
    return WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr) &&
           written == static_cast<DWORD>(size);
}

int WriteBlocks(HANDLE file, PageReader& reader, const BitmapPage& page, int bits, int32_t stride) {
    int32_t remaining = page.length;
    while (remaining > 0) {
        int32_t rows = std::min(reader.RowsPerBlock(), remaining);
        uint8_t* block = nullptr;
        if (const int result = reader.Next(rows, block); result != kScanOk) return result;
        ReverseRows(block, rows, stride);
        if (bits == 24) SwapRedBlue(block, rows, page.width, stride);
        // Each block goes just in front of the one before it, counted from the
        // end of the pre-sized file and from the rows delivered so far, so the
        // first row scanned becomes the last row of the file: the top of a
        // bottom-up bitmap. A short block leaves the next one in its place.
        const int64_t done = static_cast<int64_t>(page.length) - remaining + rows;
        LARGE_INTEGER back{};
        back.QuadPart = -done * stride;
        if (!SetFilePointerEx(file, back, nullptr, FILE_END) ||
            !WriteBlock(file, block, static_cast<int64_t>(rows) * stride))
            return kScanFileError;
        remaining -= rows;
    }
    return kScanOk;
}

// Fills the pixel area of the open, pre-sized file from the chosen source;
// the progress window comes once there is memory to read the rows into.
int FillBitmap(const ScanContext& scan, HANDLE file, bool fromStore, const CWnd* owner,
               const ScanSettings& settings, bool showProgress, const BitmapPage& page, int side) {
    const int bits = ScanModeBits(settings.ScanMode);
    const int32_t stride = BytesPerLine(bits, page.width);
    int32_t rowsPerBlock = LinesPerBlock(settings);
    if (rowsPerBlock > 4 && rowsPerBlock % 2 == 0) --rowsPerBlock;
    PageReader reader(scan, fromStore ? PageSource::Store : PageSource::Scanner,
                      PageSide{side, page.width, page.length, stride});
    if (const int opened = reader.Open(settings, rowsPerBlock); opened != kScanOk) return opened;
    if (showProgress) reader.ShowProgress(owner, settings.ScanMode);
    return WriteBlocks(file, reader, page, bits, stride);
}

int WriteBitmap(const ScanContext& scan, bool fromStore, const CWnd* owner, const char* path,
                const ScanSettings& settings, bool showProgress, const BitmapPage& page, int side) {
    const int created =
        CreateBitmapFile(path, ScanModeBits(settings.ScanMode), settings.DPI, page.width, page.length);
    if (created < 0) return kScanOutOfMemory;
    if (created == kBitmapFileFailed) return kScanFileError;

    UniqueHandle file(CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    int result = file ? FillBitmap(scan, file.Get(), fromStore, owner, settings, showProgress, page, side)
                      : kScanFileError;
    if (file && !CloseHandle(file.Release()) && result == kScanOk) result = kScanFileError;
    // A page that was not written whole is no image; under the application's
    // file name it would pass for one.
    if (result != kScanOk) DeleteFileA(path);
    return result;
}

}  // namespace

int BitmapSide(const ScanSettings& settings, int32_t pendingXfers) {
    return settings.DoubleSided && pendingXfers % 2 != 0 ? 1 : 0;
}

int ScanToBitmapFile(const ScanContext& scan, bool fromStore, const CWnd* owner, const char* path,
                     const ScanSettings& settings, bool showProgress, const BitmapPage& page) {
    const int side = BitmapSide(settings, page.pendingXfers);
    const int result = WriteBitmap(scan, fromStore, owner, path, settings, showProgress, page, side);
    // The back of the same sheet follows: neither the sheet nor the store is closed.
    if (result == kScanOk && settings.DoubleSided && side == 0) return kScanOk;
    if (fromStore)
        scan.Store.ClearStore();
    else
        scan.Sheet.End();
    return result;
}

int WriteTransferBitmap(const ScanContext& scan, const CWnd* owner, const char* path,
                        const ScanSettings& settings, bool showProgress, PageInProgress page,
                        int32_t pendingXfers) {
    if (settings.DetectEOP) {
        const int result = PrescanPage(scan, owner, settings, showProgress, page);
        if (result != kScanOk) return result;
        return ScanToBitmapFile(scan, true, owner, path, settings, showProgress,
                                BitmapPage{page.imageWidth, page.imageLength, pendingXfers});
    }
    const int result = ScanToBitmapFile(scan, false, owner, path, settings, showProgress,
                                        BitmapPage{page.imageWidth, page.imageLength, pendingXfers});
    scan.Io.EndScan();
    return result;
}
