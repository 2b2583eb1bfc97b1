// The Pre-defined Setting page: five round preset buttons (a click scans
// with the preset, a right click edits presets 1 to 4), their descriptions as
// tooltips, and the Calibrate button.
#pragma once

#include "framework/property_page.h"
#include "ui/hover_button.h"
#include "ui/scanner_dialog_context.h"
#include "ui/tooltip_button.h"

#include <cstdint>
#include <string>

class PresetPage : public CPropertyPage {
public:
    PresetPage(const ScannerDialogContext& context, std::string title);

    // The preset clicked, −1 until one is.
    int32_t SelectedPreset() const { return selected_; }
    // Rebuilds the tooltip of preset `n`, of all five when `n` is negative.
    void DescribePresets(int n);
    // The button of preset `n` (0..4).
    const CHoverButtonEx& PresetButton(int n) const { return presets_[n]; }

    bool PreTranslateMessage(MSG& message) override;

protected:
    bool OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    const ScannerDialogContext& context_;
    CHoverButtonEx presets_[5];
    CToolTipButton calibrate_;
    int32_t selected_ = -1;
};
