#include "engine/acquisition.h"

#include "engine/acquisition_ui.h"
#include "engine/block_reader.h"
#include "engine/lines_per_block.h"
#include "engine/page_bracket.h"
#include "engine/page_store.h"
#include "engine/pixel_rows.h"
#include "engine/scan_context.h"
#include "engine/scan_error.h"
#include "engine/scanner_io.h"
#include "engine/user_messages.h"
#include "framework/owner_disabled.h"
#include "framework/wnd.h"
#include "localization/text_table.h"

#include <algorithm>
#include <memory>

namespace {

int Ask(const CWnd* owner, const LocalizedText& entry, UINT type) {
    return AskUser(owner ? owner->GetSafeHwnd() : nullptr, entry, type);
}

int ReadRowsOfSide(const ScanContext& scan, int side, int32_t stride, int32_t rowsPerBlock,
                   RowProgress* progress, PageInProgress& page) {
    PageStore& store = scan.Store;
    BlockReader reader(scan.Io, page.imageWidth, side, stride, rowsPerBlock);
    if (!reader.Ready()) return kScanOutOfMemory;
    int32_t remaining = page.imageLength;
    while (remaining > 0) {
        int32_t endOfPage = 0;
        int rows = reader.Read(std::min(rowsPerBlock, remaining), &endOfPage);
        if (rows < 0) return kScanScannerError;
        if (progress && !progress->AddRows(reader.Rows(), rows)) return kScanCancelled;
        if (store.WriteRows(reader.Rows(), rows) != kPageStoreOk) return kScanFileError;
        remaining -= rows;
        if (endOfPage) {
            page.imageLength -= remaining;
            remaining = 0;
        }
    }
    return kScanOk;
}

int ReadSide(const ScanContext& scan, const CWnd* owner, const ScanSettings& settings,
             bool showProgress, int side, int32_t stride, int32_t rowsPerBlock,
             PageInProgress& page) {
    if (!scan.Store.SelectSlot(side)) return kScanFileError;
    std::unique_ptr<OwnerDisabled> disabled;
    std::unique_ptr<RowProgress> progress;
    if (showProgress) {
        disabled = std::make_unique<OwnerDisabled>(owner);
        if (scan.Windows)
            progress = scan.Windows->OpenRowProgress(owner, settings.ScanMode, page.imageWidth, page.imageLength);
    }
    int result = ReadRowsOfSide(scan, side, stride, rowsPerBlock, progress.get(), page);
    // The owner comes back before its progress window goes, so that the
    // activation returns to it.
    disabled.reset();
    progress.reset();
    return result;
}

}  // namespace

bool CheckPaper(const ScanContext& scan, const CWnd* owner) {
    const ScannerIo& io = scan.Io;
    if (io.IsCalibrationNeeded()) {
        if (!scan.Windows || !scan.Windows->CalibrateBeforeScan(owner)) return false;
    }
    if (!io.IsPaperOn(false)) {
        if (Ask(owner, texts::InsertItemToScan, MB_OKCANCEL) != IDOK) return false;
        if (!io.IsPaperOn(false) &&
            Ask(owner, texts::PaperNotDetectedContinue, MB_YESNO | MB_DEFBUTTON2) != IDYES)
            return false;
    }
    return true;
}

int PrescanPage(const ScanContext& scan, const CWnd* owner, const ScanSettings& settings,
                bool showProgress, PageInProgress page) {
    if (page.acquireResult != kScanOk) return page.acquireResult;
    PageStore& store = scan.Store;
    if (store.HasRows()) return page.acquireResult;
    if (scan.Sheet.Start(settings) != 0) return kScanScannerError;

    const int32_t stride = BytesPerLine(ScanModeBits(settings.ScanMode), page.imageWidth);
    const int32_t rowsPerBlock = LinesPerBlock(settings);
    int result = kScanOk;
    if (stride <= 0 || !store.SetRowBytes(stride)) result = kScanFileError;
    for (int side = 0; result == kScanOk && side < (settings.DoubleSided ? 2 : 1); ++side)
        result = ReadSide(scan, owner, settings, showProgress, side, stride, rowsPerBlock, page);
    // Rows of a sheet that was not read whole are never served.
    if (result != kScanOk) store.ClearStore();
    scan.Sheet.End();
    return result;
}
