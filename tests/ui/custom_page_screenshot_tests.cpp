// Screenshots of the Custom Settings page with a preview from the virtual
// scanner in every display mode, zoomed and with a drawn frame, in English
// and German, written to <build>/screenshots/custom-page-*.png.
#include "custom_page_fixture.h"

#include "page_host.h"
#include "support/png_file.h"
#include "resources/custom_settings_page_ids.h"
#include "support/message_box_watcher.h"
#include "ui/preview_window.h"
#include "window_pixels.h"

namespace {

using CustomPageScreenshotTest = CustomPageTest;

void Shoot(HWND page, const std::string& name) {
    HWND sheet = GetParent(page);
    PaintNow(sheet);
    SettleWindows();
    EXPECT_TRUE(SaveWindowPng(sheet, ScreenshotPath("custom-page-" + name + ".png"))) << name;
}

TEST_F(CustomPageScreenshotTest, PreviewInEveryModeZoomedAndFramedInEnglishAndGerman) {
    for (const auto& [language, tag] :
         {std::pair<LanguageId, const char*>{LanguageEnglish, "en"}, {LanguageGerman, "de"}}) {
        UseLanguage(language);
        settings_ = DefaultTestSettings();
        DeleteFileA(PreviewPath().c_str());
        Configure("sheets", "1");  // the preview scan feeds its sheet out
        MessageBoxWatcher watcher({IDOK});
        RunPage([&, tag = std::string(tag)](CustomSettingsPage& page, HWND hwnd) {
            Shoot(hwnd, tag + "-empty");
            Click(hwnd, IDC_CUSTOM_PREVIEW);
            ASSERT_TRUE(page.Preview()->HasImage());
            Shoot(hwnd, tag + "-color");
            Click(hwnd, IDC_CUSTOM_GRAYSCALE);
            MoveSlider(hwnd, IDC_CUSTOM_CONTRAST, 40);
            Shoot(hwnd, tag + "-gray");
            Click(hwnd, IDC_CUSTOM_BLACK_WHITE);
            Shoot(hwnd, tag + "-bw");
            Click(hwnd, IDC_CUSTOM_COLOR);
            HWND preview = PreviewOf(hwnd);
            // A new frame is drawn from outside the old one.
            settings_.Bottom = 60;
            settings_.Right = 60;
            page.Preview()->Refresh(kRefreshAfterFrame);
            RECT client;
            GetClientRect(preview, &client);
            Mouse(preview, WM_LBUTTONDOWN, client.right / 5, client.bottom / 4);
            Mouse(preview, WM_MOUSEMOVE, client.right * 3 / 4, client.bottom / 2);
            Mouse(preview, WM_LBUTTONUP, client.right * 3 / 4, client.bottom / 2);
            Shoot(hwnd, tag + "-frame");
            Click(hwnd, IDC_CUSTOM_ZOOM_MODE);
            Mouse(preview, WM_LBUTTONDOWN, 10, 10);
            SendMessageA(preview, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 6), 0);
            Click(hwnd, IDC_CUSTOM_UNIT);
            EXPECT_EQ(2, page.Preview()->View().zoom);
            Shoot(hwnd, tag + "-zoom2-cm");
            Click(hwnd, IDC_CUSTOM_UNIT);
        });
        EXPECT_TRUE(watcher.Seen().empty()) << tag;
    }
}

}  // namespace
