// The language dialog as a user with another UI language sees it. Wine
// takes the UI language from LANG and LC_ALL, so each ctest entry of this
// program sets them and runs the matching group.
#include "installed_product.h"
#include "process_windows.h"
#include "support/png_file.h"
#include "setup_paths.h"
#include "setup_run.h"
#include "unmanaged_windows.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kTimeout = 20000;

std::string SelectedItem(HWND dialog) { return ComboSelection(GetDlgItem(dialog, 1000)); }

class DialogLanguage : public testing::Test {
protected:
    ProductAbsentGuard absent_;
    UnmanagedWindows framed_;
    SetupRun run_;

    HWND Open(const std::string& arguments, const std::string& title) {
        SetupRun::Options options;
        options.program = SetupProgram("setup");
        options.arguments = arguments;
        EXPECT_TRUE(run_.Start(options));
        return WaitForDialog(run_.ProcessId(), title, kTimeout);
    }
    void Screenshot(HWND dialog, const char* name) {
        Sleep(500);
        EXPECT_TRUE(SaveWindowPng(dialog, ScreenshotPath(name)));
    }
    void CancelAndExpectNothing(HWND dialog) {
        PressButton(dialog, IDCANCEL);
        DWORD code = 1;
        EXPECT_TRUE(run_.WaitForExit(kTimeout, code));
        EXPECT_EQ(0u, code);
        EXPECT_FALSE(run_.InstallerStarted());
    }
};

TEST_F(DialogLanguage, GermanUserSeesGermanTextsAndDeutchChosen) {
    ASSERT_EQ(1031, GetUserDefaultUILanguage()) << "run with LANG=de_DE.UTF-8";
    const HWND dialog = Open("", "W\xE4hlen Sie eine Setup-Sprache aus");
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("W\xE4hlen Sie die Sprache dieser Installation aus der unten aufgef\xFChrten Auswahl aus.",
              WindowText(GetDlgItem(dialog, -1)));
    EXPECT_EQ("OK", WindowText(GetDlgItem(dialog, IDOK)));
    EXPECT_EQ("Abbrechen", WindowText(GetDlgItem(dialog, IDCANCEL)));
    EXPECT_EQ("Deutch", SelectedItem(dialog));
    Screenshot(dialog, "setup_dialog_de_DE.png");
    CancelAndExpectNothing(dialog);
}

TEST_F(DialogLanguage, GermanUserWithItalianSwitchGetsNoDialog) {
    ASSERT_EQ(1031, GetUserDefaultUILanguage()) << "run with LANG=de_DE.UTF-8";
    SetupRun::Options options;
    options.program = SetupProgram("setup");
    options.arguments = "/L1040";
    ASSERT_TRUE(run_.Start(options));
    DWORD code = 1;
    ASSERT_TRUE(run_.WaitForExit(kTimeout, code));
    EXPECT_EQ(0u, code);
    EXPECT_NE(std::string::npos, run_.Record()["command"].find("\\1040.MST\""));
}

TEST_F(DialogLanguage, SwissGermanUserSeesEnglish) {
    ASSERT_EQ(2055, GetUserDefaultUILanguage()) << "run with LANG=de_CH.UTF-8";
    const HWND dialog = Open("", "Choose Setup Language");
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("Cancel", WindowText(GetDlgItem(dialog, IDCANCEL)));
    EXPECT_EQ("English", SelectedItem(dialog));
    CancelAndExpectNothing(dialog);
}

TEST_F(DialogLanguage, FrenchUserSeesFrenchTexts) {
    ASSERT_EQ(1036, GetUserDefaultUILanguage()) << "run with LANG=fr_FR.UTF-8";
    const HWND dialog = Open("", "Choisissez la langue d'installation");
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("Annuler", WindowText(GetDlgItem(dialog, IDCANCEL)));
    EXPECT_EQ("Fran\xE7" "ais", SelectedItem(dialog));
    Screenshot(dialog, "setup_dialog_fr_FR.png");
    CancelAndExpectNothing(dialog);
}

}  // namespace
