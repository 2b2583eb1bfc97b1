// The Language page: five round buttons over a picture that names the
// languages; the button of the current language is disabled.
#pragma once

#include "framework/property_page.h"
#include "ui/hover_button.h"

#include <cstdint>
#include <string>

class LanguagePage : public CPropertyPage {
public:
    explicit LanguagePage(std::string title);

    // The index of the button clicked (0 English, 1 French, 2 Spanish,
    // 3 Italian, 4 German), −1 until one is.
    int32_t SelectedIndex() const { return selected_; }
    const CHoverButtonEx& LanguageButton(int index) const { return buttons_[index]; }

    bool PreTranslateMessage(MSG& message) override;

protected:
    bool OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void PlaceLampsOnPicture();

    CHoverButtonEx buttons_[5];  // by index
    int32_t selected_ = -1;
};
