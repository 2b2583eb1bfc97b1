// One page of the scanner dialog run for real in a property sheet of its own,
// which answers the page's OK and Cancel the way the scanner dialog does: it
// ends. A test's script runs on the sheet's thread once the page is painted.
#pragma once

#include "framework/property_sheet.h"
#include "support/screen_pixels.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class PageHost : public CPropertySheet {
public:
    // How a run ended.
    static constexpr INT_PTR kEndedByOk = 2001;
    static constexpr INT_PTR kEndedByCancel = 2002;
    static constexpr INT_PTR kEndedByScript = 2003;
    static constexpr INT_PTR kTimedOut = 2004;

    explicit PageHost(HWND owner) : CPropertySheet("Tavix Scanner", owner, 0) {}

    // Runs `page`; `script` gets the page's window once it is on the screen.
    // When the script returns true the run ends (kEndedByScript); otherwise
    // it goes on until the page ends it, or for at most `timeoutMs`.
    INT_PTR Run(CPropertyPage& page, std::function<bool(HWND page)> script,
                UINT timeoutMs = 10000);
    // Makes the page from `dialogTemplate` (a DLGTEMPLATE in memory, which
    // must outlive the run) instead of its resource.
    void UseTemplate(const std::vector<uint8_t>& dialogTemplate) { template_ = &dialogTemplate; }

protected:
    void OnInitialized() override;
    PROPSHEETPAGEA DescribePage(const CPropertyPage& page) const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::function<bool(HWND)> script_;
    UINT timeoutMs_ = 0;
    const std::vector<uint8_t>* template_ = nullptr;
};

// Paints `window` and its children now and lets Wine put it on the screen.
void PaintNow(HWND window);

// The client rectangle of `control` in screen coordinates.
RECT ClientOnScreen(HWND control);
