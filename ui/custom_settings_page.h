// The Custom Settings page: every scan parameter by hand, the preview, the
// frame and image sizes and the free disk space. Scan asks the scanner
// dialog to scan with the current settings.
#pragma once

#include "framework/property_page.h"
#include "ui/scanner_dialog_context.h"

#include <string>

class CustomSettingsPage : public CPropertyPage {
public:
    CustomSettingsPage(ScannerDialogContext& context, std::string title);

    // Puts the free space of the temporary folder's disk into its label.
    void RefreshFreeSpace();

protected:
    bool OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;

private:
    ScannerDialogContext& context_;
};
