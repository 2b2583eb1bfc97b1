#include "engine/acquisition.h"

#include "engine/acquisition_ui.h"
#include "engine/lines_per_block.h"
#include "engine/page_bracket.h"
#include "engine/page_reader.h"
#include "engine/page_store.h"
#include "engine/pixel_rows.h"
#include "engine/scan_context.h"
#include "engine/scan_error.h"
#include "engine/scanner_io.h"
#include "engine/user_messages.h"
#include "framework/wnd.h"
#include "localization/text_table.h"

#include <algorithm>

namespace {

int Ask(const CWnd* owner, const LocalizedText& entry, UINT type) {
    return AskUser(owner ? owner->GetSafeHwnd() : nullptr, entry, type);
}

// Reads one side from the scanner into the store's current slot; the page
// ends early where the scanner flags its end.
int ReadSide(const ScanContext& scan, const CWnd* owner, const ScanSettings& settings,
             bool showProgress, int side, int32_t stride, int32_t rowsPerBlock,
             PageInProgress& page) {
    PageStore& store = scan.Store;
    if (!store.SelectSlot(side)) return kScanFileError;
    PageReader reader(scan, PageSource::Scanner, PageSide{side, page.imageWidth, page.imageLength, stride});
    if (const int opened = reader.Open(settings, rowsPerBlock); opened != kScanOk) return opened;
    if (showProgress) reader.ShowProgress(owner, settings.ScanMode);
    int32_t remaining = page.imageLength;
    while (remaining > 0) {
        int32_t rows = std::min(rowsPerBlock, remaining);
        uint8_t* block = nullptr;
        int32_t endOfPage = 0;
        if (const int result = reader.Next(rows, block, &endOfPage); result != kScanOk) return result;
        if (store.WriteRows(block, rows) != kPageStoreOk) return kScanFileError;
        remaining -= rows;
        if (endOfPage) {
            page.imageLength -= remaining;
            remaining = 0;
        }
    }
    return kScanOk;
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
