// What reading a sheet needs from the user interface: the calibration dialog,
// the progress window that shows the page as it grows, and the bar shown
// while a stored page is read back. The engine does not know the windows:
// its caller hands them down in the ScanContext (the data source its own,
// tests theirs).
#pragma once

#include <cstdint>
#include <memory>

class CWnd;

class RowProgress {
public:
    virtual ~RowProgress() = default;
    // Shows the next block of scanner rows; false once the user has cancelled.
    virtual bool AddRows(const uint8_t* rows, int32_t count) = 0;
    // The application had control since the last block: look for the user
    // with the next one.
    virtual void ExpectInput() {}
};

class BarProgress {
public:
    virtual ~BarProgress() = default;
    // Reports `percent` of the rows read back; false once the user has cancelled.
    virtual bool SetPercent(int percent) = 0;
    // As RowProgress::ExpectInput.
    virtual void ExpectInput() {}
};

class AcquisitionUi {
public:
    // Calibrates before a scan (the calibration-only dialog); false when it
    // did not succeed or the user cancelled.
    virtual bool CalibrateBeforeScan(const CWnd* owner) = 0;
    // A progress window with the growing page, or null when none can be made.
    virtual std::unique_ptr<RowProgress> OpenRowProgress(const CWnd* owner, int16_t scanMode,
                                                         int32_t width, int32_t length) = 0;
    // A progress bar for rows read back from the page store, or null when
    // none can be made.
    virtual std::unique_ptr<BarProgress> OpenBarProgress(const CWnd* owner) = 0;

protected:
    ~AcquisitionUi() = default;
};

