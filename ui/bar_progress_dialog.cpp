#include "ui/bar_progress_dialog.h"

#include "resources/progress_window_ids.h"

#include <algorithm>
#include <utility>

BarProgressDialog::BarProgressDialog(const CWnd* owner, Clock clock)
    : ProgressDialog(IDD_BAR_PROGRESS, owner, std::move(clock)) {
    Create();
}

bool BarProgressDialog::OnInitDialog() {
    ProgressDialog::OnInitDialog();
    CenterOnOwner();
    start_ = Now();
    shown_ = false;
    return true;
}

bool BarProgressDialog::SetPercent(int percent) {
    if (!shown_ && percent < kShowFromPercent) return true;
    const uint32_t now = Now();
    if (!shown_) {
        // Unsigned difference: right across the clock's wrap.
        const uint64_t elapsed = static_cast<uint32_t>(now - start_);
        if (elapsed * 100 / static_cast<uint64_t>(percent) < kShowWhenProjectedMs) return true;
        if (HWND hwnd = GetSafeHwnd()) ShowWindow(hwnd, SW_SHOW);
        shown_ = true;
    }
    // Nothing has been refreshed before the window was shown, so the step
    // that shows it is refreshed too.
    const bool refresh = RefreshDue(now, percent >= 100);
    if (PumpDue(refresh)) Pump();
    if (Cancelled()) return false;
    if (refresh) Bar().SetPos(std::min(std::max(percent, 0), 100));
    return !Cancelled();
}
