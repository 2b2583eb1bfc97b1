#include "ui/thumbnail_progress_dialog.h"

#include "framework/client_dc.h"
#include "resources/progress_window_ids.h"

ThumbnailProgressDialog::ThumbnailProgressDialog(const CWnd* owner, UINT templateId,
                                                 int16_t scanMode, int32_t width, int32_t length)
    : ProgressDialog(templateId, owner), scanMode_(scanMode), width_(width), length_(length) {
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
    CenterOnOwner();
    ShowWindow(GetSafeHwnd(), SW_SHOW);
    UpdateWindow(GetSafeHwnd());
    return true;
}

bool ThumbnailProgressDialog::AddRows(const uint8_t* rows, int32_t count) {
    Pump();
    if (Cancelled()) return false;
    if (count <= 0) return true;
    const int newRows = thumbnail_.AddBlock(rows, count);
    Bar().SetPos(thumbnail_.Percent());
    if (newRows > 0 && frame_.IsAttached()) {
        // Painted now: the scanning loop does not leave time for WM_PAINT.
        // The window shows the border since it was first painted; only the
        // picture changes.
        CClientDC dc(GetSafeHwnd());
        if (dc) thumbnail_.DrawFilledRows(dc.Get(), frameRect_);
    }
    return true;
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
