#include "ui/bar_progress_dialog.h"

#include "resources/progress_window_ids.h"

#include <algorithm>

BarProgressDialog::BarProgressDialog(const CWnd* owner, Clock clock)
    : ProgressDialog(IDD_BAR_PROGRESS, owner), clock_(std::move(clock)) {
    Create();
}

uint32_t BarProgressDialog::Now() const { return clock_ ? clock_() : GetTickCount(); }

bool BarProgressDialog::OnInitDialog() {
    ProgressDialog::OnInitDialog();
    CenterOnOwner();
    start_ = Now();
    shown_ = false;
    return true;
}

bool BarProgressDialog::SetPercent(int percent) {
    if (!shown_) {
        if (percent < kShowFromPercent) return true;
        // Unsigned difference: right across the clock's wrap.
        const uint64_t elapsed = static_cast<uint32_t>(Now() - start_);
        if (elapsed * 100 / static_cast<uint64_t>(percent) < kShowWhenProjectedMs) return true;
        if (HWND hwnd = GetSafeHwnd()) ShowWindow(hwnd, SW_SHOW);
        shown_ = true;
    }
    Pump();
    if (Cancelled()) return false;
    Bar().SetPos(std::min(std::max(percent, 0), 100));
    return true;
}
