// Reading a sheet: the check before an acquisition and the pre-scan that
// reads the whole sheet into the page store to find where the page ends.
#pragma once

#include "engine/scan_settings.h"

#include <cstdint>

class CWnd;
struct ScanContext;

// Calibrates first when the scanner asks for it, then asks for paper when
// none is at the sensor; false when the user declined.
bool CheckPaper(const ScanContext& scan, const CWnd* owner);

// The page the scan is reading, as the data source holds it.
struct PageInProgress {
    int32_t& imageWidth;     // pixels per line
    int32_t& imageLength;    // lines; shortened to the sheet's end
    int32_t acquireResult;   // result of an earlier pre-scan of this sheet
};

// Reads the current sheet (both sides when DoubleSided) into the page store
// and returns its ScanError. A failed pre-scan is not repeated and one
// already done is not read again. On failure the store is emptied; the
// sheet is ended in every case.
int PrescanPage(const ScanContext& scan, const CWnd* owner, const ScanSettings& settings,
                bool showProgress, PageInProgress page);
