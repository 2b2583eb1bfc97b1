#include "ui/preset_edit_dialog.h"

#include "engine/measure_unit.h"
#include "engine/negotiation_state.h"
#include "engine/presets.h"
#include "engine/scan_sizes.h"
#include "localization/language.h"
#include "localization/text_table.h"
#include "resources/preset_edit_dialog_ids.h"
#include "ui/preset_images.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

PresetEditDialog::PresetEditDialog(const CWnd* owner, int preset, const ScannerDialogContext& context)
    : CDialog(IDD_PRESET_EDIT, owner), preset_(preset), context_(context) {}

bool PresetEditDialog::OnInitDialog() {
    const LanguageId language = GetLanguage();
    std::string text;
    LoadText(language, texts::PredefinedSetting, text);
    SetCaption(text);
    const struct {
        int id;
        const LocalizedText& text;
    } items[] = {
        {IDC_PRESET_EDIT_BLACK_WHITE, texts::BlackWhite},
        {IDC_PRESET_EDIT_GRAYSCALE, texts::Grayscale},
        {IDC_PRESET_EDIT_COLOR, texts::Color},
        {IDC_PRESET_EDIT_RESOLUTION_LABEL, texts::ResolutionLabel},
        {IDC_PRESET_EDIT_SCAN_SIZE_LABEL, texts::ScanSizeLabel},
        {IDC_PRESET_EDIT_COPY_CUSTOM, texts::CopyFromCustomSettings},
        {IDC_PRESET_EDIT_DEFAULT, texts::Default},
        {IDOK, texts::Ok},
        {IDCANCEL, texts::Cancel},
    };
    for (const auto& item : items) {
        LoadText(language, item.text, text);
        SetItemText(item.id, text);
    }

    // The picture at half size, centred where the template puts the control.
    HWND icon = Item(IDC_PRESET_EDIT_ICON);
    if (preset_ >= 0 && preset_ < kPresetCount && icon && icon_.LoadFromRaw(kPresetImages[preset_], 0.5f)) {
        RECT rect = {};
        GetWindowRect(icon, &rect);
        MapWindowPoints(nullptr, GetSafeHwnd(), reinterpret_cast<POINT*>(&rect), 2);
        const int centreX = (rect.left + rect.right) / 2, centreY = (rect.top + rect.bottom) / 2;
        const int width = icon_.FrameWidth(), height = icon_.FrameHeight();
        SetWindowPos(icon, nullptr, centreX - width / 2, centreY - height / 2, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    HWND resolutions = Item(IDC_PRESET_EDIT_RESOLUTION);
    for (int i = 0; i < kResolutionCount && ResolutionList[i] != 0; ++i) {
        if (!context_.Negotiated.AllowedResolutions[i]) continue;
        char number[16];
        std::snprintf(number, sizeof number, "%d", ResolutionList[i]);
        SendMessageA(resolutions, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(number));
    }

    if (!LoadPreset(preset_, &working_, context_.Negotiated)) DefaultPreset(0, &working_);
    ShowPreset();
    return true;
}

namespace {
int EntryNumber(HWND list, int index) {
    char text[32] = {};
    if (SendMessageA(list, CB_GETLBTEXTLEN, index, 0) >= static_cast<LRESULT>(sizeof text)) return 0;
    SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return std::atoi(text);
}
}  // namespace

void PresetEditDialog::ShowPreset() {
    CheckDlgButton(GetSafeHwnd(), IDC_PRESET_EDIT_ONE_SIDE, working_.DoubleSided == 0 ? BST_CHECKED : 0);
    CheckDlgButton(GetSafeHwnd(), IDC_PRESET_EDIT_TWO_SIDES, working_.DoubleSided != 0 ? BST_CHECKED : 0);
    CheckDlgButton(GetSafeHwnd(), IDC_PRESET_EDIT_BLACK_WHITE,
                   working_.ScanMode == kScanModeBlackWhite ? BST_CHECKED : 0);
    CheckDlgButton(GetSafeHwnd(), IDC_PRESET_EDIT_GRAYSCALE, working_.ScanMode == kScanModeGray ? BST_CHECKED : 0);
    CheckDlgButton(GetSafeHwnd(), IDC_PRESET_EDIT_COLOR, working_.ScanMode == kScanModeColor ? BST_CHECKED : 0);

    HWND resolutions = Item(IDC_PRESET_EDIT_RESOLUTION);
    const int count = static_cast<int>(SendMessageA(resolutions, CB_GETCOUNT, 0, 0));
    int selection = 0;
    for (int i = count - 1; i >= 1; --i) {
        if (EntryNumber(resolutions, i) == working_.DPI) {
            selection = i;
            break;
        }
    }
    SendMessageA(resolutions, CB_SETCURSEL, selection, 0);

    HWND sizes = Item(IDC_PRESET_EDIT_SCAN_SIZE);
    const int size = FindPaperSize(&working_);
    const bool needUserDefined = size == 0;
    if (needUserDefined || hasUserDefined_) SendMessageA(sizes, CB_RESETCONTENT, 0, 0);
    if (SendMessageA(sizes, CB_GETCOUNT, 0, 0) == 0) {
        const LanguageId language = GetLanguage();
        std::string text;
        if (needUserDefined) {
            LoadText(language, texts::UserDefined, text);
            const double width = working_.Right - working_.Left, height = working_.Bottom - working_.Top;
            char frame[64];
            if (context_.Units.Get() == 1)
                std::snprintf(frame, sizeof frame, " (%.1f\" x %.1f\")", width / 100.0, height / 100.0);
            else
                std::snprintf(frame, sizeof frame, " (%.0fmm x %.0fmm)", width * 0.254, height * 0.254);
            text += frame;
            SendMessageA(sizes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        for (int i = 0; GetPaperSizeName(language, i, text); ++i)
            SendMessageA(sizes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        hasUserDefined_ = needUserDefined;
    }
    SendMessageA(sizes, CB_SETCURSEL, hasUserDefined_ ? size : size - 1, 0);
}

bool PresetEditDialog::OnCommand(WORD id, WORD notifyCode, HWND control) {
    switch (id) {
    case IDC_PRESET_EDIT_DEFAULT:
        DefaultPreset(preset_, &working_);
        ShowPreset();
        return true;
    case IDC_PRESET_EDIT_COPY_CUSTOM:
        std::memcpy(&working_, &context_.Settings, sizeof working_);
        ShowPreset();
        return true;
    default:
        return CDialog::OnCommand(id, notifyCode, control);
    }
}

void PresetEditDialog::OnOK() {
    HWND dialog = GetSafeHwnd();
    working_.DoubleSided = IsDlgButtonChecked(dialog, IDC_PRESET_EDIT_TWO_SIDES) == BST_CHECKED ? 1 : 0;
    working_.ScanMode = IsDlgButtonChecked(dialog, IDC_PRESET_EDIT_GRAYSCALE) == BST_CHECKED ? kScanModeGray
                        : IsDlgButtonChecked(dialog, IDC_PRESET_EDIT_COLOR) == BST_CHECKED
                            ? kScanModeColor
                            : kScanModeBlackWhite;
    HWND resolutions = Item(IDC_PRESET_EDIT_RESOLUTION);
    const int resolution = static_cast<int>(SendMessageA(resolutions, CB_GETCURSEL, 0, 0));
    if (resolution >= 0) working_.DPI = static_cast<int16_t>(EntryNumber(resolutions, resolution));
    const int selected = static_cast<int>(SendMessageA(Item(IDC_PRESET_EDIT_SCAN_SIZE), CB_GETCURSEL, 0, 0));
    // Nothing chosen keeps the frame as it is.
    const int size = selected < 0 ? 0 : selected + (hasUserDefined_ ? 0 : 1);
    if (size != 0) SetPaperSize(size, &working_);
    SavePreset(preset_, &working_);
    EndDialog(IDOK);
}

bool PresetEditDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_DRAWITEM || wParam != IDC_PRESET_EDIT_ICON || !lParam) return false;
    icon_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}
