// The editor of one preset (1 to 4): mode, resolution and scan size, the
// built-in values, a copy of the current custom settings; OK stores the
// preset, Cancel leaves it as it was.
#pragma once

#include "engine/negotiation_state.h"
#include "engine/scan_settings.h"
#include "framework/dialog.h"
#include "ui/hover_button.h"

class PresetEditDialog : public CDialog {
public:
    // `current` is the data source's current settings, only read (by "Copy
    // from Custom Settings"); the resolutions offered are those `negotiated`
    // allows.
    PresetEditDialog(const CWnd* owner, int preset, const ScanSettings& current, const Negotiation& negotiated);

    const ScanSettings& Working() const { return working_; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnOK() override;

private:
    void ShowPreset();

    int preset_;
    const ScanSettings& current_;
    const Negotiation& negotiated_;
    ScanSettings working_{};
    CHoverButtonEx icon_;
    bool hasUserDefined_ = false;
};
