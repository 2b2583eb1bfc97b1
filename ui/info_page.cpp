#include "ui/info_page.h"

#include "engine/scanner_io.h"
#include "localization/language.h"
#include "localization/text_table.h"
#include "resources/artwork_ids.h"
#include "resources/info_page_ids.h"
#include "ui/library_file_info.h"

namespace {

// `control`'s window rectangle in the client coordinates of `parent`.
RECT RectIn(HWND parent, HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

InfoPage::InfoPage(const ScannerDialogContext& context, std::string title)
    : CPropertyPage(IDD_INFO_PAGE, std::move(title)), context_(context) {}

bool InfoPage::OnInitDialog() {
    const LanguageId language = GetLanguage();
    const struct {
        int id;
        const LocalizedText& text;
    } labels[] = {
        {IDC_INFO_INTERFACE_LABEL, texts::InterfaceLabel},
        {IDC_INFO_CONFIG_LABEL, texts::DllConfigLabel},
        {IDC_INFO_VERSION_LABEL, texts::DllVersionLabel},
        {IDC_INFO_DATE_LABEL, texts::DllDateLabel},
        {IDC_INFO_LEGAL_NOTICE, texts::CopyrightNotice},
    };
    std::string text;
    for (const auto& label : labels) {
        LoadText(language, label.text, text);
        SetItemText(label.id, text);
    }

    PlaceLogo();

    std::string config, interfaceText;
    context_.Scan.Io.HardwareCheck(config, interfaceText);
    SetItemText(IDC_INFO_INTERFACE, interfaceText);
    SetItemText(IDC_INFO_CONFIG, config);

    const std::string library = SystemScannerLibraryPath();
    SetItemText(IDC_INFO_VERSION, LibraryVersionText(library));
    SetItemText(IDC_INFO_DATE, LibraryDateText(library));
    return true;
}

void InfoPage::PlaceLogo() {
    if (!logo_.Bind(*this, IDC_INFO_LOGO) || !logo_.SetBitmap(IDB_LOGO)) return;
    HWND page = GetSafeHwnd();
    HWND frame = Item(IDC_INFO_FRAME);
    if (!frame) return;
    // Centred in the left half of the frame and centred in its height.
    const RECT box = RectIn(page, frame);
    const int frameWidth = box.right - box.left;
    const int frameHeight = box.bottom - box.top;
    const int x = box.left + (frameWidth / 2 - logo_.Width()) / 2;
    const int y = box.top + (frameHeight - logo_.Height()) / 2;
    SetWindowPos(logo_.GetSafeHwnd(), nullptr, x, y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}
