// The acquisition's user interface made of the data source's own windows:
// the calibration-only dialog, the thumbnail progress window for rows read
// from the scanner and the bar progress window for rows from the page store.
#pragma once

#include "engine/acquisition_ui.h"

class ScannerIo;

class DialogAcquisitionUi : public AcquisitionUi {
public:
    // `io` is the scanner the calibration dialog works with.
    explicit DialogAcquisitionUi(const ScannerIo& io) : io_(io) {}

    bool CalibrateBeforeScan(const CWnd* owner) override;
    std::unique_ptr<RowProgress> OpenRowProgress(const CWnd* owner, int16_t scanMode, int32_t width,
                                                 int32_t length) override;
    std::unique_ptr<BarProgress> OpenBarProgress(const CWnd* owner) override;

private:
    const ScannerIo& io_;
};
