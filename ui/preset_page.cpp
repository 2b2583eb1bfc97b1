#include "ui/preset_page.h"

#include "engine/presets.h"
#include "engine/scan_sizes.h"
#include "localization/language.h"
#include "localization/text_table.h"
#include "resources/preset_page_ids.h"
#include "ui/calibration_dialog.h"
#include "ui/preset_edit_dialog.h"
#include "ui/preset_images.h"

#include <commctrl.h>

#include <cstdio>

PresetPage::PresetPage(const ScannerDialogContext& context, std::string title)
    : CPropertyPage(IDD_PRESET_PAGE, std::move(title)), context_(context) {}

bool PresetPage::OnInitDialog() {
    for (int n = 0; n < kPresetCount; ++n) presets_[n].Bind(*this, IDC_PRESET_BUTTON_0 + n);
    calibrate_.Bind(*this, IDC_PRESET_CALIBRATE);
    for (int n = kPresetCount - 1; n >= 0; --n)
        if (presets_[n].IsAttached()) presets_[n].LoadFromRaw(kPresetImages[n], 1.0f);
    DescribePresets(-1);

    const LanguageId language = GetLanguage();
    std::string text;
    LoadText(language, texts::PresetPageHelp, text);
    SetItemText(IDC_PRESET_DESCRIPTION, text);
    LoadText(language, texts::Calibrate, text);
    SetItemText(IDC_PRESET_CALIBRATE, text);
    LoadText(language, texts::CalibratePeriodically, text);
    calibrate_.SetTooltipText(text, true);
    return true;
}

void PresetPage::DescribePresets(int n) {
    const LanguageId language = GetLanguage();
    for (int preset = 0; preset < kPresetCount; ++preset) {
        if (n >= 0 && preset != n) continue;
        ScanSettings scratch{};
        if (!LoadPreset(preset, &scratch, context_.Negotiated)) continue;
        std::string description, part;
        if (preset == 0) {
            LoadText(language, texts::RepeatLastScan, part);
            description += part;
        }
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%d dpi, ", scratch.DPI);
        description += buffer;
        LoadText(language,
                 scratch.ScanMode == kScanModeColor  ? texts::Color
                 : scratch.ScanMode == kScanModeGray ? texts::Grayscale
                                                     : texts::BlackWhite,
                 part);
        description += part + ", ";
        const int size = FindPaperSize(&scratch);
        if (size >= 1 && GetPaperSizeName(language, size - 1, part)) {
            description += part;
        } else {
            // Always in inches, whatever unit the dialog shows.
            std::snprintf(buffer, sizeof buffer, "%.1f\" x %.1f\"", (scratch.Right - scratch.Left) / 100.0,
                          (scratch.Bottom - scratch.Top) / 100.0);
            description += buffer;
        }
        description += ".";
        presets_[preset].SetTooltipText(description, true);
    }
}

bool PresetPage::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (id >= IDC_PRESET_BUTTON_0 && id < IDC_PRESET_BUTTON_0 + kPresetCount && notifyCode == BN_CLICKED) {
        selected_ = id - IDC_PRESET_BUTTON_0;
        if (HWND sheet = SheetHwnd()) PostMessageA(sheet, WM_COMMAND, IDOK, 0);
        return true;
    }
    if (id == IDC_PRESET_CALIBRATE && notifyCode == BN_CLICKED) {
        CalibrationDialog(context_.Scan.Io, this, kCalibrateOrClean, 0);
        return true;
    }
    return CPropertyPage::OnCommand(id, notifyCode, control);
}

bool PresetPage::OnNotify(const NMHDR& header, LRESULT& result) {
    const int n = static_cast<int>(header.idFrom) - IDC_PRESET_BUTTON_0;
    if (header.code != static_cast<UINT>(NM_RCLICK) || n < 0 || n >= kPresetCount) return false;
    result = 0;
    if (n == 0 || IsPresetLocked(n)) {
        MessageBeep(0);
        return true;
    }
    PresetEditDialog dialog(this, n, context_);
    if (dialog.DoModal() == IDOK) DescribePresets(n);
    return true;
}

bool PresetPage::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_HELP) return false;
    result = TRUE;  // no help for this page
    return true;
}

bool PresetPage::PreTranslateMessage(MSG& message) {
    for (CHoverButtonEx& button : presets_) button.PreTranslateMessage(message);
    calibrate_.PreTranslateMessage(message);
    return false;
}
