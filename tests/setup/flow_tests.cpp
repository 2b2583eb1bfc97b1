// setup.exe from start to exit with the recording msiexec: switches, the
// language dialog, the temporary files, and the messages of every failure.
#include "installed_product.h"
#include "process_windows.h"
#include "support/png_file.h"
#include "setup_paths.h"
#include "setup_run.h"
#include "unmanaged_windows.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kWindowTimeout = 20000;
constexpr DWORD kExitTimeout = 30000;

const char* const kEnglishTitle = "Choose Setup Language";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }
std::string WithoutSlash(const std::string& folder) { return folder.substr(0, folder.size() - 1); }

std::vector<std::string> ListItems(HWND dialog) { return ComboItems(GetDlgItem(dialog, 1000)); }
std::string SelectedItem(HWND dialog) { return ComboSelection(GetDlgItem(dialog, 1000)); }

// Every run here must see the product as not installed.
class SetupFlow : public testing::Test {
protected:
    ProductAbsentGuard absent_;
    SetupRun run_;

    void Start(const std::string& variant, const std::string& arguments, bool hold = false) {
        SetupRun::Options options;
        options.program = SetupProgram(variant);
        options.arguments = arguments;
        options.holdInstaller = hold;
        ASSERT_TRUE(run_.Start(options));
    }
    DWORD ExitCode() {
        DWORD code = 12345;
        EXPECT_TRUE(run_.WaitForExit(kExitTimeout, code)) << "setup did not end";
        return code;
    }
    // The message box that must appear, checked and answered with OK.
    void ExpectMessage(const std::string& text, const std::string& caption) {
        MessageBoxInfo box;
        ASSERT_TRUE(WaitForMessageBox(run_.ProcessId(), kWindowTimeout, box)) << "no message: " << text;
        EXPECT_EQ(text, box.text);
        EXPECT_EQ(caption, box.caption);
        PressButton(box.window, IDOK);
    }
    std::string ExpectedCommand(const std::string& middle) const {
        return "msiexec.exe" + middle + " SETUPEXEDIR=" + Quoted(WithoutSlash(run_.Folder().Path()));
    }
};

// --- Switches -------------------------------------------------------------

TEST_F(SetupFlow, SilentInstallsEnglishWithoutTheDialog) {
    Start("setup", "/S");
    EXPECT_EQ(0u, ExitCode());
    ASSERT_TRUE(run_.InstallerStarted());
    const auto record = run_.Record();
    EXPECT_EQ(ExpectedCommand(" /qn /i " + Quoted(run_.Temp().File("Tavix Scanner.msi"))), record.at("command"));
    EXPECT_EQ("1", record.at("package.exists"));
    EXPECT_EQ(ReadWholeFile(ShippedPackage()), run_.RecordedPackageBytes());
    EXPECT_EQ(0u, run_.TempFileCount());
}

TEST_F(SetupFlow, FrenchSwitchUsesTheFrenchTransformWithoutTheDialog) {
    Start("setup", "/L1036");
    EXPECT_EQ(0u, ExitCode());
    ASSERT_TRUE(run_.InstallerStarted());
    const auto record = run_.Record();
    EXPECT_EQ(ExpectedCommand(" /i " + Quoted(run_.Temp().File("Tavix Scanner.msi")) + " TRANSFORMS=" +
                              Quoted(run_.Temp().File("1036.MST"))),
              record.at("command"));
    EXPECT_EQ("1", record.at("transform.exists"));
    EXPECT_EQ(ReadWholeFile(PackageFile("1036.mst")), run_.RecordedTransformBytes());
    EXPECT_EQ(0u, run_.TempFileCount());
}

TEST_F(SetupFlow, SilentAndFrenchInEitherOrderGiveFrench) {
    for (const char* arguments : {"/S /L1036", "/l1036 /s"}) {
        SetupRun run;
        SetupRun::Options options;
        options.program = SetupProgram("setup");
        options.arguments = arguments;
        ASSERT_TRUE(run.Start(options));
        DWORD code = 1;
        ASSERT_TRUE(run.WaitForExit(kExitTimeout, code));
        EXPECT_EQ(0u, code);
        const std::string command = run.Record()["command"];
        EXPECT_NE(std::string::npos, command.find("msiexec.exe /qn /i ")) << arguments;
        EXPECT_NE(std::string::npos, command.find(" TRANSFORMS=" + Quoted(run.Temp().File("1036.MST")))) << arguments;
    }
}

TEST_F(SetupFlow, UnsupportedLanguageSwitchIsIgnoredAndTheDialogShows) {
    Start("setup", "/L1041");
    const HWND dialog = WaitForDialog(run_.ProcessId(), kEnglishTitle, kWindowTimeout);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("English", SelectedItem(dialog));
    PressButton(dialog, IDCANCEL);
    EXPECT_EQ(0u, ExitCode());
    EXPECT_FALSE(run_.InstallerStarted());
}

TEST_F(SetupFlow, LanguageWithoutItsTransformInstallsWithoutOne) {
    Start("setup_no_lang1040", "/L1040");
    EXPECT_EQ(0u, ExitCode());
    const auto record = run_.Record();
    EXPECT_EQ(ExpectedCommand(" /i " + Quoted(run_.Temp().File("Tavix Scanner.msi"))), record.at("command"));
    EXPECT_EQ(0u, run_.TempFileCount());
}

TEST_F(SetupFlow, LogPathAddsVerboseLoggingLast) {
    Start("setup_logpath", "/S");
    EXPECT_EQ(0u, ExitCode());
    EXPECT_EQ(ExpectedCommand(" /qn /i " + Quoted(run_.Temp().File("Tavix Scanner.msi"))) +
                  " /l*vx \"C:\\tavix logs\\setup.log\"",
              run_.Record().at("command"));
}

// --- The dialog -----------------------------------------------------------

TEST_F(SetupFlow, DialogOffersTheShippedLanguagesInEnglish) {
    UnmanagedWindows framed;
    Start("setup", "");
    const HWND dialog = WaitForDialog(run_.ProcessId(), kEnglishTitle, kWindowTimeout);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("Select the language for this installation from the choices below.", WindowText(GetDlgItem(dialog, -1)));
    EXPECT_EQ("OK", WindowText(GetDlgItem(dialog, IDOK)));
    EXPECT_EQ("Cancel", WindowText(GetDlgItem(dialog, IDCANCEL)));
    EXPECT_EQ((std::vector<std::string>{"English", "Fran\xE7" "ais", "Deutch", "Espa\xF1" "ol", "Italiano"}),
              ListItems(dialog));
    EXPECT_EQ("English", SelectedItem(dialog));
    Sleep(500);
    EXPECT_TRUE(SaveWindowPng(dialog, ScreenshotPath("setup_dialog_en.png")));

    PressButton(dialog, IDCANCEL);
    EXPECT_EQ(0u, ExitCode());
    EXPECT_FALSE(run_.InstallerStarted());
    EXPECT_EQ(0u, run_.TempFileCount());
}

TEST_F(SetupFlow, OkWithEnglishInstallsWithoutTransform) {
    Start("setup", "");
    const HWND dialog = WaitForDialog(run_.ProcessId(), kEnglishTitle, kWindowTimeout);
    ASSERT_NE(nullptr, dialog);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0u, ExitCode());
    const auto record = run_.Record();
    EXPECT_EQ(ExpectedCommand(" /i " + Quoted(run_.Temp().File("Tavix Scanner.msi"))), record.at("command"));
    EXPECT_EQ("", record.at("transform"));
    EXPECT_EQ(0u, run_.TempFileCount());
}

TEST_F(SetupFlow, ChoosingFrenchKeepsTheDialogEnglishAndInstallsFrench) {
    Start("setup", "");
    const HWND dialog = WaitForDialog(run_.ProcessId(), kEnglishTitle, kWindowTimeout);
    ASSERT_NE(nullptr, dialog);
    SendMessageA(GetDlgItem(dialog, 1000), CB_SETCURSEL, 1, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(1000, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, 1000)));
    EXPECT_EQ(kEnglishTitle, WindowText(dialog));
    EXPECT_EQ("Cancel", WindowText(GetDlgItem(dialog, IDCANCEL)));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0u, ExitCode());
    EXPECT_NE(std::string::npos,
              run_.Record()["command"].find(" TRANSFORMS=" + Quoted(run_.Temp().File("1036.MST"))));
}

TEST_F(SetupFlow, ListFollowsTheLanguagesResource) {
    Start("setup_lang_fr_en", "");
    const HWND dialog = WaitForDialog(run_.ProcessId(), kEnglishTitle, kWindowTimeout);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ((std::vector<std::string>{"Fran\xE7" "ais", "English"}), ListItems(dialog));
    EXPECT_EQ("English", SelectedItem(dialog));
    PostMessageA(dialog, WM_CLOSE, 0, 0);  // the close box
    EXPECT_EQ(0u, ExitCode());
}

TEST_F(SetupFlow, WithoutLanguagesResourceEnglishAloneIsOffered) {
    Start("setup_no_languages", "");
    const HWND dialog = WaitForDialog(run_.ProcessId(), kEnglishTitle, kWindowTimeout);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ((std::vector<std::string>{"English"}), ListItems(dialog));
    PressButton(dialog, IDCANCEL);
    EXPECT_EQ(0u, ExitCode());
}

TEST_F(SetupFlow, NoSupportedLanguageIsALanguageError) {
    Start("setup_lang_1041", "");
    ExpectMessage("Language error in the resource.", "");
    EXPECT_EQ(0u, ExitCode());
    EXPECT_FALSE(run_.InstallerStarted());
    EXPECT_EQ(0u, run_.TempFileCount());
}

// --- Temporary files ------------------------------------------------------

TEST_F(SetupFlow, EmbeddedFilesStayUntilMsiexecEndsThenGo) {
    Start("setup", "/L1034", true);
    ASSERT_TRUE(run_.WaitForInstaller(kWindowTimeout));
    Sleep(300);
    // msiexec runs: both files are there and setup waits, its dialog hidden.
    EXPECT_TRUE(FileExists(run_.Temp().File("Tavix Scanner.msi")));
    EXPECT_TRUE(FileExists(run_.Temp().File("1034.MST")));
    EXPECT_TRUE(run_.Running());
    EXPECT_TRUE(VisibleDialogs(run_.ProcessId()).empty());
    EXPECT_EQ(ReadWholeFile(PackageFile("1034.mst")), run_.RecordedTransformBytes());

    run_.Release();
    EXPECT_EQ(0u, ExitCode());
    EXPECT_EQ(0u, run_.TempFileCount());
}

TEST_F(SetupFlow, ExistingFileOfTheSameNameIsOverwritten) {
    WriteWholeFile(run_.Temp().File("Tavix Scanner.msi"), "left over from an earlier run");
    WriteWholeFile(run_.Temp().File("1031.MST"), "left over too");
    Start("setup", "/L1031");
    EXPECT_EQ(0u, ExitCode());
    EXPECT_EQ(ReadWholeFile(ShippedPackage()), run_.RecordedPackageBytes());
    EXPECT_EQ(ReadWholeFile(PackageFile("1031.mst")), run_.RecordedTransformBytes());
    EXPECT_EQ(0u, run_.TempFileCount());
}

TEST_F(SetupFlow, WithoutEmbeddedPackageNothingIsWrittenAndSetupDoesNotWait) {
    WriteWholeFile(run_.Folder().File("Tavix Scanner.msi"), "the package beside setup");
    Start("setup_no_packagefile", "/L1036", true);
    // setup ends while msiexec still runs, and deletes nothing.
    DWORD code = 1;
    ASSERT_TRUE(run_.WaitForExit(kExitTimeout, code));
    EXPECT_EQ(0u, code);
    ASSERT_TRUE(run_.WaitForInstaller(kWindowTimeout));
    const std::string folder = WithoutSlash(run_.Folder().Path());
    EXPECT_EQ(ExpectedCommand(" /i " + Quoted(folder + "\\Tavix Scanner.msi") + " TRANSFORMS=" +
                              Quoted(folder + "\\1036.MST")),
              run_.Record().at("command"));
    EXPECT_EQ("the package beside setup", run_.RecordedPackageBytes());
    EXPECT_TRUE(FileExists(run_.Folder().File("Tavix Scanner.msi")));
    EXPECT_EQ(0u, run_.TempFileCount());
}

TEST_F(SetupFlow, WithoutEmbeddedPackageEnglishNameStaysRelative) {
    Start("setup_no_packagefile", "/S");
    EXPECT_EQ(0u, ExitCode());
    ASSERT_TRUE(run_.WaitForInstaller(kWindowTimeout));
    EXPECT_EQ(ExpectedCommand(" /qn /i \"Tavix Scanner.msi\""), run_.Record().at("command"));
}

TEST_F(SetupFlow, WaitSwitchWaitsForMsiexecWithoutEmbeddedPackage) {
    Start("setup_no_packagefile", "/S /W", true);
    ASSERT_TRUE(run_.WaitForInstaller(kWindowTimeout));
    Sleep(300);
    EXPECT_TRUE(run_.Running());
    run_.Release();
    EXPECT_EQ(0u, ExitCode());
}

TEST_F(SetupFlow, PackageThatCannotBeWrittenEndsWithTwoMessages) {
    // A folder of the package's name makes the file impossible to create.
    ASSERT_TRUE(CreateDirectoryA(run_.Temp().File("Tavix Scanner.msi").c_str(), nullptr));
    Start("setup", "/S");
    ExpectMessage("Could not create a file named: " + run_.Temp().File("Tavix Scanner.msi") +
                      ". Please make sure that file doesn't already exist and you have write permission to the "
                      "directory.",
                  "Tavix Scanner");
    ExpectMessage("Could not extract files.", "Tavix Scanner");
    EXPECT_EQ(0u, ExitCode());
    EXPECT_FALSE(run_.InstallerStarted());
    EXPECT_EQ(1u, run_.TempFileCount());  // the blocking folder alone
}

TEST_F(SetupFlow, TransformThatCannotBeWrittenTakesThePackageWithIt) {
    ASSERT_TRUE(CreateDirectoryA(run_.Temp().File("1036.MST").c_str(), nullptr));
    Start("setup", "/L1036");
    ExpectMessage("Could not create a file named: " + run_.Temp().File("1036.MST") +
                      ". Please make sure that file doesn't already exist and you have write permission to the "
                      "directory.",
                  "Tavix Scanner");
    ExpectMessage("Could not extract files.", "Tavix Scanner");
    EXPECT_EQ(0u, ExitCode());
    EXPECT_FALSE(run_.InstallerStarted());
    EXPECT_FALSE(FileExists(run_.Temp().File("Tavix Scanner.msi")));
    EXPECT_EQ(1u, run_.TempFileCount());
}

TEST_F(SetupFlow, MsiexecThatCannotStartEndsSetupAndRemovesItsFiles) {
    SetupRun::Options options;
    options.program = SetupProgram("setup");
    options.arguments = "/L1036";
    options.brokenInstaller = true;
    ASSERT_TRUE(run_.Start(options));
    EXPECT_EQ(0u, ExitCode());
    EXPECT_TRUE(VisibleDialogs(run_.ProcessId()).empty());
    EXPECT_EQ(0u, run_.TempFileCount());
}

// --- A failed version query -----------------------------------------------

TEST_F(SetupFlow, FailedQueryEndsAnUnattendedRunWithCodeOne) {
    Start("setup_bad_product_code", "/S");
    ExpectMessage("Could not read the installed version of Tavix Scanner. Setup cannot continue.", "Tavix Scanner");
    EXPECT_EQ(1u, ExitCode());
    EXPECT_FALSE(run_.InstallerStarted());
    EXPECT_EQ(0u, run_.TempFileCount());
}

TEST_F(SetupFlow, FailedQueryLeavesTheDialogAsItWas) {
    Start("setup_bad_product_code", "");
    const HWND dialog = WaitForDialog(run_.ProcessId(), kEnglishTitle, kWindowTimeout);
    ASSERT_NE(nullptr, dialog);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    Sleep(1500);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_FALSE(run_.InstallerStarted());
    PressButton(dialog, IDCANCEL);
    EXPECT_EQ(0u, ExitCode());
    EXPECT_EQ(0u, run_.TempFileCount());
}

// --- Resources that fail ---------------------------------------------------

struct ResourceFailure {
    const char* variant;
    const char* message;
};

class ResourceFailures : public SetupFlow, public testing::WithParamInterface<ResourceFailure> {};

TEST_P(ResourceFailures, MessageAndExitCodeOne) {
    Start(GetParam().variant, "/S");
    ExpectMessage(GetParam().message, "");
    EXPECT_EQ(1u, ExitCode());
    EXPECT_FALSE(run_.InstallerStarted());
    EXPECT_EQ(0u, run_.TempFileCount());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ResourceFailures,
    testing::Values(ResourceFailure{"setup_no_packagename", "Could not get msi filename from the resource."},
                    ResourceFailure{"setup_empty_packagename", "Could not get msi filename from the resource."},
                    ResourceFailure{"setup_no_productcode", "Could not get product code from the resource."},
                    ResourceFailure{"setup_no_productname", "Could not get product name from the resource."},
                    ResourceFailure{"setup_no_version", "Could not get version number from the resource."},
                    ResourceFailure{"setup_blank_version", "Could not interpret version number string."}));

TEST_F(SetupFlow, DialogThatCannotBeCreatedReportsTheError) {
    Start("setup_no_dialog", "");
    MessageBoxInfo box;
    ASSERT_TRUE(WaitForMessageBox(run_.ProcessId(), kWindowTimeout, box));
    EXPECT_EQ("CreateDialog", box.caption);
    EXPECT_EQ("Error x715", box.text);  // ERROR_RESOURCE_TYPE_NOT_FOUND: no dialog at all
    PressButton(box.window, IDOK);
    EXPECT_EQ(1u, ExitCode());
}

}  // namespace
