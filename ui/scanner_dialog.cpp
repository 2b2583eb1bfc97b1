#include "ui/scanner_dialog.h"

#include "engine/profile.h"
#include "framework/wnd.h"
#include "ui/scanner_sheet.h"

#include <memory>
#include <new>

int StartPageFromProfile(const ScannerDialogContext& context) {
    const int fallback = context.UiMode == kUiModeSettingsOnly ? kCustomSettingsPageIndex
                                                               : kPresetPageIndex;
    const int page = ProfileInt(context.SectionName, "PropPage", fallback);
    return page == kPresetPageIndex || page == kCustomSettingsPageIndex ? page : kPresetPageIndex;
}

bool RunScannerDialog(ScannerDialogContext& context, ScanRequest& request) {
    HWND parent = context.Host ? context.Host->GetSafeHwnd() : nullptr;
    // A handle the application has already destroyed owns nothing.
    if (parent && !IsWindow(parent)) parent = nullptr;
    int startPage = StartPageFromProfile(context);
    for (;;) {
        std::unique_ptr<ScannerSheet> sheet(new (std::nothrow)
                                                ScannerSheet(context, parent, startPage));
        if (!sheet) return false;
        const INT_PTR result = sheet->DoModal();
        sheet.reset();
        request = static_cast<ScanRequest>(result);
        if (!IsLanguageChange(request)) return true;
        startPage = kLanguagePageIndex;
        if (parent && !IsWindow(parent)) parent = nullptr;
    }
}
