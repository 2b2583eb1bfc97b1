#include "engine/page_reader.h"

#include "engine/page_bracket.h"
#include "engine/page_store.h"
#include "engine/scan_context.h"
#include "engine/scan_error.h"

#include <new>

PageReader::PageReader(const ScanContext& scan, PageSource source, const PageSide& page)
    : scan_(scan), source_(source), page_(page) {}

int PageReader::Open(const ScanSettings& settings, int32_t rowsPerBlock) {
    rowsPerBlock_ = rowsPerBlock;
    if (source_ == PageSource::Scanner) {
        scanner_ = std::make_unique<BlockReader>(scan_.Io, page_.width, page_.side, page_.rowBytes, rowsPerBlock);
        if (!scanner_->Ready()) return kScanOutOfMemory;
        return scan_.Sheet.Start(settings) == 0 ? kScanOk : kScanScannerError;
    }
    PageStore& store = scan_.Store;
    // Rows stored for another width would be cut at the wrong places; a slot
    // read before starts again at its first row.
    if (!store.SelectSlot(page_.side) ||
        (page_.length > 0 && (store.RowBytes() != page_.rowBytes || store.Rewind() != kPageStoreOk)))
        return kScanFileError;
    try {
        stored_.resize(static_cast<size_t>(rowsPerBlock) * static_cast<size_t>(page_.rowBytes));
    } catch (const std::bad_alloc&) {
        return kScanOutOfMemory;
    }
    return kScanOk;
}

void PageReader::ShowProgress(const CWnd* owner, int16_t scanMode) {
    ownerDisabled_ = std::make_unique<OwnerDisabled>(owner);
    AcquisitionUi* windows = scan_.Windows;
    if (!windows) return;
    if (source_ == PageSource::Store)
        barProgress_ = windows->OpenBarProgress(owner);
    else
        rowProgress_ = windows->OpenRowProgress(owner, scanMode, page_.width, page_.length);
}

int PageReader::Next(int32_t& rows, uint8_t*& block, int32_t* endOfPage) {
    if (source_ == PageSource::Scanner) {
        const int read = scanner_->Read(rows, endOfPage);
        if (read < 0) return kScanScannerError;
        rows = read;
        block = scanner_->Rows();
        if (rowProgress_ && !rowProgress_->AddRows(block, rows)) return kScanCancelled;
        return kScanOk;
    }
    block = stored_.data();
    if (scan_.Store.ReadRows(block, rows) != kPageStoreOk) return kScanFileError;
    rowsDone_ += rows;
    if (barProgress_ && page_.length > 0 &&
        !barProgress_->SetPercent(static_cast<int>(static_cast<int64_t>(rowsDone_) * 100 / page_.length)))
        return kScanCancelled;
    return kScanOk;
}

void PageReader::ExpectInput() {
    if (rowProgress_) rowProgress_->ExpectInput();
    if (barProgress_) barProgress_->ExpectInput();
}
