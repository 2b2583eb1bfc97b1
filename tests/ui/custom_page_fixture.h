// The Custom Settings page run for real in a sheet of its own over the
// virtual scanner, with the preview file of the Wine user cleared before and
// after each test, and helpers that work its controls as a user would.
#pragma once

#include "engine/scan_settings.h"
#include "ui/custom_settings_page.h"
#include "ui/scanner_dialog_context.h"
#include "ui_fixture.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CustomPageTest : public UiTest {
protected:
    static constexpr const char* kSection = "TESTAPP";

    void SetUp() override;
    void TearDown() override;

    // Shows the page; `script` runs on the page's thread once it is painted.
    void RunPage(const std::function<void(CustomSettingsPage&, HWND page)>& script,
                 int32_t uiMode = kUiModeScan);

    // The preview file's path and the temporary files left beside it.
    std::string PreviewPath() const;
    std::vector<std::string> LeftoverPreviewTemporaries() const;

    std::string helpPath_;
    ScannerDialogContext context_{settings_, kUiModeScan, kSection, &owner_, scan_, negotiated_, units_};
};

// The page's controls, worked from the page's own thread.
void Click(HWND page, int id);
void SelectListItem(HWND page, int id, int index);
void MoveSlider(HWND page, int id, int position);
int SliderPosition(HWND page, int id);
int ListSelection(HWND page, int id);
std::string ListItem(HWND page, int id, int index);
int ListCount(HWND page, int id);
bool IsChecked(HWND page, int id);
std::string ItemText(HWND page, int id);
HWND PreviewOf(HWND page);

// Mouse messages to the preview, sent as the system would (client coordinates).
void Mouse(HWND preview, UINT message, int x, int y);

// A 24-bit bottom-up bitmap file of `width` x `height` at `dpi` whose pixel
// (x, y), counted from the top, is `color(x, y)`.
void WriteColorBitmap(const std::string& path, int32_t width, int32_t height, int dpi,
                      const std::function<COLORREF(int32_t, int32_t)>& color);

// The settings every test starts from: colour, 300 dpi, the default tones
// and a Letter frame.
ScanSettings DefaultTestSettings();
