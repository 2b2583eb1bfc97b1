// The Custom Settings page's controls: what they show of the current
// settings and how each one edits them.
#include "custom_page_fixture.h"

#include "engine/measure_unit.h"
#include "engine/negotiation_state.h"
#include "engine/scan_sizes.h"
#include "localization/language.h"
#include "page_host.h"
#include "resources/custom_settings_page_ids.h"

#include <commctrl.h>

namespace {

using CustomSettingsPageTest = CustomPageTest;

TEST_F(CustomSettingsPageTest, ShowsTheSettingsInEveryControl) {
    settings_.ScanMode = kScanModeGray;
    settings_.DPI = 600;
    settings_.Brightness = -30;
    settings_.Contrast = 40;
    settings_.Gamma = 22;
    settings_.Highlight = 200;
    settings_.Shadow = 10;
    settings_.Filter = 1;
    settings_.Invert = 1;
    settings_.DetectEOP = 1;
    settings_.DoubleSided = 1;
    RunPage([&](CustomSettingsPage&, HWND hwnd) {
        EXPECT_TRUE(IsChecked(hwnd, IDC_CUSTOM_GRAYSCALE));
        EXPECT_FALSE(IsChecked(hwnd, IDC_CUSTOM_COLOR));
        EXPECT_TRUE(IsChecked(hwnd, IDC_CUSTOM_TWO_SIDES));
        EXPECT_EQ("600", ListItem(hwnd, IDC_CUSTOM_RESOLUTION,
                                  ListSelection(hwnd, IDC_CUSTOM_RESOLUTION)));
        EXPECT_EQ(1, ListSelection(hwnd, IDC_CUSTOM_SCAN_SIZE));
        EXPECT_EQ(1, ListSelection(hwnd, IDC_CUSTOM_FILTER));
        EXPECT_TRUE(IsChecked(hwnd, IDC_CUSTOM_INVERT));
        EXPECT_TRUE(IsChecked(hwnd, IDC_CUSTOM_DETECT_EOP));
        EXPECT_EQ(-30, SliderPosition(hwnd, IDC_CUSTOM_BRIGHTNESS));
        EXPECT_EQ("-30%", ItemText(hwnd, IDC_CUSTOM_BRIGHTNESS_VALUE));
        EXPECT_EQ("40%", ItemText(hwnd, IDC_CUSTOM_CONTRAST_VALUE));
        EXPECT_EQ(" 2.2", ItemText(hwnd, IDC_CUSTOM_GAMMA_VALUE));
        EXPECT_EQ("200", ItemText(hwnd, IDC_CUSTOM_HIGHLIGHT_VALUE));
        EXPECT_EQ(" 10", ItemText(hwnd, IDC_CUSTOM_SHADOW_VALUE));
        EXPECT_EQ("Width: 8.5 in", ItemText(hwnd, IDC_CUSTOM_FRAME_WIDTH));
        EXPECT_EQ("Height: 11.0 in", ItemText(hwnd, IDC_CUSTOM_FRAME_HEIGHT));
        // 600 dpi gray Letter: 5100 x 6600 bytes = 32.10 MB.
        EXPECT_EQ("Image size: 32.10 MB", ItemText(hwnd, IDC_CUSTOM_IMAGE_SIZE));
        EXPECT_EQ("Scan", ItemText(hwnd, IDC_CUSTOM_SCAN));
    });
}

TEST_F(CustomSettingsPageTest, ListsHoldTheAllowedResolutionsThePaperSizesAndTheFilters) {
    negotiated_.AllowedResolutions[0] = false;  // 75 dpi ruled out by the application
    settings_.DPI = 75;             // not in the list: the first entry is shown
    RunPage([&](CustomSettingsPage&, HWND hwnd) {
        ASSERT_EQ(kResolutionCount - 1, ListCount(hwnd, IDC_CUSTOM_RESOLUTION));
        EXPECT_EQ(std::to_string(ResolutionList[1]), ListItem(hwnd, IDC_CUSTOM_RESOLUTION, 0));
        EXPECT_EQ(0, ListSelection(hwnd, IDC_CUSTOM_RESOLUTION));
        ASSERT_EQ(1 + kScanSizeCount, ListCount(hwnd, IDC_CUSTOM_SCAN_SIZE));
        EXPECT_EQ("User Defined", ListItem(hwnd, IDC_CUSTOM_SCAN_SIZE, 0));
        std::string letter;
        GetPaperSizeName(GetLanguage(), 0, letter);
        EXPECT_EQ(letter, ListItem(hwnd, IDC_CUSTOM_SCAN_SIZE, 1));
        ASSERT_EQ(2, ListCount(hwnd, IDC_CUSTOM_FILTER));
        EXPECT_EQ("None", ListItem(hwnd, IDC_CUSTOM_FILTER, 0));
        EXPECT_EQ("Descreen", ListItem(hwnd, IDC_CUSTOM_FILTER, 1));

        SelectListItem(hwnd, IDC_CUSTOM_RESOLUTION, 2);
        EXPECT_EQ(ResolutionList[3], settings_.DPI);
        SelectListItem(hwnd, IDC_CUSTOM_FILTER, 1);
        EXPECT_EQ(1, settings_.Filter);
        SelectListItem(hwnd, IDC_CUSTOM_FILTER, 0);
        EXPECT_EQ(0, settings_.Filter);

        SelectListItem(hwnd, IDC_CUSTOM_SCAN_SIZE, 3);
        EXPECT_EQ(ScanSizeTable[2].Right, settings_.Right);
        EXPECT_EQ(ScanSizeTable[2].Bottom, settings_.Bottom);
        const std::string width = ItemText(hwnd, IDC_CUSTOM_FRAME_WIDTH);
        // "User Defined" leaves the frame as it is.
        SelectListItem(hwnd, IDC_CUSTOM_SCAN_SIZE, 0);
        EXPECT_EQ(ScanSizeTable[2].Right, settings_.Right);
        EXPECT_EQ(width, ItemText(hwnd, IDC_CUSTOM_FRAME_WIDTH));
    });
}

TEST_F(CustomSettingsPageTest, ModeSidesAndOptionsEditTheSettings) {
    RunPage([&](CustomSettingsPage&, HWND hwnd) {
        Click(hwnd, IDC_CUSTOM_BLACK_WHITE);
        EXPECT_EQ(kScanModeBlackWhite, settings_.ScanMode);
        EXPECT_EQ("Image size: 1.01 MB", ItemText(hwnd, IDC_CUSTOM_IMAGE_SIZE));
        Click(hwnd, IDC_CUSTOM_GRAYSCALE);
        EXPECT_EQ(kScanModeGray, settings_.ScanMode);
        Click(hwnd, IDC_CUSTOM_COLOR);
        EXPECT_EQ(kScanModeColor, settings_.ScanMode);
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_CUSTOM_TWO_SIDES, BN_CLICKED), 0);
        EXPECT_EQ(1, settings_.DoubleSided);
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_CUSTOM_ONE_SIDE, BN_CLICKED), 0);
        EXPECT_EQ(0, settings_.DoubleSided);
        Click(hwnd, IDC_CUSTOM_INVERT);
        EXPECT_EQ(1, settings_.Invert);
        Click(hwnd, IDC_CUSTOM_INVERT);
        EXPECT_EQ(0, settings_.Invert);
        Click(hwnd, IDC_CUSTOM_DETECT_EOP);
        EXPECT_EQ(1, settings_.DetectEOP);
    });
}

TEST_F(CustomSettingsPageTest, OneTransferAndRuledOutPixelTypesDisableTheirChoices) {
    negotiated_.XferCount = 1;
    negotiated_.AllowedPixelTypes[0] = false;  // black/white
    negotiated_.AllowedPixelTypes[2] = false;  // colour
    settings_.DoubleSided = 1;
    RunPage([&](CustomSettingsPage&, HWND hwnd) {
        EXPECT_EQ(0, settings_.DoubleSided);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hwnd, IDC_CUSTOM_TWO_SIDES)));
        EXPECT_TRUE(IsChecked(hwnd, IDC_CUSTOM_ONE_SIDE));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hwnd, IDC_CUSTOM_BLACK_WHITE)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hwnd, IDC_CUSTOM_GRAYSCALE)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hwnd, IDC_CUSTOM_COLOR)));
    });
    negotiated_.XferCount = -1;
    settings_.DoubleSided = 1;
    RunPage([&](CustomSettingsPage&, HWND hwnd) {
        EXPECT_EQ(1, settings_.DoubleSided);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hwnd, IDC_CUSTOM_TWO_SIDES)));
    });
}

TEST_F(CustomSettingsPageTest, SlidersSetTheirRangesLabelsAndKeepHighlightAboveShadow) {
    settings_.Shadow = 120;
    RunPage([&](CustomSettingsPage&, HWND hwnd) {
        const struct {
            int id, low, high, page;
        } ranges[] = {{IDC_CUSTOM_BRIGHTNESS, -100, 100, 10}, {IDC_CUSTOM_CONTRAST, -100, 100, 10},
                      {IDC_CUSTOM_GAMMA, 10, 40, 2},          {IDC_CUSTOM_HIGHLIGHT, 5, 255, 5},
                      {IDC_CUSTOM_SHADOW, 0, 250, 5}};
        for (const auto& range : ranges) {
            HWND slider = GetDlgItem(hwnd, range.id);
            EXPECT_EQ(range.low, SendMessageA(slider, TBM_GETRANGEMIN, 0, 0)) << range.id;
            EXPECT_EQ(range.high, SendMessageA(slider, TBM_GETRANGEMAX, 0, 0)) << range.id;
            EXPECT_EQ(range.page, SendMessageA(slider, TBM_GETPAGESIZE, 0, 0)) << range.id;
        }
        MoveSlider(hwnd, IDC_CUSTOM_HIGHLIGHT, 100);
        EXPECT_EQ(100, settings_.Highlight);
        EXPECT_EQ(95, settings_.Shadow);
        EXPECT_EQ(95, SliderPosition(hwnd, IDC_CUSTOM_SHADOW));
        EXPECT_EQ(" 95", ItemText(hwnd, IDC_CUSTOM_SHADOW_VALUE));
        EXPECT_EQ("100", ItemText(hwnd, IDC_CUSTOM_HIGHLIGHT_VALUE));

        MoveSlider(hwnd, IDC_CUSTOM_SHADOW, 252);  // the range ends at 250
        EXPECT_EQ(250, settings_.Shadow);
        EXPECT_EQ(255, settings_.Highlight);
        EXPECT_EQ(255, SliderPosition(hwnd, IDC_CUSTOM_HIGHLIGHT));

        MoveSlider(hwnd, IDC_CUSTOM_GAMMA, 25);
        EXPECT_EQ(25, settings_.Gamma);
        EXPECT_EQ(" 2.5", ItemText(hwnd, IDC_CUSTOM_GAMMA_VALUE));
        MoveSlider(hwnd, IDC_CUSTOM_BRIGHTNESS, -100);
        EXPECT_EQ(-100, settings_.Brightness);
        EXPECT_EQ("-100%", ItemText(hwnd, IDC_CUSTOM_BRIGHTNESS_VALUE));

        // A report equal to the last one is not taken again.
        settings_.Brightness = 7;
        MoveSlider(hwnd, IDC_CUSTOM_BRIGHTNESS, -100);
        EXPECT_EQ(7, settings_.Brightness);
    });
    // The next opening of the page takes the same report: the user's move
    // there must not be lost to the last dialog's.
    settings_.Brightness = 7;
    RunPage([&](CustomSettingsPage&, HWND hwnd) {
        MoveSlider(hwnd, IDC_CUSTOM_BRIGHTNESS, -100);
        EXPECT_EQ(-100, settings_.Brightness);
    });
}

TEST_F(CustomSettingsPageTest, ResetRestoresTonesAndOptionsButKeepsModeResolutionAndFrame) {
    settings_.ScanMode = kScanModeBlackWhite;
    settings_.DPI = 200;
    settings_.Top = 50;
    settings_.Left = 60;
    settings_.Bottom = 700;
    settings_.Right = 500;
    settings_.Brightness = 50;
    settings_.Contrast = -20;
    settings_.Gamma = 30;
    settings_.Highlight = 180;
    settings_.Shadow = 40;
    settings_.Invert = 1;
    settings_.Filter = 1;
    settings_.DetectEOP = 1;
    RunPage([&](CustomSettingsPage& page, HWND hwnd) {
        Click(hwnd, IDC_CUSTOM_ZOOM_MODE);
        Click(hwnd, IDC_CUSTOM_RESET);
        EXPECT_EQ(0, settings_.Brightness);
        EXPECT_EQ(0, settings_.Contrast);
        EXPECT_EQ(18, settings_.Gamma);
        EXPECT_EQ(255, settings_.Highlight);
        EXPECT_EQ(0, settings_.Shadow);
        EXPECT_EQ(0, settings_.Invert);
        EXPECT_EQ(0, settings_.Filter);
        EXPECT_EQ(0, settings_.DetectEOP);
        EXPECT_EQ(" 1.8", ItemText(hwnd, IDC_CUSTOM_GAMMA_VALUE));
        EXPECT_EQ("0%", ItemText(hwnd, IDC_CUSTOM_BRIGHTNESS_VALUE));
        EXPECT_FALSE(IsChecked(hwnd, IDC_CUSTOM_INVERT));
        EXPECT_EQ(kScanModeBlackWhite, settings_.ScanMode);
        EXPECT_EQ(200, settings_.DPI);
        EXPECT_EQ(50, settings_.Top);
        EXPECT_EQ(60, settings_.Left);
        EXPECT_EQ(700, settings_.Bottom);
        EXPECT_EQ(500, settings_.Right);
        EXPECT_EQ(kPreviewRangeMode, page.Preview()->Mode());
        EXPECT_TRUE(IsChecked(hwnd, IDC_CUSTOM_RANGE_MODE));
        EXPECT_FALSE(IsChecked(hwnd, IDC_CUSTOM_ZOOM_MODE));
    });
}

TEST_F(CustomSettingsPageTest, UnitButtonSwitchesLabelsRulersAndTheStoredUnit) {
    units_.Set(0);
    RunPage([&](CustomSettingsPage& page, HWND hwnd) {
        EXPECT_EQ("Cm", ItemText(hwnd, IDC_CUSTOM_UNIT));
        EXPECT_EQ("Width: 21.6 cm", ItemText(hwnd, IDC_CUSTOM_FRAME_WIDTH));
        EXPECT_EQ("Height: 27.9 cm", ItemText(hwnd, IDC_CUSTOM_FRAME_HEIGHT));
        Click(hwnd, IDC_CUSTOM_UNIT);
        EXPECT_EQ(1, units_.Get());
        EXPECT_EQ(1, page.Preview()->Unit());
        EXPECT_EQ("In", ItemText(hwnd, IDC_CUSTOM_UNIT));
        EXPECT_EQ("Width: 8.5 in", ItemText(hwnd, IDC_CUSTOM_FRAME_WIDTH));
        Click(hwnd, IDC_CUSTOM_UNIT);
        EXPECT_EQ(0, units_.Get());
        EXPECT_EQ("Width: 21.6 cm", ItemText(hwnd, IDC_CUSTOM_FRAME_WIDTH));
    });
}

TEST_F(CustomSettingsPageTest, GermanTextsAndTheSettingsOnlyButton) {
    UseLanguage(LanguageGerman);
    RunPage(
        [&](CustomSettingsPage&, HWND hwnd) {
            EXPECT_EQ("OK", ItemText(hwnd, IDC_CUSTOM_SCAN));
            const std::string width = ItemText(hwnd, IDC_CUSTOM_FRAME_WIDTH);
            EXPECT_NE(std::string::npos, width.find("8.5 in")) << width;
            EXPECT_NE("Width: 8.5 in", width);
            EXPECT_NE("User Defined", ListItem(hwnd, IDC_CUSTOM_SCAN_SIZE, 0));
        },
        kUiModeSettingsOnly);
}

TEST_F(CustomSettingsPageTest, ThePaperSensorLightFollowsTheScannersAnswer) {
    Configure("sheets", "0");
    RunPage([&](CustomSettingsPage& page, HWND hwnd) {
        (void)hwnd;
        EXPECT_EQ(SensorLight::kNoPaperColumn, page.Light().Column());
        Configure("sheets", "1");
        // The light reads the cached answer; the dialog's polling refreshes it.
        io_.IsPaperOn(false);
        SendMessageA(hwnd, WM_TIMER, CustomSettingsPage::kSensorTimer, 0);
        EXPECT_EQ(SensorLight::kPaperColumn, page.Light().Column());
        const int callsBefore = Calls("IO_IsPaperOn");
        SendMessageA(hwnd, WM_TIMER, CustomSettingsPage::kSensorTimer, 0);
        EXPECT_EQ(callsBefore, Calls("IO_IsPaperOn"));
        // Drawn: the lamp's centre is no longer the page's background.
        PaintNow(hwnd);
        HWND light = GetDlgItem(hwnd, IDC_CUSTOM_SENSOR_LIGHT);
        HDC dc = GetDC(light);
        const COLORREF centre = GetPixel(dc, 6, 6);
        ReleaseDC(light, dc);
        EXPECT_NE(GetSysColor(COLOR_BTNFACE), centre);
        EXPECT_NE(RGB(255, 0, 255), centre);
    });
}

TEST_F(CustomSettingsPageTest, FreeDiskSpaceOfTheHelpFilesDriveOrXxxWithoutOne) {
    const std::string help = folder_.File("TAVIXSRC.HLP");
    app_.SetHelpFilePath(help.c_str());
    RunPage([&](CustomSettingsPage&, HWND hwnd) {
        const std::string text = ItemText(hwnd, IDC_CUSTOM_FREE_DISK);
        EXPECT_EQ(0u, text.find("Free disk space: ")) << text;
        EXPECT_TRUE(text.find(" MB") != std::string::npos || text.find(" GB") != std::string::npos)
            << text;
    });
    app_.SetHelpFilePath("Q:\\nowhere\\TAVIXSRC.HLP");
    RunPage([&](CustomSettingsPage&, HWND hwnd) {
        EXPECT_EQ("Free disk space: xxx", ItemText(hwnd, IDC_CUSTOM_FREE_DISK));
    });
    app_.SetHelpFilePath(nullptr);
}

class HelpRecordingPage : public CustomSettingsPage {
public:
    using CustomSettingsPage::CustomSettingsPage;
    std::vector<DWORD> shown;

protected:
    void ShowHelpPopup(DWORD helpId) override { shown.push_back(helpId); }
};

TEST_F(CustomSettingsPageTest, HelpShowsThePopupOfEachListedControlAndNothingForOthers) {
    HelpRecordingPage page(context_, "Custom Settings");
    PageHost host(OwnerHwnd());
    host.Run(page, [&](HWND hwnd) {
        for (int id : {IDC_CUSTOM_RESET, IDC_CUSTOM_GRAYSCALE, IDC_CUSTOM_RESOLUTION_LABEL,
                       IDC_CUSTOM_SCAN_SIZE, IDC_CUSTOM_FILTER, IDC_CUSTOM_INVERT,
                       IDC_CUSTOM_BRIGHTNESS_VALUE, IDC_CUSTOM_CONTRAST, IDC_CUSTOM_GAMMA_LABEL,
                       IDC_CUSTOM_HIGHLIGHT, IDC_CUSTOM_SHADOW_VALUE, IDC_CUSTOM_PREVIEW,
                       IDC_CUSTOM_SCAN}) {
            HELPINFO help = {sizeof help, HELPINFO_WINDOW, id, GetDlgItem(hwnd, id), 0, {0, 0}};
            EXPECT_EQ(TRUE, SendMessageA(hwnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&help)));
        }
        // Help over the preview goes to the page as well.
        HELPINFO help = {sizeof help, HELPINFO_WINDOW, IDC_CUSTOM_RESET, PreviewOf(hwnd), 0, {0, 0}};
        SendMessageA(PreviewOf(hwnd), WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
        return true;
    });
    const std::vector<DWORD> expected = {17074, 17051, 17052, 17053, 78011, 19063,
                                         17073, 17075, 17076, 17078, 17079, 17074};
    EXPECT_EQ(expected, page.shown);
}

TEST_F(CustomSettingsPageTest, ScanAndCancelGoToTheDialog) {
    for (const auto& [id, ended] : {std::pair<int, INT_PTR>{IDC_CUSTOM_SCAN, PageHost::kEndedByOk},
                                    {IDCANCEL, PageHost::kEndedByCancel}}) {
        CustomSettingsPage page(context_, "Custom Settings");
        PageHost host(OwnerHwnd());
        EXPECT_EQ(ended, host.Run(page, [&, id = id](HWND hwnd) {
            PostMessageA(GetDlgItem(hwnd, id), BM_CLICK, 0, 0);
            return false;
        }));
    }
}

}  // namespace
