// DG_IMAGE / DAT_IMAGELAYOUT: the scan frame of Settings in inches.
#include "datasource/data_source_app.h"
#include "datasource/fix32.h"
#include "datasource/operations.h"
#include "datasource/page_prescan.h"
#include "engine/scan_error.h"

#include <cmath>

namespace {

void FillLayout(TW_IMAGELAYOUT& layout, float left, float top, float right, float bottom) {
    layout.Frame.Left = FloatToFix32(left);
    layout.Frame.Top = FloatToFix32(top);
    layout.Frame.Right = FloatToFix32(right);
    layout.Frame.Bottom = FloatToFix32(bottom);
    // One document, one page, one frame: the source never numbers them.
    layout.DocumentNumber = 1;
    layout.PageNumber = 1;
    layout.FrameNumber = 1;
}

void FillCurrentFrame(const CDataSourceApp& app, TW_IMAGELAYOUT& layout) {
    const ScanSettings& s = app.Settings;
    FillLayout(layout, s.Left / 100.0f, s.Top / 100.0f, s.Right / 100.0f, s.Bottom / 100.0f);
}

// Hundredths of an inch; the frame is widened outwards by half a hundredth
// on each side before the fraction is dropped.
int TowardsTopLeft(TW_FIX32 inches) {
    return static_cast<int>(std::trunc(static_cast<double>(Fix32ToFloat(inches)) * 100.0 - 0.5));
}
int TowardsBottomRight(TW_FIX32 inches) {
    return static_cast<int>(std::trunc(static_cast<double>(Fix32ToFloat(inches)) * 100.0 + 0.5));
}

}  // namespace

TW_UINT16 ImageLayoutGet(pTW_IDENTITY, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    auto& layout = *static_cast<TW_IMAGELAYOUT*>(data);
    // The frame's length is the sheet's once its end has been found; a failed
    // read is reported by the transfer, and the frame stays as set.
    const bool detected = NeedsPrescanForLength(app) && PrescanCurrentPage(app) == kScanOk;
    FillCurrentFrame(app, layout);
    if (detected && app.Settings.DPI > 0) {
        const double bottom = app.Settings.Top / 100.0 +
                              static_cast<double>(app.ImageLength) / app.Settings.DPI;
        layout.Frame.Bottom = FloatToFix32(static_cast<float>(bottom));
    }
    return TWRC_SUCCESS;
}

TW_UINT16 ImageLayoutGetDefault(pTW_IDENTITY, TW_MEMREF data) {
    // US letter.
    FillLayout(*static_cast<TW_IMAGELAYOUT*>(data), 0.0f, 0.0f, 8.5f, 11.0f);
    return TWRC_SUCCESS;
}

TW_UINT16 ImageLayoutSet(pTW_IDENTITY, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    const TW_FRAME& frame = static_cast<const TW_IMAGELAYOUT*>(data)->Frame;
    const bool clamped = ClampFrame(&app.Settings, TowardsTopLeft(frame.Top), TowardsTopLeft(frame.Left),
                                    TowardsBottomRight(frame.Bottom), TowardsBottomRight(frame.Right));
    // An adjusted frame is no failure: the application reads back what it got.
    return clamped ? TWRC_CHECKSTATUS : TWRC_SUCCESS;
}

TW_UINT16 ImageLayoutReset(pTW_IDENTITY, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    ClampFrame(&app.Settings, 0, 0, 1100, 850);
    FillCurrentFrame(app, *static_cast<TW_IMAGELAYOUT*>(data));
    return TWRC_SUCCESS;
}
