// The scanner dialog of the source, shown through Wine's manager to the
// command-line client and worked as a user would: a preset scans, Cancel
// asks to be closed, the settings-only dialog accepts, the language switch
// reopens the dialog, the start page follows the last request, and every
// setting changed on the Custom Settings page reaches the scanner.
#include "e2e/client_scan_test.h"

#include "../../engine/scan_settings.h"
#include "support/scanner_call_log.h"

#include <commctrl.h>
#include <prsht.h>
#include <shlobj.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The client's profile section and the profile of this Wine user.
constexpr const char* kClientSection = "TAVIXTWAINCLIEN";

std::string ProfilePath() {
    char folder[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, folder);
    return std::string(folder) + "\\Orvane\\TAVIXSRC.INI";
}

int ProfileValue(const char* section, const char* key) {
    return static_cast<int>(GetPrivateProfileIntA(section, key, -12345, ProfilePath().c_str()));
}

HWND PageOf(HWND sheet) { return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

int ActiveTabOf(HWND sheet) {
    HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    return tabs ? static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0)) : -1;
}

void Click(HWND sheet, int id) {
    HWND page = PageOf(sheet);
    PostMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Keeps the user's profile as it was: the client's section and the
// language are put back whatever the test did.
class ProfileGuard {
public:
    ProfileGuard() {
        existed_ = GetFileAttributesA(ProfilePath().c_str()) != INVALID_FILE_ATTRIBUTES;
        language_ = ProfileValue("MAIN", "Language");
        WritePrivateProfileStringA(kClientSection, nullptr, nullptr, ProfilePath().c_str());
    }
    ~ProfileGuard() {
        if (!existed_) {
            // Flush the profile cache before the file goes.
            WritePrivateProfileStringA(nullptr, nullptr, nullptr, ProfilePath().c_str());
            DeleteFileA(ProfilePath().c_str());
            return;
        }
        WritePrivateProfileStringA(kClientSection, nullptr, nullptr, ProfilePath().c_str());
        WritePrivateProfileStringA("MAIN", "Language",
                                   language_ == -12345 ? nullptr : std::to_string(language_).c_str(),
                                   ProfilePath().c_str());
    }

private:
    bool existed_ = false;
    int language_ = -12345;
};

class DialogScan : public ClientScanTest {
protected:
    ClientResult RunWithDialog(std::vector<std::string> arguments,
                               std::function<void(HWND, int)> script) {
        arguments.insert(arguments.end(), {"--indicators", "off", "--timeout", "60"});
        ClientRunOptions options;
        options.dialogScript = std::move(script);
        options.timeoutSeconds = 90;
        return Run(arguments, options);
    }

    std::vector<ReplayedPage> ScannedPages() const {
        std::vector<ReplayedPage> pages;
        std::string error;
        EXPECT_TRUE(ReplayScannerLog(ScannerLog(), scanner_, pages, error)) << error;
        return pages;
    }

    ProfileGuard profile_;
};

// The page's controls, worked from another process.
void Command(HWND page, int id, WORD code) {
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}
void Check(HWND page, int id) {
    SendMessageA(GetDlgItem(page, id), BM_SETCHECK, BST_CHECKED, 0);
    Command(page, id, BN_CLICKED);
}
void Select(HWND page, int id, int index) {
    SendMessageA(GetDlgItem(page, id), CB_SETCURSEL, index, 0);
    Command(page, id, CBN_SELCHANGE);
}
void Slide(HWND page, int id, int position) {
    HWND slider = GetDlgItem(page, id);
    SendMessageA(slider, TBM_SETPOS, TRUE, position);
    SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(slider));
}

// The records of the IO_StartScanPage lines of a scanner log.
std::vector<ScanSettings> StartedRecords(const std::string& log) {
    std::vector<ScanSettings> records;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        std::vector<uint8_t> bytes;
        if (line.rfind("IO_StartScanPage", 0) != 0 || !StartScanPageRecord(line, bytes) ||
            bytes.size() < sizeof(ScanSettings))
            continue;
        ScanSettings record = {};
        std::memcpy(&record, bytes.data(), sizeof record);
        records.push_back(record);
    }
    return records;
}

// "Width: 8.5 in" for `hundredths`, in the unit the shown label uses.
std::string LengthLabel(const char* label, int hundredths, const std::string& shown) {
    const bool metric = shown.size() > 2 && shown.compare(shown.size() - 2, 2, "cm") == 0;
    char text[64];
    snprintf(text, sizeof text, "%s: %.1f %s", label, hundredths / 100.0 * (metric ? 2.54 : 1.0),
             metric ? "cm" : "in");
    return text;
}

constexpr int kGrayPresetButton = 1123;   // preset 3: gray, 200 dpi, letter
constexpr int kCustomScanButton = 1001;
constexpr int kFrenchButton = 1073;

TEST_F(DialogScan, PresetClickScansWithThePresetsSettings) {
    Scanner("sheets", "1");
    int tab = -1;
    const ClientResult result = RunWithDialog({"--ui"}, [&](HWND sheet, int) {
        tab = ActiveTabOf(sheet);
        Click(sheet, kGrayPresetButton);
    });
    ASSERT_EQ(0, result.exitCode) << result.output;
    EXPECT_EQ(1, result.dialogsShown);
    EXPECT_EQ(0, tab);
    EXPECT_TRUE(HasLine(result, "source enabled, modal dialog"));
    EXPECT_TRUE(HasLine(result, "notification: MSG_XFERREADY"));
    EXPECT_TRUE(result.messageBoxes.empty());
    const std::vector<ReplayedPage> pages = ScannedPages();
    ASSERT_EQ(1u, pages.size());
    EXPECT_EQ(1, pages[0].scanMode);   // grayscale
    EXPECT_EQ(1700, pages[0].width);   // 8.5 inches at 200 dpi
    EXPECT_TRUE(PageMatchesScanner(1, pages[0].lines, 8));
    EXPECT_EQ(0, ProfileValue(kClientSection, "PropPage"));
}

TEST_F(DialogScan, CancelEndsWithTheCloseRequestAndNoPage) {
    const ClientResult result = RunWithDialog({"--ui"}, [](HWND sheet, int) { Click(sheet, IDCANCEL); });
    EXPECT_EQ(3, result.exitCode) << result.output;
    EXPECT_TRUE(HasLine(result, "notification: MSG_CLOSEDSREQ"));
    EXPECT_TRUE(HasLine(result, "source disabled"));
    EXPECT_TRUE(HasLine(result, "0 page(s) scanned"));
}

TEST_F(DialogScan, SettingsOnlyDialogStoresTheSettingsAndEndsWithACloseThroughWinesManager) {
    std::string okText;
    int tab = -1;
    const ClientResult result = RunWithDialog({"--ui-only"}, [&](HWND sheet, int) {
        tab = ActiveTabOf(sheet);
        okText = TextOf(GetDlgItem(PageOf(sheet), kCustomScanButton));
        Click(sheet, kCustomScanButton);
    });
    ASSERT_EQ(0, result.exitCode) << result.output;
    EXPECT_EQ(1, tab);
    EXPECT_EQ("OK", okText);
    // Wine's manager refuses MSG_CLOSEDSOK; the source asks to be closed instead.
    EXPECT_TRUE(HasLine(result, "notification: MSG_CLOSEDSREQ"));
    EXPECT_TRUE(HasLine(result, "settings dialog closed"));
    EXPECT_EQ(1, ProfileValue(kClientSection, "PropPage"));
    EXPECT_NE(-12345, ProfileValue(kClientSection, "DPI"));
}

TEST_F(DialogScan, SettingsOnlyDialogEndsWithSettingsAcceptedThroughTheTwain2Manager) {
    SKIP_WITHOUT_TWAIN2_MANAGER();
    const ClientResult result = RunWithDialog(ThroughTwain2Manager({"--ui-only"}),
                                              [&](HWND sheet, int) { Click(sheet, kCustomScanButton); });
    ASSERT_EQ(0, result.exitCode) << result.output;
    EXPECT_EQ(1u, LinesStartingWith(result.output, "notification: MSG_CLOSEDSOK").size());
    EXPECT_FALSE(HasLine(result, "notification: MSG_CLOSEDSREQ"));
    EXPECT_TRUE(HasLine(result, "settings accepted"));
}

TEST_F(DialogScan, PresetClickScansThroughTheTwain2ManagerForAnApplicationOfTheDesktopWindow) {
    SKIP_WITHOUT_TWAIN2_MANAGER();
    Scanner("sheets", "1");
    const ClientResult result =
        RunWithDialog(ThroughTwain2Manager({"--ui", "--parent", "desktop", "--dsm-parent", "null"}),
                      [&](HWND sheet, int) { Click(sheet, kGrayPresetButton); });
    ASSERT_EQ(0, result.exitCode) << result.output;
    EXPECT_EQ(1u, LinesStartingWith(result.output, "notification: MSG_XFERREADY").size());
    EXPECT_EQ(1u, LinesStartingWith(result.output, "notification: MSG_CLOSEDSREQ").size());
    const std::vector<ReplayedPage> pages = ScannedPages();
    ASSERT_EQ(1u, pages.size());
    EXPECT_TRUE(PageMatchesScanner(1, pages[0].lines, 8));
}

TEST_F(DialogScan, CustomSettingsScanOpensOnThatPageNextTime) {
    Scanner("sheets", "2");
    const ClientResult first = RunWithDialog({"--ui", "--resolution", "100", "--pixel-type", "gray"},
                                             [](HWND sheet, int) {
                                                 PostMessageA(sheet, PSM_SETCURSEL, 1, 0);
                                                 Sleep(200);
                                                 Click(sheet, kCustomScanButton);
                                             });
    ASSERT_EQ(0, first.exitCode) << first.output;
    const std::vector<ReplayedPage> pages = ScannedPages();
    ASSERT_EQ(1u, pages.size());
    EXPECT_EQ(1, pages[0].scanMode);
    EXPECT_EQ(850, pages[0].width);  // the negotiated 100 dpi
    EXPECT_TRUE(PageMatchesScanner(1, pages[0].lines, 8));

    int tab = -1;
    const ClientResult second = RunWithDialog({"--ui"}, [&](HWND sheet, int) {
        tab = ActiveTabOf(sheet);
        Click(sheet, IDCANCEL);
    });
    EXPECT_EQ(3, second.exitCode) << second.output;
    EXPECT_EQ(1, tab);
}

TEST_F(DialogScan, LanguageSwitchReopensTheDialogInFrenchOnTheLanguagePage) {
    int reopenedTab = -1;
    bool frenchEnabled = true;
    bool englishEnabled = false;
    std::string cancelText;
    const ClientResult result = RunWithDialog({"--ui"}, [&](HWND sheet, int display) {
        if (display == 1) {
            PostMessageA(sheet, PSM_SETCURSEL, 3, 0);
            Sleep(200);
            Click(sheet, kFrenchButton);
            return;
        }
        reopenedTab = ActiveTabOf(sheet);
        HWND page = PageOf(sheet);
        frenchEnabled = IsWindowEnabled(GetDlgItem(page, kFrenchButton)) != FALSE;
        englishEnabled = IsWindowEnabled(GetDlgItem(page, 1070)) != FALSE;
        // The Custom Settings page speaks French too.
        PostMessageA(sheet, PSM_SETCURSEL, 1, 0);
        Sleep(200);
        cancelText = TextOf(GetDlgItem(PageOf(sheet), IDCANCEL));
        Click(sheet, IDCANCEL);
    });
    EXPECT_EQ(3, result.exitCode) << result.output;
    EXPECT_EQ(2, result.dialogsShown);
    EXPECT_EQ(3, reopenedTab);
    EXPECT_FALSE(frenchEnabled);
    EXPECT_TRUE(englishEnabled);
    EXPECT_EQ("Annuler", cancelText);
    EXPECT_EQ(1211, ProfileValue("MAIN", "Language"));
}

TEST_F(DialogScan, EverySettingShownOnTheCustomSettingsPageReachesTheScanner) {
    Scanner("sheets", "1");
    std::string resolution, gamma, highlight, shadow, width, height, scanSize;
    const ClientResult result = RunWithDialog({"--ui"}, [&](HWND sheet, int) {
        PostMessageA(sheet, PSM_SETCURSEL, 1, 0);
        Sleep(300);
        HWND page = PageOf(sheet);
        Check(page, 1009);        // grayscale
        Select(page, 1011, 2);    // the third resolution
        Select(page, 1012, 3);    // scan size 3
        Select(page, 1013, 1);    // descreen
        Check(page, 1014);        // invert
        Slide(page, 1016, 20);    // brightness
        Slide(page, 1017, -10);   // contrast
        Slide(page, 1018, 22);    // gamma 2.2
        Slide(page, 1020, 30);    // shadow
        Slide(page, 1019, 30);    // highlight 30: shadow follows down to 25
        resolution = std::to_string(SendMessageA(GetDlgItem(page, 1011), CB_GETCURSEL, 0, 0));
        scanSize = std::to_string(SendMessageA(GetDlgItem(page, 1012), CB_GETCURSEL, 0, 0));
        gamma = TextOf(GetDlgItem(page, 1037));
        highlight = TextOf(GetDlgItem(page, 1039));
        shadow = TextOf(GetDlgItem(page, 1041));
        width = TextOf(GetDlgItem(page, 1042));
        height = TextOf(GetDlgItem(page, 1043));
        Click(sheet, kCustomScanButton);
    });
    ASSERT_EQ(0, result.exitCode) << result.output;
    EXPECT_TRUE(result.messageBoxes.empty());
    EXPECT_EQ(" 2.2", gamma);
    EXPECT_EQ(" 30", highlight);
    EXPECT_EQ(" 25", shadow);

    const std::vector<ScanSettings> records = StartedRecords(ScannerLog());
    ASSERT_FALSE(records.empty()) << ScannerLog();
    const ScanSettings& record = records.back();
    EXPECT_EQ(kScanModeGray, record.ScanMode);
    EXPECT_EQ("2", resolution);
    EXPECT_EQ(150, record.DPI);  // the third of 75, 100, 150...
    EXPECT_EQ(20, record.Brightness);
    EXPECT_EQ(-10, record.Contrast);
    EXPECT_EQ(22 - 8, record.Gamma);  // the scanner takes gamma x 10 less 8
    EXPECT_EQ(30, record.Highlight);
    EXPECT_EQ(25, record.Shadow);
    EXPECT_EQ(1, record.Filter);
    EXPECT_EQ(1, record.Invert);
    EXPECT_EQ(0, record.DoubleSided);
    EXPECT_EQ(0, record.Top);
    EXPECT_EQ(0, record.Left);
    EXPECT_EQ(LengthLabel("Width", record.Right, width), width);
    EXPECT_EQ(LengthLabel("Height", record.Bottom, height), height);
    EXPECT_EQ("3", scanSize);
    // Reserved words stay zero.
    for (int16_t word : record.Reserved16) EXPECT_EQ(0, word);
}

}  // namespace
