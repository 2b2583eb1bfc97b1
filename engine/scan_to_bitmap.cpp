#include "engine/scan_to_bitmap.h"

#include "engine/acquisition_ui.h"
#include "engine/bitmap_file.h"
#include "engine/block_reader.h"
#include "engine/lines_per_block.h"
#include "engine/page_bracket.h"
#include "engine/page_store.h"
#include "engine/pixel_rows.h"
#include "engine/scan_context.h"
#include "engine/scan_error.h"
#include "engine/scanner_io.h"
#include "framework/handles.h"
#include "framework/owner_disabled.h"

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

// Rows read back from the current store slot into a block of its own; the
// bar shows the share done.
class StoreRows {
public:
    StoreRows(PageStore& store, int32_t height) : store_(store), height_(height) {}

    void ShowProgress(const ProgressWindows& windows) { bar_ = windows.bar.get(); }

    // Room for `rows` rows of `stride` bytes; false when there is no memory for it.
    bool Allocate(int32_t rows, int32_t stride) {
        try {
            buffer_.resize(static_cast<size_t>(rows) * static_cast<size_t>(stride));
        } catch (const std::bad_alloc&) {
            return false;
        }
        return true;
    }

    int Fetch(int32_t& count, uint8_t*& rows) {
        rows = buffer_.data();
        if (store_.ReadRows(rows, count) != kPageStoreOk) return kScanFileError;
        done_ += count;
        if (bar_ && !bar_->SetPercent(static_cast<int>(static_cast<int64_t>(done_) * 100 / height_)))
            return kScanCancelled;
        return kScanOk;
    }

private:
    PageStore& store_;
    BarProgress* bar_ = nullptr;
    int32_t height_;
    int32_t done_ = 0;
    std::vector<uint8_t> buffer_;
};

// Rows read from the scanner, without an end-of-page flag: the page is as
// long as announced; the thumbnail shows them.
class ScannerRows {
public:
    ScannerRows(const ScannerIo& io, int32_t width, int side, int32_t stride, int32_t rowsPerBlock)
        : reader_(io, width, side, stride, rowsPerBlock) {}

    bool Ready() const { return reader_.Ready(); }
    void ShowProgress(const ProgressWindows& windows) { progress_ = windows.rows.get(); }

    int Fetch(int32_t& count, uint8_t*& rows) {
        const int read = reader_.Read(count, nullptr);
        if (read < 0) return kScanScannerError;
        count = read;
        rows = reader_.Rows();
        if (progress_ && !progress_->AddRows(rows, count)) return kScanCancelled;
        return kScanOk;
    }

private:
    BlockReader reader_;
    RowProgress* progress_ = nullptr;
};

bool WriteBlock(HANDLE file, const uint8_t* bytes, int64_t size) {
    DWORD written = 0;
    return WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr) &&
           written == static_cast<DWORD>(size);
}

template <typename Source>
int WriteBlocks(HANDLE file, Source& source, const BitmapPage& page, int bits, int32_t stride,
                int32_t rowsPerBlock) {
    int32_t remaining = page.length;
    while (remaining > 0) {
        int32_t rows = std::min(rowsPerBlock, remaining);
        uint8_t* block = nullptr;
        if (const int result = source.Fetch(rows, block); result != kScanOk) return result;
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

// Fills the pixel area of the open, pre-sized file from the chosen source.
int FillBitmap(const ScanContext& scan, HANDLE file, bool fromStore, const CWnd* owner,
               const ScanSettings& settings, bool showProgress, const BitmapPage& page, int side) {
    const int bits = ScanModeBits(settings.ScanMode);
    const int32_t stride = BytesPerLine(bits, page.width);
    PageStore& store = scan.Store;
    if (fromStore) {
        if (!store.SelectSlot(side)) return kScanFileError;
        // Rows stored for another width would be cut at the wrong places; a
        // slot read before starts again at its first row.
        if (page.length > 0 && (store.RowBytes() != stride || store.Rewind() != kPageStoreOk))
            return kScanFileError;
    } else if (scan.Sheet.Start(settings) != 0) {
        return kScanScannerError;
    }

    int32_t rowsPerBlock = LinesPerBlock(settings);
    if (rowsPerBlock > 4 && rowsPerBlock % 2 == 0) --rowsPerBlock;

    // The progress window comes once there is memory to read the rows into.
    ProgressWindows windows;
    auto openWindows = [&]() {
        if (!showProgress) return;
        windows.disabled = std::make_unique<OwnerDisabled>(owner);
        if (AcquisitionUi* ui = scan.Windows) {
            if (fromStore)
                windows.bar = ui->OpenBarProgress(owner);
            else
                windows.rows = ui->OpenRowProgress(owner, settings.ScanMode, page.width, page.length);
        }
    };
    if (fromStore) {
        StoreRows source(store, page.length);
        if (!source.Allocate(rowsPerBlock, stride)) return kScanOutOfMemory;
        openWindows();
        source.ShowProgress(windows);
        return WriteBlocks(file, source, page, bits, stride, rowsPerBlock);
    }
    ScannerRows source(scan.Io, page.width, side, stride, rowsPerBlock);
    if (!source.Ready()) return kScanOutOfMemory;
    openWindows();
    source.ShowProgress(windows);
    return WriteBlocks(file, source, page, bits, stride, rowsPerBlock);
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
