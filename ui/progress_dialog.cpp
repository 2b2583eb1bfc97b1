#include "ui/progress_dialog.h"

#include "localization/language.h"
#include "localization/text_table.h"
#include "resources/progress_window_ids.h"
#include "localization/product_caption.h"

#include <string>
#include <utility>

namespace {

// Milliseconds of the performance counter: fine enough for a refresh
// interval, where GetTickCount moves in steps of 10 to 16 ms on Windows.
uint32_t CounterMilliseconds() {
    LARGE_INTEGER frequency, counter;
    if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0 ||
        !QueryPerformanceCounter(&counter))
        return GetTickCount();
    const int64_t ticks = counter.QuadPart, perSecond = frequency.QuadPart;
    return static_cast<uint32_t>(ticks / perSecond * 1000 + ticks % perSecond * 1000 / perSecond);
}

}  // namespace

ProgressDialog::ProgressDialog(UINT templateId, const CWnd* owner, Clock clock)
    : CDialog(templateId, owner), clock_(std::move(clock)) {
    // The bar's window class must exist before the template is made.
    CProgressCtrl::RegisterWindowClass();
}

uint32_t ProgressDialog::Now() const { return clock_ ? clock_() : CounterMilliseconds(); }

bool ProgressDialog::RefreshDue(uint32_t now, bool always) {
    // Unsigned difference: right across the clock's wrap.
    if (refreshed_ && !always && static_cast<uint32_t>(now - lastRefresh_) < kRefreshMs)
        return false;
    refreshed_ = true;
    lastRefresh_ = now;
    return true;
}

bool ProgressDialog::OnInitDialog() {
    cancelled_ = false;
    refreshed_ = false;
    SetCaption(kProductCaption);
    std::string text;
    LoadText(GetLanguage(), texts::Cancel, text);
    SetItemText(IDCANCEL, text);
    bar_.Bind(*this, IDC_PROGRESS_BAR);
    bar_.SetRange(0, 100);
    bar_.SetPos(0);
    return true;
}

bool ProgressDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_DESTROY) {
        // Only someone else gets here (the owner went, say): this object's
        // own destruction unbinds it first. Without its window the user
        // could no longer stop the scan, so the scan stops.
        cancelled_ = true;
        return false;
    }
    if (message != WM_POWERBROADCAST) return false;
    switch (wParam) {
    case PBT_APMQUERYSUSPEND:
        // The scanner would lose the sheet half way: no sleep during a scan.
        result = BROADCAST_QUERY_DENY;
        break;
    case PBT_APMSUSPEND:
        // Forced: the scan cannot survive it.
        cancelled_ = true;
        result = TRUE;
        break;
    default:
        result = TRUE;
        break;
    }
    return true;
}
