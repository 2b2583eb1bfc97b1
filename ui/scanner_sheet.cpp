#include "ui/scanner_sheet.h"

#include "engine/acquisition.h"
#include "engine/presets.h"
#include "engine/profile.h"
#include "engine/scan_settings.h"
#include "engine/scanner_io.h"
#include "framework/win_app.h"
#include "framework/window_position.h"
#include "framework/wnd.h"
#include "localization/language.h"
#include "localization/text_table.h"
#include "localization/product_caption.h"

#include <pbt.h>

namespace {

// The ids of the sheet's own buttons; the pages carry their own.
constexpr int kApplyNowButton = 12321;
const int kSheetButtons[] = {IDOK, IDCANCEL, kApplyNowButton};

constexpr const char* kStartPageKey = "PropPage";

}  // namespace

DWORD SheetHelpId(int controlId) {
    switch (controlId) {
    case IDOK:
        return 17003;
    case IDCANCEL:
        return 17002;
    case 1026:
        return 19054;
    default:
        return 17050;
    }
}

ScannerSheet::ScannerSheet(ScannerDialogContext& context, HWND parent, int startPage)
    : CPropertySheet(kProductCaption, parent, startPage),
      context_(context),
      presets_(context, CurrentText(texts::PredefinedSetting)),
      custom_(context, CurrentText(texts::CustomSettings)),
      info_(context, CurrentText(texts::Information)),
      language_(CurrentText(texts::Language)) {
    AddPage(&presets_);
    AddPage(&custom_);
    AddPage(&info_);
    AddPage(&language_);
}

void ScannerSheet::OnInitialized() {
    // The sheet window exists by now; the polling starts with it.
    SetTimer(GetSafeHwnd(), kFeedPollingTimer, kFeedPollingIntervalMs, nullptr);
}

LRESULT ScannerSheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SHOWWINDOW: {
        const LRESULT result = Default(message, wParam, lParam);
        if (wParam) HideButtonRow();
        return result;
    }
    case WM_ACTIVATE: {
        const LRESULT result = Default(message, wParam, lParam);
        if (LOWORD(wParam) != WA_INACTIVE && ActiveIndex() == kCustomSettingsPageIndex)
            custom_.RefreshFreeSpace();
        return result;
    }
    case WM_TIMER:
        if (wParam == kFeedPollingTimer) PollFeeder();
        return Default(message, wParam, lParam);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            OnScanRequest();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(kScanRequestCancelled);
            return 0;
        }
        break;
    case WM_SYSCOMMAND:
        // The close box cancels like the pages' Cancel buttons.
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            EndDialog(kScanRequestCancelled);
            return 0;
        }
        break;
    case WM_CLOSE:
        EndDialog(kScanRequestCancelled);
        return 0;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMSUSPEND) EndDialog(kScanRequestCancelled);
        return TRUE;
    case kFeedPollingMessage:
        pollingEnabled_ = wParam != 0;
        return 0;
    case WM_HELP: {
        const auto* help = reinterpret_cast<const HELPINFO*>(lParam);
        ShowHelpPopup(SheetHelpId(help ? help->iCtrlId : 0));
        return TRUE;
    }
    case WM_DESTROY:
        KillTimer(GetSafeHwnd(), kFeedPollingTimer);
        break;
    default:
        break;
    }
    return Default(message, wParam, lParam);
}

void ScannerSheet::ShowHelpPopup(DWORD helpId) {
    if (const CWinApp* app = CWinApp::Current()) app->ShowHelp(GetSafeHwnd(), HELP_CONTEXTPOPUP, helpId);
}

void ScannerSheet::HideButtonRow() {
    HWND sheet = GetSafeHwnd();
    for (int id : kSheetButtons)
        if (HWND button = GetDlgItem(sheet, id)) ShowWindow(button, SW_HIDE);
    // Cut the empty row off: the sheet ends where the row began.
    RECT sheetRect = {};
    GetWindowRect(sheet, &sheetRect);
    if (HWND apply = GetDlgItem(sheet, kApplyNowButton)) {
        RECT applyRect = {};
        GetWindowRect(apply, &applyRect);
        if (applyRect.top > sheetRect.top)
            MoveWindow(sheet, 0, 0, sheetRect.right - sheetRect.left, applyRect.top - sheetRect.top,
                       TRUE);
    }
    CenterWindowOn(sheet, GetWindow(sheet, GW_OWNER));
}

void ScannerSheet::OnScanRequest() {
    switch (ActiveIndex()) {
    case kCustomSettingsPageIndex:
        ScanWithCustomSettings();
        break;
    case kLanguagePageIndex:
        ChangeLanguage();
        break;
    case kPresetPageIndex:
        ScanWithPreset();
        break;
    case kInfoPageIndex:
        MessageBeep(0);
        break;
    default:
        break;
    }
}

void ScannerSheet::ScanWithCustomSettings() {
    // In settings-only mode nothing is scanned, so no paper is needed.
    if (context_.UiMode != kUiModeSettingsOnly && !CheckPaper(context_.Scan, &custom_)) return;
    SaveSettings(context_.SectionName, &context_.Settings);
    SavePreset(0, &context_.Settings);
    WriteProfileInt(context_.SectionName, kStartPageKey, kCustomSettingsPageIndex);
    EndDialog(kScanWithCurrentSettings);
}

void ScannerSheet::ScanWithPreset() {
    const int n = presets_.SelectedPreset();
    if (n < 0 || n >= kPresetCount) {
        MessageBeep(0);
        return;
    }
    if (context_.UiMode == kUiModeSettingsOnly) {
        LoadPreset(n, &context_.Settings, context_.Negotiated);
        SaveSettings(context_.SectionName, &context_.Settings);
    } else {
        if (!CheckPaper(context_.Scan, &presets_)) return;
        LoadPreset(n, &context_.Settings, context_.Negotiated);
    }
    // Preset 0 is the last scan; it is not rewritten with itself.
    if (n != 0) SavePreset(0, &context_.Settings);
    WriteProfileInt(context_.SectionName, kStartPageKey, kPresetPageIndex);
    EndDialog(static_cast<INT_PTR>(kScanWithPresetBase + n));
}

void ScannerSheet::ChangeLanguage() {
    const int index = language_.SelectedIndex();
    const auto language = static_cast<LanguageId>(kLanguageChangeBase + index);
    // The page's command range runs past the five languages it has buttons for.
    if (index < 0 || !IsValidLanguage(language)) {
        MessageBeep(0);
        return;
    }
    SetLanguage(language);
    EndDialog(language);
}

void ScannerSheet::PollFeeder() {
    if (!pollingEnabled_) return;
    if (!context_.Scan.Io.IsPaperOn(false)) {
        paperLatched_ = false;
        return;
    }
    if (paperLatched_) return;
    // Once per sheet laid in: the scanner draws it to its start position.
    paperLatched_ = true;
    context_.Scan.Io.FeedOn();
}
