#include "ui/dialog_acquisition_ui.h"

#include "resources/progress_window_ids.h"
#include "ui/bar_progress_dialog.h"
#include "ui/calibration_dialog.h"
#include "ui/thumbnail_progress_dialog.h"

namespace {

class ThumbnailRowProgress : public RowProgress {
public:
    ThumbnailRowProgress(const CWnd* owner, int16_t scanMode, int32_t width, int32_t length)
        : window_(owner, IDD_THUMBNAIL_PROGRESS, scanMode, width, length) {}
    bool AddRows(const uint8_t* rows, int32_t count) override { return window_.AddRows(rows, count); }
    void ExpectInput() override { window_.ExpectInput(); }

private:
    ThumbnailProgressDialog window_;
};

class BarWindowProgress : public BarProgress {
public:
    explicit BarWindowProgress(const CWnd* owner) : window_(owner) {}
    bool SetPercent(int percent) override { return window_.SetPercent(percent); }
    void ExpectInput() override { window_.ExpectInput(); }

private:
    BarProgressDialog window_;
};

}  // namespace

bool DialogAcquisitionUi::CalibrateBeforeScan(const CWnd* owner) {
    // Calibration only, captioned "Calibration Page".
    return CalibrationDialog(io_, owner, kCalibrateOnly, 0);
}

std::unique_ptr<RowProgress> DialogAcquisitionUi::OpenRowProgress(const CWnd* owner, int16_t scanMode,
                                                                  int32_t width, int32_t length) {
    return std::make_unique<ThumbnailRowProgress>(owner, scanMode, width, length);
}

std::unique_ptr<BarProgress> DialogAcquisitionUi::OpenBarProgress(const CWnd* owner) {
    return std::make_unique<BarWindowProgress>(owner);
}
