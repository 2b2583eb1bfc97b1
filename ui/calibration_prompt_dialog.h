// The modal prompt that asks for the calibration or the cleaning sheet. One
// class serves the three templates: 325 offers both actions, 326 calibration
// only, 327 cleaning only. It only shows texts and says which button was
// pressed; what follows is the calibration procedure's business.
#pragma once

#include "framework/dialog.h"

class CalibrationPromptDialog : public CDialog {
public:
    // `caption` is not copied and may be null, which keeps the template's.
    CalibrationPromptDialog(const CWnd* owner, UINT templateId, const char* caption);

    // DoModal answers IDC_CALIBRATE (1103), IDC_CLEAN (1104) or IDCANCEL
    // (Cancel, Escape, close box); -1 when the window cannot be made.

protected:
    bool OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;

private:
    void EndWithButton(int id);

    const char* caption_;
};
