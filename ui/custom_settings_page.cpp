#include "ui/custom_settings_page.h"

#include "framework/win_app.h"
#include "localization/language.h"
#include "localization/text_table.h"
#include "resources/custom_settings_page_ids.h"

#include <cstdio>

namespace {

struct PageCaption {
    int id;
    const LocalizedText& text;
};

// The captions the page shows in the current language; the template's own
// texts are only placeholders.
const PageCaption kCaptions[] = {
    {IDCANCEL, texts::Cancel},
    {IDC_CUSTOM_CALIBRATE, texts::Calibrate},
    {IDC_CUSTOM_RESET, texts::Reset},
    {IDC_CUSTOM_UNIT, texts::Unit},
    {IDC_CUSTOM_PREVIEW, texts::Preview},
    {IDC_CUSTOM_BLACK_WHITE, texts::BlackWhite},
    {IDC_CUSTOM_GRAYSCALE, texts::Grayscale},
    {IDC_CUSTOM_COLOR, texts::Color},
    {IDC_CUSTOM_RESOLUTION_LABEL, texts::ResolutionLabel},
    {IDC_CUSTOM_SCAN_SIZE_LABEL, texts::ScanSizeLabel},
    {IDC_CUSTOM_FILTER_LABEL, texts::FilterLabel},
    {IDC_CUSTOM_INVERT, texts::InvertImage},
    {IDC_CUSTOM_DETECT_EOP, texts::DetectEndOfPage},
    {IDC_CUSTOM_BRIGHTNESS_LABEL, texts::Brightness},
    {IDC_CUSTOM_CONTRAST_LABEL, texts::Contrast},
    {IDC_CUSTOM_GAMMA_LABEL, texts::Gamma},
    {IDC_CUSTOM_HIGHLIGHT_LABEL, texts::Highlight},
    {IDC_CUSTOM_SHADOW_LABEL, texts::Shadow},
    {IDC_CUSTOM_RANGE_MODE, texts::Range},
    {IDC_CUSTOM_ZOOM_MODE, texts::Zoom},
    {IDC_CUSTOM_SENSOR_LABEL, texts::PaperSensorLabel},
};

std::string Text(const LocalizedText& entry) {
    std::string text;
    LoadText(GetLanguage(), entry, text);
    return text;
}

// "Free disk space: 12.34 MB" (GB from 1024 MB on), "Free disk space: xxx"
// when the drive cannot be asked.
std::string FreeSpaceText(const char* helpPath) {
    const std::string label = Text(texts::FreeDiskSpace);
    const std::string root = helpPath ? std::string(helpPath).substr(0, 3) : std::string();
    ULARGE_INTEGER available = {};
    char text[128];
    if (root.empty() || !GetDiskFreeSpaceExA(root.c_str(), &available, nullptr, nullptr)) {
        snprintf(text, sizeof text, "%s: xxx", label.c_str());
        return text;
    }
    const double megabytes = static_cast<double>(available.QuadPart) / 1048576.0;
    if (megabytes < 1024.0)
        snprintf(text, sizeof text, "%s: %.2f MB", label.c_str(), megabytes);
    else
        snprintf(text, sizeof text, "%s: %.2f GB", label.c_str(), megabytes / 1024.0);
    return text;
}

}  // namespace

CustomSettingsPage::CustomSettingsPage(ScannerDialogContext& context, std::string title)
    : CPropertyPage(IDD_CUSTOM_SETTINGS_PAGE, std::move(title)), context_(context) {}

bool CustomSettingsPage::OnInitDialog() {
    for (const PageCaption& item : kCaptions) SetItemText(item.id, Text(item.text));
    SetItemText(IDC_CUSTOM_SCAN,
                Text(context_.UiMode == kUiModeSettingsOnly ? texts::Ok : texts::Scan));
    RefreshFreeSpace();
    return true;
}

void CustomSettingsPage::RefreshFreeSpace() {
    if (!GetSafeHwnd()) return;
    const CWinApp* app = CWinApp::Current();
    SetItemText(IDC_CUSTOM_FREE_DISK, FreeSpaceText(app ? app->HelpFilePath() : nullptr));
}

bool CustomSettingsPage::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (id == IDC_CUSTOM_SCAN && notifyCode == BN_CLICKED) {
        // The scanner dialog decides what a scan request means.
        if (HWND sheet = SheetHwnd()) SendMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    }
    return CPropertyPage::OnCommand(id, notifyCode, control);
}
