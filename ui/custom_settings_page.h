// The Custom Settings page: every scan parameter by hand, edited straight in
// the data source's current settings; the preview with its rulers, the frame
// and image sizes, the free disk space and the paper sensor light. Scan asks
// the scanner dialog to scan with the current settings.
#pragma once

#include "framework/property_page.h"
#include "ui/preview_window.h"
#include "ui/ruler.h"
#include "ui/scanner_dialog_context.h"
#include "ui/sensor_light.h"

#include <memory>
#include <string>

// The help id of a control of the page, 0 for a control without help.
DWORD CustomSettingsHelpId(int controlId);

class CustomSettingsPage : public CPropertyPage {
public:
    CustomSettingsPage(ScannerDialogContext& context, std::string title);

    // Puts the free space of the help file's drive into its label.
    void RefreshFreeSpace();
    // Puts every field of the current settings into the controls.
    void ShowSettings();

    // The preview, once the page has its window (tests look at it).
    PreviewWindow* Preview() const { return preview_.get(); }
    const SensorLight& Light() const { return light_; }

    static constexpr UINT_PTR kSensorTimer = 1;
    static constexpr UINT kSensorIntervalMs = 333;

protected:
    bool OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnTimer(UINT_PTR timerId) override;
    // Shows the context help popup `helpId`.
    virtual void ShowHelpPopup(DWORD helpId);

private:
    void SetTexts();
    void DisableUnavailableChoices();
    void FillLists();
    void SetUpSliders();
    void ShowSlider(int sliderId, int value) const;
    void OnSlider(HWND slider);
    void OnReset();
    void SelectMode(int mode);
    void OnPreviewButton();
    void SelectScanSize() const;
    int SelectedIndex(int listId) const;

    // The last slider report of this page: a report equal to it changes
    // nothing. Each opening of the page starts afresh, so that a position
    // reported in an earlier dialog is never taken for a repeat.
    struct SliderReport {
        int id = 0;
        int position = -32768;
    };

    ScannerDialogContext& context_;
    ScanSettings& settings_;
    SliderReport lastSliderReport_;
    std::unique_ptr<PreviewWindow> preview_;
    Ruler horizontalRuler_;
    Ruler verticalRuler_;
    SensorLight light_;
};
