// The editor of one preset (1 to 4): mode, resolution and scan size, the
// built-in values, a copy of the current custom settings; OK stores the
// preset, Cancel leaves it as it was.
#pragma once

#include "engine/scan_settings.h"
#include "framework/dialog.h"
#include "ui/hover_button.h"
#include "ui/scanner_dialog_context.h"

class PresetEditDialog : public CDialog {
public:
    // The context's current settings are only read (by "Copy from Custom
    // Settings"); the resolutions offered are those it allows, the sizes are
    // shown in its unit.
    PresetEditDialog(const CWnd* owner, int preset, const ScannerDialogContext& context);

    const ScanSettings& Working() const { return working_; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnOK() override;

private:
    void ShowPreset();

    int preset_;
    const ScannerDialogContext& context_;
    ScanSettings working_{};
    CHoverButtonEx icon_;
    bool hasUserDefined_ = false;
};
