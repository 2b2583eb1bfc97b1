// The current page as a bitmap file, written straight from the scanner or
// from a side already held in the page store: native and file transfers and
// the preview deliver their pages this way.
#pragma once

#include "engine/acquisition.h"
#include "engine/scan_settings.h"

#include <cstdint>

class CWnd;

// The page as the data source holds it when its bitmap is written.
struct BitmapPage {
    int32_t width;         // ImageWidth: pixels per line
    int32_t length;        // ImageLength: lines
    int32_t pendingXfers;  // PendingXfers: picks the side of a double-sided sheet
};

// The side a bitmap is read from: 1 (the back) for a double-sided sheet while
// the number of pending transfers is odd (a negative one: not a multiple of
// 2), otherwise 0.
int BitmapSide(const ScanSettings& settings, int32_t pendingXfers);

// Writes the page into a bottom-up bitmap file at `path` (created or
// replaced) and returns its ScanError. With `fromStore` the rows come from the
// page store (after PrescanPage), otherwise from the scanner. `owner` is
// disabled while a progress window is shown (`showProgress`). On any failure
// the file is deleted and the sheet is ended (or the store emptied); on
// success so it is too, except after the front of a double-sided sheet,
// whose back follows.
int ScanToBitmapFile(const ScanContext& scan, bool fromStore, const CWnd* owner, const char* path,
                     const ScanSettings& settings, bool showProgress, const BitmapPage& page);

// The bitmap of a native or file transfer. With DetectEOP the sheet is
// pre-scanned into the store first (shortening the page to the sheet) and the
// bitmap is written from there; otherwise it is written straight from the
// scanner and the scan is ended with IO_EndScan afterwards. The result is
// what the data source keeps as AcquireResult.
int WriteTransferBitmap(const ScanContext& scan, const CWnd* owner, const char* path,
                        const ScanSettings& settings, bool showProgress, PageInProgress page,
                        int32_t pendingXfers);
