#include "ui/calibration_prompt_dialog.h"

#include "framework/controls.h"
#include "localization/language.h"
#include "localization/text_table.h"
#include "resources/calibration_prompt_ids.h"

#include <string>

CalibrationPromptDialog::CalibrationPromptDialog(const CWnd* owner, UINT templateId,
                                                 const char* caption)
    : CDialog(templateId, owner), caption_(caption) {}

bool CalibrationPromptDialog::OnInitDialog() {
    if (caption_) SetCaption(caption_);
    const LanguageId language = GetLanguage();
    const struct {
        int id;
        const LocalizedText& text;
    } items[] = {
        {IDOK, texts::Ok},
        {IDCANCEL, texts::Cancel},
        {IDC_CALIBRATION_REQUIRED_TEXT, texts::CalibrationRequired},
        {IDC_CALIBRATION_PAPER_TEXT, texts::InsertCalibrationPaper},
        {IDC_CALIBRATE, texts::Calibrate},
        {IDC_CLEANING_PAPER_TEXT, texts::InsertCleaningPaper},
        {IDC_CLEAN, texts::Clean},
    };
    std::string text;
    for (const auto& item : items) {
        LoadText(language, item.text, text);
        SetItemText(item.id, text);  // absent controls (OK) are skipped
    }
    // Enter must press the button this template offers, never the hidden one
    // that 327 also marks as default.
    CButton calibrate, clean;
    if (calibrate.Bind(*this, IDC_CALIBRATE) && calibrate.IsShown())
        SendMessageA(GetSafeHwnd(), DM_SETDEFID, IDC_CALIBRATE, 0);
    else if (clean.Bind(*this, IDC_CLEAN) && clean.IsShown())
        SendMessageA(GetSafeHwnd(), DM_SETDEFID, IDC_CLEAN, 0);
    return true;
}

void CalibrationPromptDialog::EndWithButton(int id) {
    // A hidden button cannot be pressed, whatever message claims so.
    CButton button;
    if (button.Bind(*this, id) && button.IsShown()) EndDialog(id);
}

bool CalibrationPromptDialog::OnCommand(WORD id, WORD notifyCode, HWND control) {
    switch (id) {
    case IDC_CALIBRATE:
    case IDC_CLEAN:
        EndWithButton(id);
        return true;
    case IDOK:
        // Not in these templates: Enter goes to the default button instead.
        return true;
    default:
        return CDialog::OnCommand(id, notifyCode, control);
    }
}
