#include "engine/scan_to_bitmap.h"

#include "engine/acquisition_ui.h"
#include "engine/bitmap_file.h"
#include "engine/block_reader.h"
#include "engine/engine_host.h"
#include "engine/lines_per_block.h"
#include "engine/owner_disabled.h"
#include "engine/page_bracket.h"
#include "engine/page_store.h"
#include "engine/pixel_rows.h"
#include "engine/scan_error.h"
#include "engine/scanner_io.h"
#include "framework/handles.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

namespace {

// The progress window of one bitmap and its disabled owner. Members go in
// reverse order, so the owner comes back before its window goes and the
// activation returns to it.
struct ProgressWindows {
    std::unique_ptr<RowProgress> rows;
    std::unique_ptr<BarProgress> bar;
    std::unique_ptr<OwnerDisabled> disabled;
};

// Rows read back from the current store slot; the bar shows the share done.
class StoreRows {
public:
    StoreRows(PageStore& store, BarProgress* bar, int32_t height)
        : store_(store), bar_(bar), height_(height) {}

    int Fetch(uint8_t* buffer, int32_t& count) {
        if (store_.ReadRows(buffer, count) != kPageStoreOk) return kScanFileError;
        done_ += count;
        if (bar_ && !bar_->SetPercent(static_cast<int>(static_cast<int64_t>(done_) * 100 / height_)))
            return kScanCancelled;
        return kScanOk;
    }

private:
    PageStore& store_;
    BarProgress* bar_;
    int32_t height_;
    int32_t done_ = 0;
};

// Rows read from the scanner, without an end-of-page flag: the page is as
// long as announced; the thumbnail shows them.
class ScannerRows {
public:
    ScannerRows(const ScannerIo& io, int32_t width, int side, RowProgress* progress)
        : reader_(io, width, side), progress_(progress) {}

    int Fetch(uint8_t* buffer, int32_t& count) {
        const int rows = reader_.Read(buffer, count, nullptr);
        // More rows than asked for cannot have fitted the block.
        if (rows < 0 || rows > count) return kScanScannerError;
        count = rows;
        if (progress_ && !progress_->AddRows(buffer, rows)) return kScanCancelled;
        return kScanOk;
    }

private:
    BlockReader reader_;
    RowProgress* progress_;
};

bool WriteBlock(HANDLE file, const uint8_t* bytes, int64_t size) {
    DWORD written = 0;
    return WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr) &&
           written == static_cast<DWORD>(size);
}

template <typename Source>
int WriteBlocks(HANDLE file, Source& source, const BitmapPage& page, int bits, int32_t stride,
                int32_t rowsPerBlock, std::vector<uint8_t>& buffer) {
    int32_t remaining = page.length;
    while (remaining > 0) {
        int32_t rows = std::min(rowsPerBlock, remaining);
        if (const int result = source.Fetch(buffer.data(), rows); result != kScanOk) return result;
        ReverseRows(buffer.data(), rows, stride);
        if (bits == 24) SwapRedBlue(buffer.data(), rows, page.width, stride);
        // Each block goes just in front of the one before it, counted from the
        // end of the pre-sized file and from the rows delivered so far, so the
        // first row scanned becomes the last row of the file: the top of a
        // bottom-up bitmap. A short block leaves the next one in its place.
        const int64_t done = static_cast<int64_t>(page.length) - remaining + rows;
        LARGE_INTEGER back{};
        back.QuadPart = -done * stride;
        if (!SetFilePointerEx(file, back, nullptr, FILE_END) ||
            !WriteBlock(file, buffer.data(), static_cast<int64_t>(rows) * stride))
            return kScanFileError;
        remaining -= rows;
    }
    return kScanOk;
}

// Fills the pixel area of the open, pre-sized file from the chosen source.
int FillBitmap(HANDLE file, bool fromStore, const CWnd* owner, const ScanSettings& settings,
               bool showProgress, const BitmapPage& page, int side) {
    const int bits = ScanModeBits(settings.ScanMode);
    const int32_t stride = BytesPerLine(bits, page.width);
    PageStore& store = ModulePageStore();
    EngineHost* host = CurrentEngineHost();
    if (fromStore) {
        if (!store.SelectSlot(side)) return kScanFileError;
        // Rows stored for another width would be cut at the wrong places; a
        // slot read before starts again at its first row.
        if (page.length > 0 && (store.RowBytes() != stride || store.Rewind() != kPageStoreOk))
            return kScanFileError;
    } else if (!host || StartPage(settings) != 0) {
        return kScanScannerError;
    }

    int32_t rowsPerBlock = LinesPerBlock(settings);
    if (rowsPerBlock > 4 && rowsPerBlock % 2 == 0) --rowsPerBlock;
    std::vector<uint8_t> buffer;
    try {
        buffer.resize(static_cast<size_t>(rowsPerBlock) * static_cast<size_t>(stride));
    } catch (const std::bad_alloc&) {
        return kScanOutOfMemory;
    }

    ProgressWindows windows;
    if (showProgress) {
        windows.disabled = std::make_unique<OwnerDisabled>(owner);
        if (AcquisitionUi* ui = CurrentAcquisitionUi()) {
            if (fromStore)
                windows.bar = ui->OpenBarProgress(owner);
            else
                windows.rows = ui->OpenRowProgress(owner, settings.ScanMode, page.width, page.length);
        }
    }
    if (fromStore) {
        StoreRows source(store, windows.bar.get(), page.length);
        return WriteBlocks(file, source, page, bits, stride, rowsPerBlock, buffer);
    }
    ScannerRows source(host->Scanner(), page.width, side, windows.rows.get());
    return WriteBlocks(file, source, page, bits, stride, rowsPerBlock, buffer);
}

int WriteBitmap(bool fromStore, const CWnd* owner, const char* path, const ScanSettings& settings,
                bool showProgress, const BitmapPage& page, int side) {
    const int created =
        CreateBitmapFile(path, ScanModeBits(settings.ScanMode), settings.DPI, page.width, page.length);
    if (created < 0) return kScanOutOfMemory;
    if (created == kBitmapFileFailed) return kScanFileError;

    UniqueHandle file(CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    int result = file ? FillBitmap(file.Get(), fromStore, owner, settings, showProgress, page, side)
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

int ScanToBitmapFile(bool fromStore, const CWnd* owner, const char* path,
                     const ScanSettings& settings, bool showProgress, const BitmapPage& page) {
    const int side = BitmapSide(settings, page.pendingXfers);
    const int result = WriteBitmap(fromStore, owner, path, settings, showProgress, page, side);
    // The back of the same sheet follows: neither the sheet nor the store is closed.
    if (result == kScanOk && settings.DoubleSided && side == 0) return kScanOk;
    if (fromStore)
        ModulePageStore().ClearStore();
    else
        EndPage();
    return result;
}

int WriteTransferBitmap(const CWnd* owner, const char* path, const ScanSettings& settings,
                        bool showProgress, PageInProgress page, int32_t pendingXfers) {
    if (settings.DetectEOP) {
        const int result = PrescanPage(owner, settings, showProgress, page);
        if (result != kScanOk) return result;
        return ScanToBitmapFile(true, owner, path, settings, showProgress,
                                BitmapPage{page.imageWidth, page.imageLength, pendingXfers});
    }
    const int result = ScanToBitmapFile(false, owner, path, settings, showProgress,
                                        BitmapPage{page.imageWidth, page.imageLength, pendingXfers});
    if (EngineHost* host = CurrentEngineHost()) host->Scanner().EndScan();
    return result;
}
