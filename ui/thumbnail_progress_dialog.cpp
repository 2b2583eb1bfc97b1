#include "ui/thumbnail_progress_dialog.h"

#include "framework/client_dc.h"
#include "resources/progress_window_ids.h"

#include <utility>

ThumbnailProgressDialog::ThumbnailProgressDialog(const CWnd* owner, UINT templateId,
                                                 int16_t scanMode, int32_t width, int32_t length,
                                                 Clock clock)
    : ProgressDialog(templateId, owner, std::move(clock)),
      scanMode_(scanMode),
      width_(width),
      length_(length) {
    Create();
}

bool ThumbnailProgressDialog::OnInitDialog() {
    ProgressDialog::OnInitDialog();
    frame_.Bind(*this, IDC_THUMBNAIL_FRAME);
    // The window is not resizable: the frame stays where the template put it.
    frameRect_ = frame_.ClientRectInParent();
    // Without a picture the rows are still counted for the bar.
    thumbnail_.InitThumbnail(frameRect_.right - frameRect_.left, frameRect_.bottom - frameRect_.top,
                             width_, length_, scanMode_);
    rowsDrawn_ = 0;
    CenterOnOwner();
    ShowWindow(GetSafeHwnd(), SW_SHOW);
    UpdateWindow(GetSafeHwnd());
    return true;
}

bool ThumbnailProgressDialog::AddRows(const uint8_t* rows, int32_t count) {
    // The first block is always shown, and so is the block that completes
    // the page: the window ends with the whole picture and a full bar.
    const int64_t received = thumbnail_.RowsReceived();
    const bool firstOrLast = count > 0 && (received == 0 || received + count >= length_);
    const bool refresh = RefreshDue(Now(), firstOrLast);
    if (PumpDue(refresh)) Pump();
    if (Cancelled()) return false;
    if (count <= 0) return true;
    // Shrinking is cheap and keeps only the block in hand; it is the screen
    // that waits for the next refresh.
    thumbnail_.AddBlock(rows, count);
    if (refresh) ShowProgress();
    return true;
}

void ThumbnailProgressDialog::ShowProgress() {
    Bar().SetPos(thumbnail_.Percent());
    if (thumbnail_.RowsFilled() == rowsDrawn_ || !frame_.IsAttached()) return;
    // Painted now: the scanning loop does not leave time for WM_PAINT. The
    // window shows the border since it was first painted; only the picture
    // changes, and it grows upwards from the frame's bottom, so drawing all
    // rows filled so far covers whatever an earlier refresh drew.
    CClientDC dc(GetSafeHwnd());
    if (dc) thumbnail_.DrawFilledRows(dc.Get(), frameRect_);
    rowsDrawn_ = thumbnail_.RowsFilled();
}

void ThumbnailProgressDialog::Paint(HDC dc) const {
    if (frame_.IsAttached()) thumbnail_.DrawThumbnail(dc, frameRect_);
}

bool ThumbnailProgressDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                        LRESULT& result) {
    if (message != WM_PAINT) return ProgressDialog::OnMessage(message, wParam, lParam, result);
    PAINTSTRUCT paint;
    if (HDC dc = BeginPaint(GetSafeHwnd(), &paint)) {
        Paint(dc);
        EndPaint(GetSafeHwnd(), &paint);
    }
    result = 0;
    return true;
}
