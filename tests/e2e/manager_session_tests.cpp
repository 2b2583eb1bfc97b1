// Sessions an application runs through a manager beyond a single page: two
// scans in a row whose first close request was never read, and the source
// used through a TWAIN 2 manager (TWAINDSM.DLL) instead of TWAIN_32.DLL.
#include "e2e/client_scan_test.h"
#include "support/build_tree.h"

#include <windows.h>

namespace {

std::vector<std::string> GrayLetterAt75Dpi(const char* mechanism = "native") {
    return {"--pixel-type", "gray", "--resolution", "75", "--frame", "0,0,8.5,11", "--mech", mechanism,
            "--indicators", "off", "--timeout", "30"};
}

std::vector<std::string> With(std::vector<std::string> arguments, std::initializer_list<const char*> more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

class RepeatedScans : public ClientScanTest {};

TEST_F(RepeatedScans, SecondScanDeliversItsPageAfterAnUnreadCloseRequest) {
    Scanner("sheets", "2");
    const ClientResult result = Run(With(GrayLetterAt75Dpi(), {"--scans", "2", "--wait-close", "off"}));
    ASSERT_EQ(0, result.exitCode);
    EXPECT_TRUE(result.messageBoxes.empty());
    EXPECT_TRUE(HasLine(result, "page 1: transfer done"));
    EXPECT_TRUE(HasLine(result, "page 2: transfer done"));
    EXPECT_TRUE(HasLine(result, "2 page(s) scanned"));
    // Neither enable was ended by a close request.
    EXPECT_FALSE(HasLine(result, "notification: MSG_CLOSEDSREQ"));
    EXPECT_TRUE(PageMatchesScanner(1, 825, 8));
    EXPECT_TRUE(PageMatchesScanner(2, 825, 8));
}

TEST_F(RepeatedScans, SecondScanAfterClosingAndReopeningDeliversItsPage) {
    Scanner("sheets", "2");
    const ClientResult result =
        Run(With(GrayLetterAt75Dpi(), {"--scans", "2", "--reopen", "--wait-close", "off"}));
    ASSERT_EQ(0, result.exitCode);
    EXPECT_TRUE(HasLine(result, "opened \"Tavix Scanner\" again"));
    EXPECT_TRUE(HasLine(result, "page 2: transfer done"));
    EXPECT_TRUE(HasLine(result, "2 page(s) scanned"));
    EXPECT_TRUE(PageMatchesScanner(2, 825, 8));
}

TEST_F(RepeatedScans, WaitingForTheCloseRequestStillEndsEachScan) {
    Scanner("sheets", "2");
    const ClientResult result = Run(With(GrayLetterAt75Dpi(), {"--scans", "2"}));
    ASSERT_EQ(0, result.exitCode);
    EXPECT_EQ(2u, LinesStartingWith(result.output, "notification: MSG_CLOSEDSREQ").size());
    EXPECT_TRUE(HasLine(result, "2 page(s) scanned"));
    EXPECT_TRUE(PageMatchesScanner(2, 825, 8));
}

// The client loads the stand-in TWAINDSM.DLL by path; it loads the source
// straight from the build tree and logs every notification it is sent.
class Twain2ManagerScan : public ClientScanTest {
protected:
    void SetUp() override {
        // The stand-in manager is a test library of the x86_64 tree only.
        if (TestedBuild().arch != "x86_64") GTEST_SKIP() << "no stand-in TWAINDSM.DLL for " << TestedBuild().arch;
        SetEnvironmentVariableA("TAVIX_FAKE_DSM_SOURCE", TestedBuild().source.c_str());
        SetEnvironmentVariableA("TAVIX_FAKE_DSM_LOG", dsmLog_.c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableA("TAVIX_FAKE_DSM_SOURCE", nullptr);
        SetEnvironmentVariableA("TAVIX_FAKE_DSM_LOG", nullptr);
    }
    std::vector<std::string> ThroughTwain2(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--manager", BuildTreePath("bin/fake_twaindsm/TWAINDSM.DLL")});
        return arguments;
    }
    std::string dsmLog_ = folder_.File("twaindsm.log");
};

TEST_F(Twain2ManagerScan, PageArrivesAndTheNotificationsGoThroughThatManager) {
    const ClientResult result = Run(ThroughTwain2(GrayLetterAt75Dpi()));
    ASSERT_EQ(0, result.exitCode);
    EXPECT_TRUE(HasLine(result, "notification: MSG_XFERREADY"));
    EXPECT_TRUE(HasLine(result, "notification: MSG_CLOSEDSREQ"));
    EXPECT_TRUE(PageMatchesScanner(1, 825, 8));
    EXPECT_EQ("DAT_NULL from 2:Tavix Scanner msg=0x0101\n"
              "DAT_NULL from 2:Tavix Scanner msg=0x0102\n",
              ReadWholeFile(dsmLog_));
}

TEST_F(Twain2ManagerScan, MemoryTransferOfTwoScansWithoutWaiting) {
    Scanner("sheets", "2");
    const ClientResult result =
        Run(With(ThroughTwain2(GrayLetterAt75Dpi("memory")), {"--scans", "2", "--wait-close", "off"}));
    ASSERT_EQ(0, result.exitCode);
    EXPECT_TRUE(HasLine(result, "2 page(s) scanned"));
    EXPECT_TRUE(PageMatchesScanner(1, 825, 8));
    EXPECT_TRUE(PageMatchesScanner(2, 825, 8));
}

TEST_F(Twain2ManagerScan, MissingManagerFileIsReportedClearly) {
    const ClientResult result = Run({"--manager", folder_.File("NOSUCH.DLL"), "--scan"});
    EXPECT_EQ(1, result.exitCode);
    EXPECT_NE(std::string::npos, result.output.find("NOSUCH.DLL cannot be loaded"));
}

}  // namespace
