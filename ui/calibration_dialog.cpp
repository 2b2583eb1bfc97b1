#include "ui/calibration_dialog.h"

#include "engine/calibration.h"
#include "engine/scanner_io.h"
#include "engine/user_messages.h"
#include "framework/wnd.h"
#include "localization/language.h"
#include "localization/product_caption.h"
#include "localization/text_table.h"
#include "resources/calibration_prompt_ids.h"
#include "ui/calibration_prompt_dialog.h"

#include <string>

namespace {

class DialogPrompts final : public CalibrationPrompts {
public:
    DialogPrompts(const CWnd* owner, UINT templateId, std::string caption)
        : owner_(owner), templateId_(templateId), caption_(std::move(caption)) {}

    CalibrationChoice AskForSheet() override {
        CalibrationPromptDialog dialog(owner_, templateId_, caption_.c_str());
        switch (dialog.DoModal()) {
        case IDC_CALIBRATE:
            return CalibrationChoice::Calibrate;
        case IDC_CLEAN:
            return CalibrationChoice::Clean;
        default:
            // Cancel, or a dialog that could not be shown: nothing is done.
            return CalibrationChoice::Cancel;
        }
    }

    void Tell(const LocalizedText& text, UINT icon) override { Show(text, MB_OK | icon); }

    bool Confirm(const LocalizedText& text) override {
        return Show(text, MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION) == IDYES;
    }

private:
    int Show(const LocalizedText& entry, UINT type) const {
        return AskUser(owner_ ? owner_->GetSafeHwnd() : nullptr, entry, type, caption_.c_str());
    }

    const CWnd* owner_;
    UINT templateId_;
    std::string caption_;
};

UINT TemplateOfKind(int kind) {
    switch (kind) {
    case kCalibrateOrClean:
        return IDD_CALIBRATE_AND_CLEAN;
    case kCalibrateOnly:
        return IDD_CALIBRATE_ONLY;
    case kCleanOnly:
        return IDD_CLEAN_ONLY;
    default:
        return 0;
    }
}

}  // namespace

bool CalibrationDialog(const ScannerIo& io, const CWnd* owner, int kind, int captionMode) {
    const UINT templateId = TemplateOfKind(kind);
    if (templateId == 0) return false;
    std::string caption = kProductCaption;
    if (captionMode != 1) LoadText(GetLanguage(), texts::CalibrationPage, caption);
    DialogPrompts prompts(owner, templateId, std::move(caption));
    return RunCalibrationProcedure(io, prompts);
}
