#include "engine/acquisition.h"

#include "engine/acquisition_ui.h"
#include "engine/block_reader.h"
#include "engine/engine_host.h"
#include "engine/lines_per_block.h"
#include "engine/owner_disabled.h"
#include "engine/page_bracket.h"
#include "engine/page_store.h"
#include "engine/pixel_rows.h"
#include "engine/scan_error.h"
#include "engine/scanner_io.h"
#include "framework/wnd.h"
#include "localization/language.h"
#include "localization/text_table.h"

#include <algorithm>
#include <memory>

namespace {

const char kCaption[] = "Tavix Scanner";

int Ask(const CWnd* owner, const LocalizedText& entry, UINT type) {
    std::string text;
    LoadText(GetLanguage(), entry, text);
    return ::MessageBoxA(owner ? owner->GetSafeHwnd() : nullptr, text.c_str(), kCaption, type);
}

int ReadRowsOfSide(const ScannerIo& io, int side, int32_t stride, int32_t rowsPerBlock,
                   RowProgress* progress, PageInProgress& page) {
    PageStore& store = ModulePageStore();
    BlockReader reader(io, page.imageWidth, side, stride, rowsPerBlock);
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

int ReadSide(const CWnd* owner, const ScannerIo& io, const ScanSettings& settings,
             bool showProgress, int side, int32_t stride, int32_t rowsPerBlock,
             PageInProgress& page) {
    if (!ModulePageStore().SelectSlot(side)) return kScanFileError;
    std::unique_ptr<OwnerDisabled> disabled;
    std::unique_ptr<RowProgress> progress;
    if (showProgress) {
        disabled = std::make_unique<OwnerDisabled>(owner);
        if (AcquisitionUi* ui = CurrentAcquisitionUi())
            progress = ui->OpenRowProgress(owner, settings.ScanMode, page.imageWidth, page.imageLength);
    }
    int result = ReadRowsOfSide(io, side, stride, rowsPerBlock, progress.get(), page);
    // The owner comes back before its progress window goes, so that the
    // activation returns to it.
    disabled.reset();
    progress.reset();
    return result;
}

}  // namespace

bool CheckPaper(const CWnd* owner) {
    EngineHost* host = CurrentEngineHost();
    if (!host) return false;
    const ScannerIo& io = host->Scanner();
    if (io.IsCalibrationNeeded()) {
        AcquisitionUi* ui = CurrentAcquisitionUi();
        if (!ui || !ui->CalibrateBeforeScan(owner)) return false;
    }
    if (!io.IsPaperOn(false)) {
        if (Ask(owner, texts::InsertItemToScan, MB_OKCANCEL) != IDOK) return false;
        if (!io.IsPaperOn(false) &&
            Ask(owner, texts::PaperNotDetectedContinue, MB_YESNO | MB_DEFBUTTON2) != IDYES)
            return false;
    }
    return true;
}

int PrescanPage(const CWnd* owner, const ScanSettings& settings, bool showProgress,
                PageInProgress page) {
    if (page.acquireResult != kScanOk) return page.acquireResult;
    PageStore& store = ModulePageStore();
    if (store.HasRows()) return page.acquireResult;
    EngineHost* host = CurrentEngineHost();
    if (!host || StartPage(settings) != 0) return kScanScannerError;

    const int32_t stride = BytesPerLine(ScanModeBits(settings.ScanMode), page.imageWidth);
    const int32_t rowsPerBlock = LinesPerBlock(settings);
    int result = kScanOk;
    if (stride <= 0 || !store.SetRowBytes(stride)) result = kScanFileError;
    for (int side = 0; result == kScanOk && side < (settings.DoubleSided ? 2 : 1); ++side)
        result = ReadSide(owner, host->Scanner(), settings, showProgress, side, stride, rowsPerBlock,
                          page);
    // Rows of a sheet that was not read whole are never served.
    if (result != kScanOk) store.ClearStore();
    EndPage();
    return result;
}
