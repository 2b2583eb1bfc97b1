// Sessions an application runs through a manager beyond a single page: two
// scans in a row whose first close request was never read; and the two
// managers applications load, Wine's TWAIN_32.DLL and the TWAIN Working
// Group's TWAINDSM.DLL, with every kind of window an application names.
#include "e2e/client_scan_test.h"

#include <windows.h>

#include <tuple>

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

size_t Count(const ClientResult& result, const std::string& line) {
    return LinesStartingWith(result.output, line).size();
}

// The page arrived and each notification once: the announcement, then the
// close request.
testing::AssertionResult OnePageEachNotificationOnce(const ClientResult& result) {
    if (result.exitCode != 0) return testing::AssertionFailure() << "exit code " << result.exitCode;
    const size_t ready = Count(result, "notification: MSG_XFERREADY");
    const size_t close = Count(result, "notification: MSG_CLOSEDSREQ");
    if (ready != 1 || close != 1 || !HasLine(result, "page 1: transfer done"))
        return testing::AssertionFailure() << ready << " MSG_XFERREADY, " << close << " MSG_CLOSEDSREQ";
    return testing::AssertionSuccess();
}

enum class Manager { Twain32, Twain2 };

// The windows an application hands the source (TW_USERINTERFACE.hParent)
// and the manager (DAT_PARENT): its own, the desktop's or another thread's,
// or none; under Wine's TWAIN_32.DLL and the TWAIN 2 manager TWAINDSM.DLL.
class EveryParentWindow
    : public ClientScanTest,
      public testing::WithParamInterface<std::tuple<Manager, const char*, const char*>> {};

TEST_P(EveryParentWindow, PageArrivesWithEachNotificationOnce) {
    const auto [manager, parent, managerWindow] = GetParam();
    std::vector<std::string> arguments =
        With(GrayLetterAt75Dpi(), {"--parent", parent, "--dsm-parent", managerWindow});
    if (manager == Manager::Twain2) {
        SKIP_WITHOUT_TWAIN2_MANAGER();
        arguments = ThroughTwain2Manager(arguments);
    }
    const ClientResult result = Run(arguments);
    EXPECT_TRUE(OnePageEachNotificationOnce(result));
    EXPECT_TRUE(result.messageBoxes.empty());
    EXPECT_TRUE(PageMatchesScanner(1, 825, 8));
}

INSTANTIATE_TEST_SUITE_P(
    Windows, EveryParentWindow,
    testing::Combine(testing::Values(Manager::Twain32, Manager::Twain2),
                     testing::Values("own", "desktop", "null"),
                     testing::Values("own", "other-thread", "null", "null-pointer")),
    [](const auto& info) {
        std::string name = std::get<0>(info.param) == Manager::Twain2 ? "Twaindsm" : "Twain32";
        name += std::string("_") + std::get<1>(info.param) + "_" + std::get<2>(info.param);
        for (char& c : name)
            if (c == '-') c = '_';
        return name;
    });

// Each transfer mechanism through the TWAIN 2 manager, two sheets in one
// session; the client asks for current values only where the source's
// support mask allows it, as many applications do, and so reads the
// negotiated ones.
class Twain2ManagerSession : public ClientScanTest,
                             public testing::WithParamInterface<std::pair<const char*, int>> {};

TEST_P(Twain2ManagerSession, TwoScansDeliverTheirPages) {
    SKIP_WITHOUT_TWAIN2_MANAGER();
    const auto [mechanism, code] = GetParam();
    Scanner("sheets", "2");
    const ClientResult result =
        Run(ThroughTwain2Manager(With(GrayLetterAt75Dpi(mechanism), {"--scans", "2"})));
    ASSERT_EQ(0, result.exitCode);
    EXPECT_EQ(2u, Count(result, "notification: MSG_XFERREADY"));
    EXPECT_EQ(2u, Count(result, "notification: MSG_CLOSEDSREQ"));
    EXPECT_TRUE(HasLine(result, "  ICAP_XFERMECH          " + std::to_string(code)));
    EXPECT_TRUE(HasLine(result, "  ICAP_PIXELTYPE         1"));
    EXPECT_TRUE(HasLine(result, "  ICAP_XRESOLUTION       75"));
    EXPECT_TRUE(PageMatchesScanner(1, 825, 8));
    EXPECT_TRUE(PageMatchesScanner(2, 825, 8));
}

INSTANTIATE_TEST_SUITE_P(Mechanisms, Twain2ManagerSession,
                         testing::Values(std::make_pair("native", 0), std::make_pair("file", 1),
                                         std::make_pair("memory", 2)),
                         [](const auto& info) { return std::string(info.param.first); });

TEST_F(RepeatedScans, SecondScanAfterReopeningThroughTheTwain2Manager) {
    // That manager unloads the source when it is closed, unlike Wine's.
    SKIP_WITHOUT_TWAIN2_MANAGER();
    Scanner("sheets", "2");
    const ClientResult result = Run(ThroughTwain2Manager(
        With(GrayLetterAt75Dpi("memory"), {"--scans", "2", "--reopen", "--wait-close", "off"})));
    ASSERT_EQ(0, result.exitCode);
    EXPECT_TRUE(HasLine(result, "2 page(s) scanned"));
    EXPECT_TRUE(PageMatchesScanner(1, 825, 8));
    EXPECT_TRUE(PageMatchesScanner(2, 825, 8));
}

TEST_F(RepeatedScans, MissingManagerFileIsReportedClearly) {
    const ClientResult result = Run({"--manager", folder_.File("NOSUCH.DLL"), "--scan"});
    EXPECT_EQ(1, result.exitCode);
    EXPECT_NE(std::string::npos, result.output.find("NOSUCH.DLL cannot be loaded"));
}

}  // namespace
