// The scanner dialog itself: its pages and frame, the start page, the scan
// requests of each page and what they store, cancelling in every way, the
// feed polling and the help ids.
#include "scanner_sheet_fixture.h"

#include "engine/presets.h"
#include "engine/scan_settings.h"
#include "localization/text_table.h"
#include "support/png_file.h"
#include "support/screen_pixels.h"
#include "support/message_box_watcher.h"
#include "system_scanner_library.h"
#include "resources/custom_settings_page_ids.h"
#include "resources/info_page_ids.h"
#include "resources/language_page_ids.h"
#include "resources/preset_page_ids.h"
#include "ui/library_file_info.h"
#include "ui/preview_window.h"
#include "ui/scanner_dialog.h"

#include <pbt.h>

#include <vector>

namespace {

constexpr int kApplyNow = 12321;

RECT ScreenRect(HWND hwnd) {
    RECT rect = {};
    GetWindowRect(hwnd, &rect);
    return rect;
}

std::string Localized(LanguageId language, const LocalizedText& entry) {
    std::string text;
    LoadText(language, entry, text);
    return text;
}

// The sheet with its help popups recorded instead of shown.
class HelpRecordingSheet : public ScannerSheet {
public:
    using ScannerSheet::ScannerSheet;
    std::vector<DWORD> shown;

protected:
    void ShowHelpPopup(DWORD helpId) override { shown.push_back(helpId); }
};

}  // namespace

bool FontInstalled(const char* face) {
    LOGFONTA wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(
        screen, &wanted,
        [](const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) -> int {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// Every page of the dialog in every language, as a user of the virtual
// scanner sees it (the scanner library in the system folder, a preview
// scanned on the Custom Settings page): <build>/screenshots/scanner-sheet-
// <language>-page<n>.png, the README's pictures.
TEST_F(ScannerSheetTest, ShowsFourLocalizedTabsWithoutTheButtonRowCentredOnTheApplication) {
    // Without it the caption buttons of every screenshot show letters.
    EXPECT_TRUE(FontInstalled("Marlett")) << "the caption button glyph font";
    SystemScannerLibrary library(VirtualScannerPath());
    ASSERT_TRUE(library.Ready()) << library.Path();
    const std::string preview = PreviewFilePath();
    DeleteFileA(preview.c_str());
    Configure("sheets", "1");
    settings_.ScanMode = kScanModeColor;
    app_.SetHelpFilePath("C:\\windows\\TAVIXSRC.hlp");  // the free space of the data source's drive
    MessageBoxWatcher watcher({IDOK});
    const char* const names[] = {"en", "fr", "es", "it", "de"};
    for (LanguageId language : {LanguageEnglish, LanguageFrench, LanguageSpanish, LanguageItalian, LanguageGerman}) {
        UseLanguage(language);
        const std::vector<std::string> titles = {
            Localized(language, texts::PredefinedSetting), Localized(language, texts::CustomSettings),
            Localized(language, texts::Information), Localized(language, texts::Language)};
        const INT_PTR result = Run(kPresetPageIndex, [&](HWND sheet) {
            EXPECT_EQ("Tavix Scanner", WindowText(sheet));
            ASSERT_EQ(4, TabCount(sheet));
            for (int i = 0; i < 4; ++i) EXPECT_EQ(titles[i], TabTitle(sheet, i)) << i;
            for (int id : {IDOK, IDCANCEL, kApplyNow}) EXPECT_FALSE(IsShown(GetDlgItem(sheet, id))) << id;
            // The sheet ends where its button row began.
            EXPECT_EQ(ScreenRect(GetDlgItem(sheet, kApplyNow)).top, ScreenRect(sheet).bottom);
            const RECT self = ScreenRect(sheet);
            const RECT owner = ScreenRect(OwnerHwnd());
            EXPECT_NEAR((owner.left + owner.right) / 2, (self.left + self.right) / 2, 1);
            EXPECT_NEAR((owner.top + owner.bottom) / 2, (self.top + self.bottom) / 2, 1);
            EXPECT_EQ(kPresetPageIndex, ActiveTab(sheet));
            if (language == LanguageEnglish) {
                SelectTab(sheet, kCustomSettingsPageIndex);
                PressPageButton(sheet, IDC_CUSTOM_PREVIEW);
                EXPECT_TRUE(WaitFor(
                    [&] { return GetFileAttributesA(preview.c_str()) != INVALID_FILE_ATTRIBUTES && IsWindowEnabled(sheet); },
                    15000))
                    << "no preview scanned";
                SelectTab(sheet, kPresetPageIndex);
            }
            for (int page = 0; page < 4; ++page) {
                SelectTab(sheet, page);
                Sleep(150);
                SaveWindowPng(sheet, ScreenshotPath(std::string("scanner-sheet-") + names[language - LanguageEnglish] +
                                                    "-page" + std::to_string(page) + ".png"));
            }
            SelectTab(sheet, kInfoPageIndex);
            EXPECT_EQ(LibraryVersionText(library.Path()),
                      WindowText(GetDlgItem(CurrentPage(sheet), IDC_INFO_VERSION)));
            EXPECT_NE("---", WindowText(GetDlgItem(CurrentPage(sheet), IDC_INFO_VERSION)));
            EXPECT_EQ(LibraryDateText(library.Path()), WindowText(GetDlgItem(CurrentPage(sheet), IDC_INFO_DATE)));
            PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(kScanRequestCancelled, result);
    }
    app_.SetHelpFilePath(nullptr);
    DeleteFileA(preview.c_str());
    EXPECT_TRUE(watcher.Seen().empty()) << watcher.Seen().front().text;
    EXPECT_EQ("Sprache", Localized(LanguageGerman, texts::Language));
}

TEST_F(ScannerSheetTest, LanguageLampsShowThePictureBehindThemAroundTheirRoundEdge) {
    Run(kPresetPageIndex, [&](HWND sheet) {
        SelectTab(sheet, kLanguagePageIndex);
        HWND page = CurrentPage(sheet);
        HWND picture = FindWindowExA(page, nullptr, "Static", nullptr);
        ASSERT_TRUE(picture);
        Sleep(300);
        const ScreenPixels expected =
            ReadBitmap(reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0)));
        ASSERT_GT(expected.width, 0);
        RECT pictureRect = {};
        GetWindowRect(picture, &pictureRect);
        for (int id : {IDC_LANGUAGE_ENGLISH, IDC_LANGUAGE_SPANISH, IDC_LANGUAGE_GERMAN, IDC_LANGUAGE_FRENCH,
                       IDC_LANGUAGE_ITALIAN}) {
            RECT lamp = {};
            GetWindowRect(GetDlgItem(page, id), &lamp);
            const ScreenPixels shown = ReadScreen(lamp);
            ASSERT_GT(shown.width, 0) << id;
            // Its corners, outside the round lamp and its shadow: the picture,
            // blended with nothing else.
            for (const POINT corner : {POINT{0, 0}, POINT{shown.width - 1, 0}, POINT{0, shown.height - 1},
                                       POINT{shown.width - 1, shown.height - 1}}) {
                const COLORREF want = expected.At(lamp.left - pictureRect.left + corner.x,
                                                  lamp.top - pictureRect.top + corner.y);
                const COLORREF got = shown.At(corner.x, corner.y);
                const std::string where = std::to_string(id) + " at " + std::to_string(corner.x) + "," +
                                          std::to_string(corner.y);
                EXPECT_NEAR(GetRValue(want), GetRValue(got), 3) << where;
                EXPECT_NEAR(GetGValue(want), GetGValue(got), 3) << where;
                EXPECT_NEAR(GetBValue(want), GetBValue(got), 3) << where;
            }
        }
        PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
    });
}

TEST_F(ScannerSheetTest, StartPageComesFromTheProfileAndOnlyZeroOrOneCount) {
    const struct {
        const char* stored;
        int32_t mode;
        int page;
    } cases[] = {
        {nullptr, kUiModeScan, 0}, {nullptr, kUiModeSettingsOnly, 1}, {"1", kUiModeScan, 1},
        {"0", kUiModeSettingsOnly, 0}, {"3", kUiModeScan, 0},          {"-1", kUiModeSettingsOnly, 0},
        {"2", kUiModeSettingsOnly, 0}, {"one", kUiModeScan, 0},
    };
    for (const auto& c : cases) {
        WriteProfileText(kSection, "PropPage", c.stored);
        const ScannerDialogContext context{settings_, c.mode, kSection, &owner_, scan_, negotiated_, units_};
        EXPECT_EQ(c.page, StartPageFromProfile(context)) << (c.stored ? c.stored : "absent") << " " << c.mode;
    }
    WriteProfileText(kSection, "PropPage", "1");
    const ScanRequest request = RunDialog([&](HWND sheet) {
        EXPECT_EQ(kCustomSettingsPageIndex, ActiveTab(sheet));
        PressPageButton(sheet, IDCANCEL);
    });
    EXPECT_EQ(kScanRequestCancelled, request);
}

TEST_F(ScannerSheetTest, ScanOnTheCustomSettingsPageStoresTheSettingsAsTheLastScan) {
    settings_.DPI = 200;
    settings_.Brightness = 17;
    const INT_PTR result = Run(kCustomSettingsPageIndex, [&](HWND sheet) {
        EXPECT_EQ(Localized(LanguageEnglish, texts::Scan), WindowText(GetDlgItem(CurrentPage(sheet), IDC_CUSTOM_SCAN)));
        PressPageButton(sheet, IDC_CUSTOM_SCAN);
    });
    EXPECT_EQ(kScanWithCurrentSettings, result);
    EXPECT_EQ(200, ProfileValue(kSection, "DPI"));
    EXPECT_EQ(17, ProfileValue(kSection, "Brightness"));
    EXPECT_EQ(1, ProfileValue(kSection, "PropPage"));
    ScanSettings last{};
    ASSERT_TRUE(LoadPreset(0, &last, negotiated_));
    EXPECT_EQ(200, last.DPI);
    EXPECT_EQ(17, last.Brightness);
    // The paper was there: no prompt, the sensor was asked.
    EXPECT_GE(Calls("IO_IsPaperOn"), 1);
}

TEST_F(ScannerSheetTest, ScanWithoutPaperAsksFirstAndADeclinedPromptKeepsTheDialogOpen) {
    Configure("sheets", "0");
    const INT_PTR result = Run(kCustomSettingsPageIndex, [&](HWND sheet) {
        PressPageButton(sheet, IDC_CUSTOM_SCAN);
        HWND prompt = WaitForNewDialog(seen_);
        ASSERT_NE(nullptr, prompt) << "no paper prompt";
        EXPECT_NE(sheet, prompt);
        PressButton(prompt, IDCANCEL);
        ASSERT_TRUE(WaitUntilGone(prompt));
        Sleep(200);
        EXPECT_TRUE(IsWindowVisible(sheet));
        PressPageButton(sheet, IDCANCEL);
    });
    EXPECT_EQ(kScanRequestCancelled, result);
    EXPECT_FALSE(HasSection(kSection));
    EXPECT_FALSE(HasSection("PRESET_0"));
}

TEST_F(ScannerSheetTest, SettingsOnlyOkStoresWithoutAskingForPaper) {
    Configure("sheets", "0");
    context_.UiMode = kUiModeSettingsOnly;
    settings_.DPI = 150;
    const INT_PTR result = Run(kCustomSettingsPageIndex, [&](HWND sheet) {
        EXPECT_EQ("OK", WindowText(GetDlgItem(CurrentPage(sheet), IDC_CUSTOM_SCAN)));
        PressPageButton(sheet, IDC_CUSTOM_SCAN);
    });
    EXPECT_EQ(kScanWithCurrentSettings, result);
    EXPECT_EQ(150, ProfileValue(kSection, "DPI"));
    EXPECT_EQ(0, Calls("IO_IsPaperOn"));
}

TEST_F(ScannerSheetTest, PresetClickLoadsThePresetAndKeepsItAsTheLastScan) {
    ScanSettings preset2{};
    ASSERT_TRUE(LoadPreset(2, &preset2, negotiated_));
    preset2.DPI = 150;
    ASSERT_TRUE(SavePreset(2, &preset2));
    settings_.DPI = 75;
    const INT_PTR result = Run(kPresetPageIndex, [&](HWND sheet) {
        PressPageButton(sheet, IDC_PRESET_BUTTON_2);
    });
    EXPECT_EQ(1002, result);
    EXPECT_EQ(150, settings_.DPI);
    ScanSettings last{};
    ASSERT_TRUE(LoadPreset(0, &last, negotiated_));
    EXPECT_EQ(150, last.DPI);
    EXPECT_EQ(0, ProfileValue(kSection, "PropPage"));
    // The application's own section keeps what it had.
    EXPECT_EQ(-12345, ProfileValue(kSection, "DPI"));
}

TEST_F(ScannerSheetTest, PresetZeroRepeatsTheLastScanWithoutRewritingIt) {
    const INT_PTR result = Run(kPresetPageIndex, [&](HWND sheet) {
        PressPageButton(sheet, IDC_PRESET_BUTTON_0);
    });
    EXPECT_EQ(1000, result);
    EXPECT_FALSE(HasSection("PRESET_0"));
    EXPECT_EQ(0, ProfileValue(kSection, "PropPage"));
}

TEST_F(ScannerSheetTest, SettingsOnlyPresetIsStoredForTheApplication) {
    context_.UiMode = kUiModeSettingsOnly;
    Configure("sheets", "0");
    ScanSettings preset3{};
    ASSERT_TRUE(LoadPreset(3, &preset3, negotiated_));
    const INT_PTR result = Run(kPresetPageIndex, [&](HWND sheet) {
        PressPageButton(sheet, IDC_PRESET_BUTTON_3);
    });
    EXPECT_EQ(1003, result);
    EXPECT_EQ(preset3.DPI, ProfileValue(kSection, "DPI"));
    EXPECT_EQ(preset3.ScanMode, ProfileValue(kSection, "ScanMode"));
    EXPECT_TRUE(HasSection("PRESET_0"));
    EXPECT_EQ(0, Calls("IO_IsPaperOn"));
}

TEST_F(ScannerSheetTest, RequestsWithoutAChoiceOrFromTheInformationPageKeepTheDialogOpen) {
    const INT_PTR result = Run(kPresetPageIndex, [&](HWND sheet) {
        for (int page : {kPresetPageIndex, kInfoPageIndex, kLanguagePageIndex}) {
            SelectTab(sheet, page);
            EXPECT_EQ(page, ActiveTab(sheet));
            PostMessageA(sheet, WM_COMMAND, IDOK, 0);
            Sleep(150);
            EXPECT_TRUE(IsWindow(sheet)) << page;
        }
        PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(kScanRequestCancelled, result);
    EXPECT_FALSE(HasSection(kSection));
}

TEST_F(ScannerSheetTest, ChoosingALanguageStoresItAndReopensOnTheLanguagePageInIt) {
    std::string reopenedTitle;
    int reopenedTab = -1;
    const ScanRequest request = RunDialog([&](HWND sheet) {
        SelectTab(sheet, kLanguagePageIndex);
        PressPageButton(sheet, IDC_LANGUAGE_FRENCH);
        ASSERT_TRUE(WaitUntilGone(sheet));
        HWND again = WaitForNewDialog(seen_);
        ASSERT_NE(nullptr, again) << "the dialog did not come back";
        reopenedTitle = TabTitle(again, kPresetPageIndex);
        reopenedTab = ActiveTab(again);
        PostMessageA(again, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitUntilGone(again));
    });
    EXPECT_EQ(kScanRequestCancelled, request);
    EXPECT_EQ(LanguageFrench, GetLanguage());
    EXPECT_EQ(1211, ProfileValue("MAIN", "Language"));
    EXPECT_EQ(Localized(LanguageFrench, texts::PredefinedSetting), reopenedTitle);
    EXPECT_EQ(kLanguagePageIndex, reopenedTab);
}

TEST_F(ScannerSheetTest, EveryWayOfCancellingEndsWithMinusOne) {
    const std::vector<std::pair<const char*, std::function<void(HWND)>>> ways = {
        {"page Cancel button", [](HWND sheet) { PressPageButton(sheet, IDCANCEL); }},
        {"Escape", [](HWND sheet) { PressKey(sheet, VK_ESCAPE); }},
        {"close box", [](HWND sheet) { PressCloseBox(sheet); }},
        {"suspend", [](HWND sheet) { PostMessageA(sheet, WM_POWERBROADCAST, PBT_APMSUSPEND, 0); }},
    };
    for (const auto& way : ways) {
        const INT_PTR result = Run(kCustomSettingsPageIndex, way.second);
        EXPECT_EQ(kScanRequestCancelled, result) << way.first;
    }
    EXPECT_FALSE(HasSection(kSection));
}

TEST_F(ScannerSheetTest, OtherPowerEventsAreAcceptedAndChangeNothing) {
    const INT_PTR result = Run(kPresetPageIndex, [&](HWND sheet) {
        EXPECT_EQ(TRUE, SendMessageA(sheet, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0));
        Sleep(100);
        EXPECT_TRUE(IsWindow(sheet));
        PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(kScanRequestCancelled, result);
}

TEST_F(ScannerSheetTest, QuitDuringTheDialogCancelsItAndReachesTheThreadsOwnLoop) {
    const DWORD thread = GetCurrentThreadId();
    const INT_PTR result = Run(kPresetPageIndex, [&](HWND) { PostThreadMessageA(thread, WM_QUIT, 7, 0); });
    EXPECT_EQ(kScanRequestCancelled, result);
    MSG quit = {};
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, quit.wParam);
}

TEST_F(ScannerSheetTest, ApplicationWindowDestroyedUnderTheDialogEndsItAsCancelled) {
    HWND owner = OwnerHwnd();
    const ScanRequest request = RunDialog([&](HWND) { PostMessageA(owner, WM_CLOSE, 0, 0); });
    EXPECT_EQ(kScanRequestCancelled, request);
    EXPECT_FALSE(IsWindow(owner));
}

TEST_F(ScannerSheetTest, FeedIsSwitchedOnOncePerSheetLaidInAndNotWhilePollingIsSuspended) {
    Configure("sheets", "0");
    auto feeds = [&] { return Calls("IO_FeedOn"); };
    const INT_PTR result = Run(kPresetPageIndex, [&](HWND sheet) {
        Sleep(400);
        EXPECT_EQ(0, feeds());
        Configure("sheets", "1");
        EXPECT_TRUE(WaitFor([&] { return feeds() == 1; }));
        Sleep(500);
        EXPECT_EQ(1, feeds()) << "the same sheet fed twice";

        Configure("sheets", "0");
        Sleep(400);
        SendMessageA(sheet, kFeedPollingMessage, 0, 0);
        Configure("sheets", "1");
        Sleep(500);
        EXPECT_EQ(1, feeds()) << "fed while polling was suspended";
        SendMessageA(sheet, kFeedPollingMessage, 1, 0);
        EXPECT_TRUE(WaitFor([&] { return feeds() == 2; }));

        Configure("sheets", "0");
        Sleep(400);
        Configure("sheets", "1");
        EXPECT_TRUE(WaitFor([&] { return feeds() == 3; }));
        PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(kScanRequestCancelled, result);
    Sleep(400);
    EXPECT_EQ(3, feeds()) << "polling went on after the dialog";
}

TEST_F(ScannerSheetTest, HelpOnTheSheetShowsThePopupOfTheControl) {
    HelpRecordingSheet sheet(context_, OwnerHwnd(), kPresetPageIndex);
    const INT_PTR result = Run(sheet, [&](HWND hwnd) {
        for (int control : {IDOK, IDCANCEL, 1026, 1500}) {
            HELPINFO help = {};
            help.cbSize = sizeof help;
            help.iContextType = HELPINFO_WINDOW;
            help.iCtrlId = control;
            EXPECT_EQ(TRUE, SendMessageA(hwnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&help)));
        }
        PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(kScanRequestCancelled, result);
    EXPECT_EQ((std::vector<DWORD>{17003, 17002, 19054, 17050}), sheet.shown);
}

TEST_F(ScannerSheetTest, CustomSettingsPageShowsTheFreeDiskSpaceOfTheModuleDrive) {
    const std::string helpFile = "C:\\windows\\TAVIXSRC.hlp";
    app_.SetHelpFilePath(helpFile.c_str());
    std::string label;
    Run(kCustomSettingsPageIndex, [&](HWND sheet) {
        label = WindowText(GetDlgItem(CurrentPage(sheet), IDC_CUSTOM_FREE_DISK));
        SaveWindowPng(sheet, ScreenshotPath("scanner-sheet-custom-en.png"));
        PressPageButton(sheet, IDCANCEL);
    });
    app_.SetHelpFilePath(nullptr);
    EXPECT_EQ(0u, label.find("Free disk space: ")) << label;
    const bool megabytes = label.size() > 3 && label.compare(label.size() - 3, 3, " MB") == 0;
    const bool gigabytes = label.size() > 3 && label.compare(label.size() - 3, 3, " GB") == 0;
    EXPECT_TRUE(megabytes || gigabytes) << label;
}

