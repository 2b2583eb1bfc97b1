// The scanner dialog: four pages (presets, custom settings, information,
// language) without the sheet's own button row. It turns a scan request of
// its active page into a ScanRequest, and while it is shown it polls the
// paper sensor and draws in every sheet laid into the feeder once.
#pragma once

#include "framework/property_sheet.h"
#include "ui/custom_settings_page.h"
#include "ui/info_page.h"
#include "ui/language_page.h"
#include "ui/preset_page.h"
#include "ui/scan_request.h"
#include "ui/scanner_dialog_context.h"

#include <windows.h>

#include <string>

// Page indexes, in tab order.
constexpr int kPresetPageIndex = 0;
constexpr int kCustomSettingsPageIndex = 1;
constexpr int kInfoPageIndex = 2;
constexpr int kLanguagePageIndex = 3;

// Sent by the Custom Settings page around a preview scan: wParam 0 stops
// the feed polling, non-zero resumes it.
constexpr UINT kFeedPollingMessage = WM_APP + 100;
constexpr UINT_PTR kFeedPollingTimer = 1;
constexpr UINT kFeedPollingIntervalMs = 167;

class ScannerSheet : public CPropertySheet {
public:
    ScannerSheet(ScannerDialogContext& context, HWND parent, int startPage);

    PresetPage& Presets() { return presets_; }
    CustomSettingsPage& CustomSettings() { return custom_; }
    InfoPage& Info() { return info_; }
    LanguagePage& Language() { return language_; }
    bool PollingEnabled() const { return pollingEnabled_; }

protected:
    void OnInitialized() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Shows the context help popup `helpId`; the sheet's one way to WinHelp.
    virtual void ShowHelpPopup(DWORD helpId);

private:
    void HideButtonRow();
    void OnScanRequest();
    void ScanWithCustomSettings();
    void ScanWithPreset();
    void ChangeLanguage();
    void PollFeeder();

    ScannerDialogContext& context_;
    PresetPage presets_;
    CustomSettingsPage custom_;
    InfoPage info_;
    LanguagePage language_;
    bool pollingEnabled_ = true;
    bool paperLatched_ = false;
};

// The help id of a help request on the sheet's control `controlId`.
DWORD SheetHelpId(int controlId);
