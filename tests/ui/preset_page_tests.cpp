// The Pre-defined Setting page in a property sheet, and the preset edit
// dialog, run as real windows over a profile of their own; a second thread
// acts as the user.
#include "support/dialog_driver.h"
#include "support/png_file.h"
#include "ui_fixture.h"

#include "engine/measure_unit.h"
#include "engine/presets.h"
#include "framework/property_sheet.h"
#include "resources/preset_edit_dialog_ids.h"
#include "resources/preset_page_ids.h"
#include "ui/preset_edit_dialog.h"
#include "ui/preset_page.h"

#include <commctrl.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>

namespace {

// Ends with 1000 on IDOK, as the scanner dialog scans then, and -1 on IDCANCEL.
class TestSheet : public CPropertySheet {
public:
    using CPropertySheet::CPropertySheet;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
            EndDialog(1000);
            return 0;
        }
        if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
            EndDialog(-1);
            return 0;
        }
        return CPropertySheet::WindowProc(message, wParam, lParam);
    }
};

std::string ListEntry(HWND list, int index) {
    char text[256] = {};
    if (SendMessageA(list, CB_GETLBTEXTLEN, index, 0) >= static_cast<LRESULT>(sizeof text)) return "<long>";
    SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

class PresetPageTest : public UiTest {
protected:
    ScannerDialogContext Context() { return ScannerDialogContext{settings_, kUiModeScan, "TestApp", &Owner(), scan_, negotiated_, units_}; }
    // Runs the page in a sheet while `script` acts on it from a second thread.
    INT_PTR RunPage(PresetPage& page, std::function<void(HWND sheet, HWND page)> script) {
        TestSheet sheet("Tavix Scanner", OwnerHwnd(), 0);
        sheet.AddPage(&page);
        ScriptThread user([&] {
            std::set<HWND> done;
            HWND found = WaitForNewDialog(done);
            if (!found) return;
            HWND pageWindow = PropSheet_GetCurrentPageHwnd(found);
            script(found, pageWindow);
            if (IsWindow(found)) PostMessageA(found, WM_COMMAND, IDCANCEL, 0);
        });
        return sheet.DoModal();
    }
    int ProfileInt(const char* section, const char* key) const {
        return static_cast<int>(GetPrivateProfileIntA(section, key, -12345, profile_.c_str()));
    }
    void StorePreset3WithCustomFrame() {
        ScanSettings custom{};
        DefaultPreset(3, &custom);
        custom.Top = 0, custom.Left = 0, custom.Bottom = 500, custom.Right = 400;
        SavePreset(3, &custom);
    }
};

// The text of the tooltip that shows when the mouse rests on preset `n`.
std::string HoveredTip(const PresetPage& page, HWND pageWindow, int n) {
    HWND button = GetDlgItem(pageWindow, IDC_PRESET_BUTTON_0 + n);
    SendMessageA(button, WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
    return ToolText(page.PresetButton(n).TooltipHwnd(), button);
}

TEST_F(PresetPageTest, Tooltips_DescribeEveryPresetWithRepeatLastScanAndACustomFrameInInches) {
    StorePreset3WithCustomFrame();
    units_.Set(0);  // the tooltips stay in inches all the same
    ScannerDialogContext context = Context();
    PresetPage page(context, "Pre-defined Setting");
    std::string tips[5], help, calibrate, calibrateTip;
    RunPage(page, [&](HWND, HWND pageWindow) {
        for (int n = 0; n < 5; ++n)
            tips[n] = HoveredTip(page, pageWindow, n);
        help = WindowText(GetDlgItem(pageWindow, IDC_PRESET_DESCRIPTION));
        calibrate = WindowText(GetDlgItem(pageWindow, IDC_PRESET_CALIBRATE));
        SaveWindowPng(GetParent(pageWindow), ScreenshotPath("preset-page-english.png"));
    });
    EXPECT_EQ("Repeat last scan: 300 dpi, Black/White, Letter size (8.5\" x 11.0\").", tips[0]);
    EXPECT_EQ("200 dpi, Black/White, A4 size (210mm x 297mm).", tips[1]);
    EXPECT_EQ("300 dpi, Black/White, Letter size (8.5\" x 11.0\").", tips[2]);
    EXPECT_EQ("200 dpi, Grayscale, 4.0\" x 5.0\".", tips[3]);
    EXPECT_EQ("200 dpi, Color, A4 size (210mm x 297mm).", tips[4]);
    EXPECT_EQ(0u, help.find("Use the above pre-defined settings for a quick scan.\n\n"));
    EXPECT_EQ("Calibrate", calibrate);
}

TEST_F(PresetPageTest, GermanPage_TextsFitAndAScreenshotIsTaken) {
    for (LanguageId language :
         {LanguageEnglish, LanguageFrench, LanguageSpanish, LanguageItalian, LanguageGerman}) {
        UseLanguage(language);
        ScannerDialogContext context = Context();
        PresetPage page(context, "Page");
        bool helpFits = false, calibrateFits = false;
        std::string tip0;
        RunPage(page, [&](HWND, HWND pageWindow) {
            helpFits = TextFits(GetDlgItem(pageWindow, IDC_PRESET_DESCRIPTION), true);
            calibrateFits = TextFits(GetDlgItem(pageWindow, IDC_PRESET_CALIBRATE), false);
            tip0 = HoveredTip(page, pageWindow, 0);
            if (language == LanguageGerman)
                SaveWindowPng(GetParent(pageWindow), ScreenshotPath("preset-page-german.png"));
        });
        EXPECT_TRUE(helpFits) << language;
        EXPECT_TRUE(calibrateFits) << language;
        EXPECT_FALSE(tip0.empty()) << language;
    }
}

TEST_F(PresetPageTest, Click_SelectsThePresetAndSendsOkToTheSheet) {
    ScannerDialogContext context = Context();
    PresetPage page(context, "Pre-defined Setting");
    EXPECT_EQ(-1, page.SelectedPreset());
    const INT_PTR result = RunPage(page, [&](HWND, HWND pageWindow) {
        PressButton(pageWindow, IDC_PRESET_BUTTON_2);
        Sleep(300);
    });
    EXPECT_EQ(1000, result);
    EXPECT_EQ(2, page.SelectedPreset());
}

TEST_F(PresetPageTest, RightClick_OnPresetZeroOrALockedPresetOpensNoDialog) {
    WritePrivateProfileStringA("PRESET_1", "Locked", "1", profile_.c_str());
    ScannerDialogContext context = Context();
    PresetPage page(context, "Pre-defined Setting");
    int opened = 0;
    RunPage(page, [&](HWND sheet, HWND pageWindow) {
        std::set<HWND> done = {sheet};
        for (int id : {IDC_PRESET_BUTTON_0, IDC_PRESET_BUTTON_1}) {
            PostMessageA(GetDlgItem(pageWindow, id), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 20));
            if (HWND dialog = WaitForNewDialog(done, 700)) {
                ++opened;
                PressButton(dialog, IDCANCEL);
                WaitUntilGone(dialog);
            }
        }
        // Preset 2 is editable: its dialog does open.
        PostMessageA(GetDlgItem(pageWindow, IDC_PRESET_BUTTON_2), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 20));
        if (HWND dialog = WaitForNewDialog(done, 3000)) {
            opened += 10;
            PressButton(dialog, IDCANCEL);
            WaitUntilGone(dialog);
        }
    });
    EXPECT_EQ(10, opened);
}

class PresetEditTest : public PresetPageTest {
protected:
    // Runs the edit dialog of preset `n`; `script` gets its window.
    INT_PTR RunEditor(int n, std::function<void(HWND)> script) {
        const ScannerDialogContext context = Context();
        PresetEditDialog dialog(&Owner(), n, context);
        ScriptThread user([&] {
            std::set<HWND> done;
            HWND found = WaitForNewDialog(done);
            if (!found) return;
            script(found);
            if (IsWindow(found)) PressButton(found, IDCANCEL);
        });
        return dialog.DoModal();
    }
};

TEST_F(PresetEditTest, CustomFrame_FirstScanSizeIsUserDefinedInInchesOrMillimetres) {
    StorePreset3WithCustomFrame();
    std::string first[2];
    int count[2] = {};
    for (int unit : {1, 0}) {
        units_.Set(unit);
        RunEditor(3, [&](HWND dialog) {
            HWND sizes = GetDlgItem(dialog, IDC_PRESET_EDIT_SCAN_SIZE);
            first[unit] = ListEntry(sizes, 0);
            count[unit] = static_cast<int>(SendMessageA(sizes, CB_GETCOUNT, 0, 0));
            EXPECT_EQ(0, SendMessageA(sizes, CB_GETCURSEL, 0, 0));
            if (unit == 1) SaveWindowPng(dialog, ScreenshotPath("preset-edit-dialog.png"));
        });
    }
    EXPECT_EQ("User Defined (4.0\" x 5.0\")", first[1]);
    EXPECT_EQ("User Defined (102mm x 127mm)", first[0]);
    EXPECT_EQ(9, count[1]);
}

TEST_F(PresetEditTest, ChoosingAPaperSize_RemovesUserDefinedOnReopen) {
    StorePreset3WithCustomFrame();
    units_.Set(1);
    EXPECT_EQ(IDOK, RunEditor(3, [](HWND dialog) {
                  SendMessageA(GetDlgItem(dialog, IDC_PRESET_EDIT_SCAN_SIZE), CB_SETCURSEL, 3, 0);  // A4
                  PressButton(dialog, IDOK);
                  WaitUntilGone(dialog);
              }));
    EXPECT_EQ(827, ProfileInt("PRESET_3", "Right"));
    EXPECT_EQ(1169, ProfileInt("PRESET_3", "Bottom"));
    std::string first, selected;
    int count = 0;
    RunEditor(3, [&](HWND dialog) {
        HWND sizes = GetDlgItem(dialog, IDC_PRESET_EDIT_SCAN_SIZE);
        first = ListEntry(sizes, 0);
        count = static_cast<int>(SendMessageA(sizes, CB_GETCOUNT, 0, 0));
        selected = ListEntry(sizes, static_cast<int>(SendMessageA(sizes, CB_GETCURSEL, 0, 0)));
    });
    EXPECT_EQ(8, count);
    EXPECT_EQ("Letter size (8.5\" x 11.0\")", first);
    EXPECT_EQ("A4 size (210mm x 297mm)", selected);
}

TEST_F(PresetEditTest, CopyFromCustomSettings_StoresToneFieldsToo) {
    DefaultPreset(0, &settings_);
    settings_.ScanMode = kScanModeColor;
    settings_.DPI = 150;
    settings_.Brightness = 33;
    settings_.Contrast = -20;
    settings_.Gamma = 22;
    settings_.Highlight = 200;
    settings_.Shadow = 12;
    settings_.Invert = 1;
    settings_.Filter = 1;
    const ScanSettings before = settings_;
    EXPECT_EQ(IDOK, RunEditor(2, [](HWND dialog) {
                  PressButton(dialog, IDC_PRESET_EDIT_COPY_CUSTOM);
                  Sleep(100);
                  EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, IDC_PRESET_EDIT_COLOR));
                  PressButton(dialog, IDOK);
                  WaitUntilGone(dialog);
              }));
    EXPECT_EQ(4, ProfileInt("PRESET_2", "ScanMode"));
    EXPECT_EQ(150, ProfileInt("PRESET_2", "DPI"));
    EXPECT_EQ(33, ProfileInt("PRESET_2", "Brightness"));
    EXPECT_EQ(-20, ProfileInt("PRESET_2", "Contrast"));
    EXPECT_EQ(22, ProfileInt("PRESET_2", "Gamma"));
    EXPECT_EQ(200, ProfileInt("PRESET_2", "Highlight"));
    EXPECT_EQ(12, ProfileInt("PRESET_2", "Shadow"));
    EXPECT_EQ(1, ProfileInt("PRESET_2", "Invert"));
    EXPECT_EQ(1, ProfileInt("PRESET_2", "Filter"));
    EXPECT_EQ(0, std::memcmp(&before, &settings_, sizeof before));
}

TEST_F(PresetEditTest, CancelAndUnconfirmedEditsChangeNeitherSettingsNorProfile) {
    DefaultPreset(0, &settings_);
    const ScanSettings before = settings_;
    EXPECT_EQ(IDCANCEL, RunEditor(4, [&](HWND dialog) {
                  SendMessageA(GetDlgItem(dialog, IDC_PRESET_EDIT_BLACK_WHITE), BM_CLICK, 0, 0);
                  PressButton(dialog, IDC_PRESET_EDIT_COPY_CUSTOM);
                  Sleep(100);
                  EXPECT_EQ(-12345, ProfileInt("PRESET_4", "DPI"));
                  PressButton(dialog, IDCANCEL);
                  WaitUntilGone(dialog);
              }));
    EXPECT_EQ(-12345, ProfileInt("PRESET_4", "DPI"));
    EXPECT_EQ(-12345, ProfileInt("PRESET_4", "Locked"));
    EXPECT_EQ(0, std::memcmp(&before, &settings_, sizeof before));
}

TEST_F(PresetEditTest, TextsFitInEveryLanguage) {
    for (LanguageId language :
         {LanguageEnglish, LanguageFrench, LanguageSpanish, LanguageItalian, LanguageGerman}) {
        UseLanguage(language);
        RunEditor(1, [&](HWND dialog) {
            for (int id : {IDC_PRESET_EDIT_RESOLUTION_LABEL, IDC_PRESET_EDIT_SCAN_SIZE_LABEL})
                EXPECT_TRUE(TextFits(GetDlgItem(dialog, id), true)) << language << " " << id;
            for (int id : {IDC_PRESET_EDIT_COPY_CUSTOM, IDC_PRESET_EDIT_DEFAULT, IDOK, IDCANCEL})
                EXPECT_TRUE(TextFits(GetDlgItem(dialog, id), false)) << language << " " << id;
            if (language == LanguageGerman) SaveWindowPng(dialog, ScreenshotPath("preset-edit-dialog-german.png"));
        });
    }
}

}  // namespace
