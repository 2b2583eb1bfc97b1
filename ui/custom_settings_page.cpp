#include "ui/custom_settings_page.h"

#include "engine/measure_unit.h"
#include "engine/negotiation_state.h"
#include "engine/scan_sizes.h"
#include "engine/scanner_io.h"
#include "framework/combo_box.h"
#include "framework/trackbar.h"
#include "framework/win_app.h"
#include "localization/language.h"
#include "localization/text_table.h"
#include "resources/custom_settings_page_ids.h"
#include "ui/calibration_dialog.h"
#include "ui/preview_scan.h"
#include "ui/scanner_sheet.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

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

// A tone slider: its range, steps, value label and the settings field it edits.
struct SliderSetup {
    int sliderId;
    int valueId;
    ToneRange range;
    int pageSize, tickFrequency;
    int16_t ScanSettings::*field;
};

const SliderSetup kSliders[] = {
    {IDC_CUSTOM_BRIGHTNESS, IDC_CUSTOM_BRIGHTNESS_VALUE, kBrightnessRange, 10, 20,
     &ScanSettings::Brightness},
    {IDC_CUSTOM_CONTRAST, IDC_CUSTOM_CONTRAST_VALUE, kContrastRange, 10, 20, &ScanSettings::Contrast},
    {IDC_CUSTOM_GAMMA, IDC_CUSTOM_GAMMA_VALUE, kGammaRange, 2, 2, &ScanSettings::Gamma},
    {IDC_CUSTOM_HIGHLIGHT, IDC_CUSTOM_HIGHLIGHT_VALUE, kHighlightRange, 5, 15, &ScanSettings::Highlight},
    {IDC_CUSTOM_SHADOW, IDC_CUSTOM_SHADOW_VALUE, kShadowRange, 5, 15, &ScanSettings::Shadow},
};

constexpr int kHighlightAboveShadow = 5;

const SliderSetup* SliderOf(int sliderId) {
    for (const SliderSetup& slider : kSliders)
        if (slider.sliderId == sliderId) return &slider;
    return nullptr;
}

std::string SliderText(int sliderId, int value) {
    char text[32];
    switch (sliderId) {
        case IDC_CUSTOM_BRIGHTNESS:
        case IDC_CUSTOM_CONTRAST: snprintf(text, sizeof text, "%d%%", value); break;
        case IDC_CUSTOM_GAMMA: snprintf(text, sizeof text, "%4.1f", value / 10.0); break;
        default: snprintf(text, sizeof text, "%3d", value); break;
    }
    return text;
}

// "Free disk space: 12.34 MB" (GB from 1024 MB on), "Free disk space: xxx"
// when the drive cannot be asked.
std::string FreeSpaceText(const char* helpPath) {
    const std::string label = CurrentText(texts::FreeDiskSpace);
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

void CheckButton(HWND page, int id, bool checked) {
    CheckDlgButton(page, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

}  // namespace

DWORD CustomSettingsHelpId(int controlId) {
    switch (controlId) {
        case IDC_CUSTOM_RESET: return 17074;
        case IDC_CUSTOM_BLACK_WHITE:
        case IDC_CUSTOM_GRAYSCALE:
        case IDC_CUSTOM_COLOR: return 17051;
        case IDC_CUSTOM_RESOLUTION:
        case IDC_CUSTOM_RESOLUTION_LABEL: return 17052;
        case IDC_CUSTOM_SCAN_SIZE:
        case IDC_CUSTOM_SCAN_SIZE_LABEL: return 17053;
        case IDC_CUSTOM_FILTER:
        case IDC_CUSTOM_FILTER_LABEL: return 78011;
        case IDC_CUSTOM_INVERT: return 19063;
        case IDC_CUSTOM_BRIGHTNESS:
        case IDC_CUSTOM_BRIGHTNESS_LABEL:
        case IDC_CUSTOM_BRIGHTNESS_VALUE: return 17073;
        case IDC_CUSTOM_CONTRAST:
        case IDC_CUSTOM_CONTRAST_LABEL:
        case IDC_CUSTOM_CONTRAST_VALUE: return 17075;
        case IDC_CUSTOM_GAMMA:
        case IDC_CUSTOM_GAMMA_LABEL:
        case IDC_CUSTOM_GAMMA_VALUE: return 17076;
        case IDC_CUSTOM_HIGHLIGHT:
        case IDC_CUSTOM_HIGHLIGHT_LABEL:
        case IDC_CUSTOM_HIGHLIGHT_VALUE: return 17078;
        case IDC_CUSTOM_SHADOW:
        case IDC_CUSTOM_SHADOW_LABEL:
        case IDC_CUSTOM_SHADOW_VALUE: return 17079;
        default: return 0;
    }
}

CustomSettingsPage::CustomSettingsPage(ScannerDialogContext& context, std::string title)
    : CPropertyPage(IDD_CUSTOM_SETTINGS_PAGE, std::move(title)),
      context_(context),
      settings_(context.Settings) {}

bool CustomSettingsPage::OnInitDialog() {
    lastSliderReport_ = SliderReport();
    SetTexts();
    HWND page = GetSafeHwnd();
    preview_ = std::make_unique<PreviewWindow>(settings_, context_.Scan.Io);
    horizontalRuler_.Bind(*this, IDC_CUSTOM_RULER_HORIZONTAL);
    verticalRuler_.Bind(*this, IDC_CUSTOM_RULER_VERTICAL);
    light_.Bind(*this, IDC_CUSTOM_SENSOR_LIGHT);
    if (preview_->CreateOver(page, IDC_CUSTOM_PREVIEW_FRAME, IDC_CUSTOM_PREVIEW_WINDOW)) {
        PreviewLinks links;
        links.horizontalRuler = &horizontalRuler_;
        links.verticalRuler = &verticalRuler_;
        links.unitButton = Item(IDC_CUSTOM_UNIT);
        links.widthLabel = Item(IDC_CUSTOM_FRAME_WIDTH);
        links.heightLabel = Item(IDC_CUSTOM_FRAME_HEIGHT);
        links.imageSizeLabel = Item(IDC_CUSTOM_IMAGE_SIZE);
        preview_->Attach(links);
        preview_->Refresh(kRefreshAfterFrame);
        preview_->SetGeometry();
        preview_->SetMode(kPreviewRangeMode);
        preview_->SetUnit(context_.Units.Get());
    }
    CheckButton(page, IDC_CUSTOM_RANGE_MODE, true);
    CheckButton(page, IDC_CUSTOM_ZOOM_MODE, false);
    DisableUnavailableChoices();
    FillLists();
    SetUpSliders();
    ShowSettings();
    RefreshFreeSpace();
    SetTimer(page, kSensorTimer, kSensorIntervalMs, nullptr);
    return true;
}

void CustomSettingsPage::SetTexts() {
    for (const PageCaption& item : kCaptions) SetItemText(item.id, CurrentText(item.text));
    SetItemText(IDC_CUSTOM_SCAN,
                CurrentText(context_.UiMode == kUiModeSettingsOnly ? texts::Ok : texts::Scan));
}

void CustomSettingsPage::DisableUnavailableChoices() {
    // An application that wants one transfer gets one side.
    if (context_.Negotiated.XferCount == 1) {
        EnableWindow(Item(IDC_CUSTOM_TWO_SIDES), FALSE);
        settings_.DoubleSided = 0;
    }
    const int modeIds[kPixelTypeCount] = {IDC_CUSTOM_BLACK_WHITE, IDC_CUSTOM_GRAYSCALE,
                                          IDC_CUSTOM_COLOR};
    for (int type = 0; type < kPixelTypeCount; ++type)
        if (!context_.Negotiated.AllowedPixelTypes[type]) EnableWindow(Item(modeIds[type]), FALSE);
}

void CustomSettingsPage::FillLists() {
    const ComboBox resolution(Item(IDC_CUSTOM_RESOLUTION));
    for (int i = 0; i < kResolutionCount && ResolutionList[i] != 0; ++i)
        if (context_.Negotiated.AllowedResolutions[i]) resolution.AddString(std::to_string(ResolutionList[i]));
    const ComboBox size(Item(IDC_CUSTOM_SCAN_SIZE));
    size.AddString(CurrentText(texts::UserDefined));
    std::string name;
    for (int i = 0; i < kScanSizeCount && GetPaperSizeName(GetLanguage(), i, name); ++i) size.AddString(name);
    const ComboBox filter(Item(IDC_CUSTOM_FILTER));
    for (const LocalizedText* entry : {&texts::FilterNone, &texts::FilterDescreen})
        filter.AddString(CurrentText(*entry));
}

void CustomSettingsPage::SetUpSliders() {
    for (const SliderSetup& slider : kSliders) {
        const Trackbar control(Item(slider.sliderId));
        control.SetRange(slider.range.Low, slider.range.High);
        control.SetPageSize(slider.pageSize);
        control.SetTickFrequency(slider.tickFrequency);
    }
}

void CustomSettingsPage::ShowSlider(int sliderId, int value) const {
    const SliderSetup* slider = SliderOf(sliderId);
    if (!slider) return;
    Trackbar(Item(sliderId)).SetPosition(value);
    SetItemText(slider->valueId, SliderText(sliderId, value));
}

void CustomSettingsPage::ShowSettings() {
    HWND page = GetSafeHwnd();
    if (!page) return;
    CheckButton(page, IDC_CUSTOM_ONE_SIDE, settings_.DoubleSided == 0);
    CheckButton(page, IDC_CUSTOM_TWO_SIDES, settings_.DoubleSided != 0);
    CheckButton(page, IDC_CUSTOM_BLACK_WHITE, settings_.ScanMode == kScanModeBlackWhite);
    CheckButton(page, IDC_CUSTOM_GRAYSCALE, settings_.ScanMode == kScanModeGray);
    CheckButton(page, IDC_CUSTOM_COLOR, settings_.ScanMode == kScanModeColor);

    const ComboBox resolution(Item(IDC_CUSTOM_RESOLUTION));
    int selected = 0;
    for (int i = resolution.Count() - 1; i >= 1; --i) {
        if (atoi(resolution.ItemText(i).c_str()) == settings_.DPI) {
            selected = i;
            break;
        }
    }
    resolution.Select(selected);
    SelectScanSize();
    ComboBox(Item(IDC_CUSTOM_FILTER)).Select(settings_.Filter != 0 ? 1 : 0);
    CheckButton(page, IDC_CUSTOM_INVERT, settings_.Invert != 0);
    CheckButton(page, IDC_CUSTOM_DETECT_EOP, settings_.DetectEOP != 0);
    for (const SliderSetup& slider : kSliders) ShowSlider(slider.sliderId, settings_.*slider.field);
}

void CustomSettingsPage::SelectScanSize() const {
    ComboBox(Item(IDC_CUSTOM_SCAN_SIZE)).Select(FindPaperSize(&settings_));
}

int CustomSettingsPage::SelectedIndex(int listId) const {
    return ComboBox(Item(listId)).Selection();
}

void CustomSettingsPage::RefreshFreeSpace() {
    if (!GetSafeHwnd()) return;
    const CWinApp* app = CWinApp::Current();
    SetItemText(IDC_CUSTOM_FREE_DISK, FreeSpaceText(app ? app->HelpFilePath() : nullptr));
    if (preview_) preview_->Refresh(kRefreshRepaint);
}

void CustomSettingsPage::OnSlider(HWND slider) {
    const int id = GetDlgCtrlID(slider);
    const SliderSetup* setup = SliderOf(id);
    if (!setup) return;
    const int position = Trackbar(slider).Position();
    if (id == lastSliderReport_.id && position == lastSliderReport_.position) return;
    settings_.*setup->field = static_cast<int16_t>(position);
    SetItemText(setup->valueId, SliderText(id, position));
    // Highlight stays at least 5 above shadow, whichever of them moved.
    if (id == IDC_CUSTOM_HIGHLIGHT && position - kHighlightAboveShadow < settings_.Shadow) {
        settings_.Shadow = static_cast<int16_t>(position - kHighlightAboveShadow);
        ShowSlider(IDC_CUSTOM_SHADOW, settings_.Shadow);
    } else if (id == IDC_CUSTOM_SHADOW && settings_.Highlight < position + kHighlightAboveShadow) {
        settings_.Highlight = static_cast<int16_t>(position + kHighlightAboveShadow);
        ShowSlider(IDC_CUSTOM_HIGHLIGHT, settings_.Highlight);
    }
    if (preview_) preview_->Refresh(kRefreshAfterTone);
    lastSliderReport_ = {id, position};
}

void CustomSettingsPage::SelectMode(int mode) {
    if (preview_) preview_->SetMode(mode);
    CheckButton(GetSafeHwnd(), IDC_CUSTOM_RANGE_MODE, mode == kPreviewRangeMode);
    CheckButton(GetSafeHwnd(), IDC_CUSTOM_ZOOM_MODE, mode == kPreviewZoomMode);
}

void CustomSettingsPage::OnReset() {
    settings_.DetectEOP = 0;
    settings_.Filter = 0;
    settings_.Invert = 0;
    ResetTones(settings_);
    SelectMode(kPreviewRangeMode);
    ShowSettings();
    if (preview_) preview_->Refresh(kRefreshAfterReset);
}

void CustomSettingsPage::OnPreviewButton() {
    const std::string path = PreviewFilePath();
    HWND sheet = SheetHwnd();
    if (PreviewFileExists(path)) {
        if (AskAndDeletePreview(*this, path) && preview_) preview_->Refresh(kRefreshReload);
        return;
    }
    // The scanner dialog must not feed the sheet on while it is scanned.
    if (sheet) SendMessageA(sheet, kFeedPollingMessage, 0, 0);
    MakePreviewScan(*this, context_.Scan, settings_, path);
    if (sheet) SendMessageA(sheet, kFeedPollingMessage, 1, 0);
    if (preview_) preview_->Refresh(kRefreshReload);
}

bool CustomSettingsPage::OnCommand(WORD id, WORD notifyCode, HWND control) {
    HWND page = GetSafeHwnd();
    switch (id) {
        case IDC_CUSTOM_SCAN:
            if (notifyCode != BN_CLICKED) break;
            // The scanner dialog decides what a scan request means.
            if (HWND sheet = SheetHwnd())
                SendMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return true;
        case IDC_CUSTOM_BLACK_WHITE:
        case IDC_CUSTOM_GRAYSCALE:
        case IDC_CUSTOM_COLOR:
            if (notifyCode != BN_CLICKED) break;
            settings_.ScanMode = id == IDC_CUSTOM_BLACK_WHITE ? kScanModeBlackWhite
                                 : id == IDC_CUSTOM_GRAYSCALE ? kScanModeGray
                                                              : kScanModeColor;
            if (preview_) preview_->Refresh(kRefreshAfterMode);
            return true;
        case IDC_CUSTOM_ONE_SIDE:
        case IDC_CUSTOM_TWO_SIDES:
            if (notifyCode != BN_CLICKED) break;
            settings_.DoubleSided = id == IDC_CUSTOM_TWO_SIDES ? 1 : 0;
            return true;
        case IDC_CUSTOM_RESOLUTION: {
            if (notifyCode != CBN_SELCHANGE) break;
            const int index = SelectedIndex(id);
            if (index < 0) return true;
            if (const int dpi = atoi(ComboBox(control).ItemText(index).c_str())) settings_.DPI = static_cast<int16_t>(dpi);
            if (preview_) preview_->Refresh(kRefreshAfterResolution);
            return true;
        }
        case IDC_CUSTOM_SCAN_SIZE: {
            if (notifyCode != CBN_SELCHANGE) break;
            const int index = SelectedIndex(id);
            if (index > 0) {
                SetPaperSize(index, &settings_);
                if (preview_) preview_->Refresh(kRefreshAfterFrame);
            }
            return true;
        }
        case IDC_CUSTOM_FILTER:
            if (notifyCode != CBN_SELCHANGE) break;
            settings_.Filter = SelectedIndex(id) > 0 ? 1 : 0;
            return true;
        case IDC_CUSTOM_INVERT:
            if (notifyCode != BN_CLICKED) break;
            settings_.Invert = IsDlgButtonChecked(page, id) == BST_CHECKED ? 1 : 0;
            if (preview_) preview_->Refresh(kRefreshAfterMode);
            return true;
        case IDC_CUSTOM_DETECT_EOP:
            if (notifyCode != BN_CLICKED) break;
            settings_.DetectEOP = IsDlgButtonChecked(page, id) == BST_CHECKED ? 1 : 0;
            return true;
        case IDC_CUSTOM_RESET:
            if (notifyCode != BN_CLICKED) break;
            OnReset();
            return true;
        case IDC_CUSTOM_RANGE_MODE:
        case IDC_CUSTOM_ZOOM_MODE:
            if (notifyCode != BN_CLICKED) break;
            SelectMode(id == IDC_CUSTOM_RANGE_MODE ? kPreviewRangeMode : kPreviewZoomMode);
            return true;
        case IDC_CUSTOM_UNIT:
            if (notifyCode != BN_CLICKED) break;
            context_.Units.Set(context_.Units.Get() == 0 ? 1 : 0);
            if (preview_) preview_->SetUnit(context_.Units.Get());
            return true;
        case IDC_CUSTOM_FRAME_CHANGED:
            SelectScanSize();
            return true;
        case IDC_CUSTOM_CALIBRATE:
            if (notifyCode != BN_CLICKED) break;
            CalibrationDialog(context_.Scan.Io, this, kCalibrateOrClean, 0);
            return true;
        case IDC_CUSTOM_PREVIEW:
            if (notifyCode != BN_CLICKED) break;
            OnPreviewButton();
            return true;
        default:
            break;
    }
    return CPropertyPage::OnCommand(id, notifyCode, control);
}

bool CustomSettingsPage::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_HSCROLL:
            if (lParam) OnSlider(reinterpret_cast<HWND>(lParam));
            return false;  // the default handling runs too
        case WM_HELP: {
            const auto* help = reinterpret_cast<const HELPINFO*>(lParam);
            if (const DWORD helpId = CustomSettingsHelpId(help ? help->iCtrlId : 0))
                ShowHelpPopup(helpId);
            result = TRUE;
            return true;
        }
        case WM_DESTROY:
            KillTimer(GetSafeHwnd(), kSensorTimer);
            return false;
        default:
            return false;
    }
}

void CustomSettingsPage::OnTimer(UINT_PTR timerId) {
    if (timerId != kSensorTimer) return;
    // The scanner dialog's feed polling keeps the cached answer fresh.
    const bool paper = context_.Scan.Io.IsPaperOn(true);
    const int column = paper ? SensorLight::kPaperColumn : SensorLight::kNoPaperColumn;
    if (light_.Column() != column) light_.SetCell(0, column);
}

void CustomSettingsPage::ShowHelpPopup(DWORD helpId) {
    if (const CWinApp* app = CWinApp::Current())
        app->ShowHelp(GetSafeHwnd(), HELP_CONTEXTPOPUP, helpId);
}
