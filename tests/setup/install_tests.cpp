// setup.exe against the real Windows Installer: the products installed
// before it runs are real, and so is every install marked so.
#include "installed_product.h"
#include "process_windows.h"
#include "setup_paths.h"
#include "setup_run.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kWindowTimeout = 20000;
constexpr DWORD kExitTimeout = 120000;

// Where the package puts the product's files in this build's prefix.
std::string InstalledFile(const char* folder, const char* name) {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\" + folder + "\\" + name;
}

class SetupInstall : public testing::Test {
protected:
    ProductAbsentGuard absent_;

    // A run with the real msiexec (recorder false) or the recording one.
    DWORD Run(SetupRun& run, const std::string& variant, const std::string& arguments, bool recorder,
              int answer = 0) {
        SetupRun::Options options;
        options.program = SetupProgram(variant);
        options.arguments = arguments;
        options.recorder = recorder;
        EXPECT_TRUE(run.Start(options));
        if (answer != 0) {
            MessageBoxInfo box;
            EXPECT_TRUE(WaitForMessageBox(run.ProcessId(), kWindowTimeout, box));
            lastMessage_ = box.text;
            lastCaption_ = box.caption;
            PressButton(box.window, answer);
        }
        DWORD code = 12345;
        EXPECT_TRUE(run.WaitForExit(kExitTimeout, code)) << "setup did not end";
        return code;
    }
    std::string lastMessage_, lastCaption_;
};

TEST_F(SetupInstall, SilentRunInstallsTheProduct) {
    SetupRun run;
    EXPECT_EQ(0u, Run(run, "setup", "/S", false));
    EXPECT_EQ("1.02.0003", InstalledProperty("VersionString"));
    EXPECT_EQ("1033", InstalledProperty("Language"));
    EXPECT_EQ("Tavix Scanner", InstalledProperty("ProductName"));
    EXPECT_EQ(ReadWholeFile(BuildPath(TAVIX_PACKAGED_DATASOURCE)),
              ReadWholeFile(InstalledFile(TAVIX_TWAIN_FOLDER, "TAVIXSRC.ds")));
    EXPECT_EQ(ReadWholeFile(BuildPath(TAVIX_PACKAGED_LIBRARY)),
              ReadWholeFile(InstalledFile(TAVIX_SYSTEM_FOLDER, "BRSVIO.DLL")));
    EXPECT_FALSE(FileExists(run.Temp().File("Tavix Scanner.msi")));

    ASSERT_TRUE(UninstallProduct());
    EXPECT_FALSE(FileExists(InstalledFile(TAVIX_TWAIN_FOLDER, "TAVIXSRC.ds")));
}

TEST_F(SetupInstall, SilentFrenchInstallsThroughTheFrenchTransform) {
    for (const char* arguments : {"/S /L1036", "/L1036 /S"}) {
        SetupRun run;
        EXPECT_EQ(0u, Run(run, "setup", arguments, false));
        EXPECT_EQ("1036", InstalledProperty("Language")) << arguments;
        EXPECT_EQ("1.02.0003", InstalledProperty("VersionString"));
        EXPECT_FALSE(FileExists(run.Temp().File("1036.MST")));
        ASSERT_TRUE(UninstallProduct());
    }
}

TEST_F(SetupInstall, OlderInstalledVersionAsksAndUpgradesOnOk) {
    ASSERT_TRUE(InstallPackage(PackageFile("versions/1.2.2.msi")));
    ASSERT_EQ("1.2.2", InstalledProperty("VersionString"));
    {
        SetupRun run;
        EXPECT_EQ(0u, Run(run, "setup", "/S", true, IDOK));
        EXPECT_EQ("This Setup will perform an upgrade of 'Tavix Scanner'. Do you want to continue?", lastMessage_);
        EXPECT_EQ("Tavix Scanner", lastCaption_);
        EXPECT_EQ("msiexec.exe /qn /i \"" + run.Temp().File("Tavix Scanner.msi") + "\" SETUPEXEDIR=\"" +
                      run.Folder().Path().substr(0, run.Folder().Path().size() - 1) +
                      "\" REINSTALL=ALL REINSTALLMODE=vomus",
                  run.Record()["command"]);
    }
    // The same answer with the real msiexec upgrades the product.
    SetupRun real;
    EXPECT_EQ(0u, Run(real, "setup", "/S", false, IDOK));
    EXPECT_EQ("1.02.0003", InstalledProperty("VersionString"));
    EXPECT_EQ(0u, real.TempFileCount());
}

TEST_F(SetupInstall, UpgradeNotConfirmedLaunchesNothing) {
    ASSERT_TRUE(InstallPackage(PackageFile("versions/1.2.2.msi")));
    SetupRun run;
    EXPECT_EQ(0u, Run(run, "setup", "/S", true, IDCANCEL));
    EXPECT_FALSE(run.InstallerStarted());
    EXPECT_EQ(0u, run.TempFileCount());
    EXPECT_EQ("1.2.2", InstalledProperty("VersionString"));
}

TEST_F(SetupInstall, LaterInstalledVersionIsReportedAndNothingLaunched) {
    ASSERT_TRUE(InstallPackage(PackageFile("versions/1.3.msi")));
    SetupRun run;
    EXPECT_EQ(0u, Run(run, "setup", "/S", true, IDOK));
    EXPECT_EQ("A later version of Tavix Scanner is already installed on this machine. Setup cannot continue.",
              lastMessage_);
    EXPECT_EQ("Tavix Scanner", lastCaption_);
    EXPECT_FALSE(run.InstallerStarted());
    EXPECT_EQ(0u, run.TempFileCount());
    EXPECT_EQ("1.3", InstalledProperty("VersionString"));
}

TEST_F(SetupInstall, SameBuildWithOtherRevisionCountsAsNotInstalled) {
    ASSERT_TRUE(InstallPackage(PackageFile("versions/1.02.0003.7.msi")));
    SetupRun run;
    EXPECT_EQ(0u, Run(run, "setup", "/S", true));
    EXPECT_EQ("msiexec.exe /qn /i \"" + run.Temp().File("Tavix Scanner.msi") + "\" SETUPEXEDIR=\"" +
                  run.Folder().Path().substr(0, run.Folder().Path().size() - 1) + "\"",
              run.Record()["command"]);
}

TEST_F(SetupInstall, AnotherVersionOfSetupOffersToUpgradeTheShippedOne) {
    SetupRun first;
    ASSERT_EQ(0u, Run(first, "setup", "/S", false));
    ASSERT_EQ("1.02.0003", InstalledProperty("VersionString"));
    SetupRun next;
    EXPECT_EQ(0u, Run(next, "setup_version_1_02_0004", "/S", true, IDCANCEL));
    EXPECT_EQ("This Setup will perform an upgrade of 'Tavix Scanner'. Do you want to continue?", lastMessage_);
    EXPECT_FALSE(next.InstallerStarted());
}

}  // namespace
