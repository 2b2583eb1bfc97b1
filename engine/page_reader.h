// One side of a page read block by block, for the memory transfer, the
// bitmap file and the pre-scan alike: rows come from the scanner, or back
// from the page store slot a pre-scan filled. While the reader lives and
// progress is shown, the owner window is disabled and the progress window
// shows the rows as they come (the growing page for scanner rows, a bar for
// stored ones); when it goes, the owner is given back first, so that the
// activation returns to it, and then the window goes.
//
// The sheet bracket and the store outlive the reader: the back of a
// double-sided sheet follows with the same ones, and the caller ends them.
#pragma once

#include "engine/acquisition_ui.h"
#include "engine/block_reader.h"
#include "engine/scan_context.h"
#include "framework/owner_disabled.h"

#include <cstdint>
#include <memory>
#include <vector>

class CWnd;
struct ScanSettings;

enum class PageSource { Scanner, Store };

struct PageSide {
    int side;          // 0 the front, 1 the back
    int32_t width;     // pixels per row
    int32_t length;    // rows of the page
    int32_t rowBytes;  // bytes per row, padding included
};

class PageReader {
public:
    PageReader(const ScanContext& scan, PageSource source, const PageSide& page);
    PageReader(const PageReader&) = delete;
    PageReader& operator=(const PageReader&) = delete;

    // Gets ready to deliver at most `rowsPerBlock` rows at a time. Scanner
    // rows: the block is allocated, then the sheet is started with
    // `settings` (a started sheet goes on). Stored rows: the side's slot is
    // selected and, for a page with rows, checked for this row size and
    // rewound; then the block is allocated. kScanOk or the scan error;
    // nothing is shown before it succeeds.
    int Open(const ScanSettings& settings, int32_t rowsPerBlock);
    // Disables `owner` and opens the progress window the source calls for,
    // when the scan has windows at all.
    void ShowProgress(const CWnd* owner, int16_t scanMode);
    // Reads up to `rows` rows (at most the block) and shows them: `rows`
    // becomes the rows delivered, `block` points at them (writable until the
    // next read). `endOfPage` (may be null) gets the scanner's flag; stored
    // rows never set it. kScanCancelled once the user has cancelled.
    int Next(int32_t& rows, uint8_t*& block, int32_t* endOfPage = nullptr);
    // The application had control since the last block: the progress window
    // looks for the user at the next one.
    void ExpectInput();

    int32_t RowsPerBlock() const { return rowsPerBlock_; }

private:
    ScanContext scan_;
    PageSource source_;
    PageSide page_;
    int32_t rowsPerBlock_ = 0;
    int32_t rowsDone_ = 0;
    std::unique_ptr<BlockReader> scanner_;
    std::vector<uint8_t> stored_;
    // Declared in reverse order of going: the owner comes back before its
    // progress window is destroyed.
    std::unique_ptr<RowProgress> rowProgress_;
    std::unique_ptr<BarProgress> barProgress_;
    std::unique_ptr<OwnerDisabled> ownerDisabled_;
};
