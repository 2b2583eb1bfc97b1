#include "support/message_box_watcher.h"
#include "support/temp_folder.h"
#include "tests/datasource/data_source_module.h"

#include <cstring>

namespace {

class OpenClose : public DataSourceModule {};

TEST_F(OpenClose, OpenGivesAnOpenSourceAndCloseEndsIt) {
    ScopedScannerOnPath scanner(true);
    ASSERT_EQ(TWRC_SUCCESS, Open());
    TW_UINT32 group = 0;
    EXPECT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_XFERGROUP, MSG_GET, &group));
    EXPECT_EQ(DG_IMAGE, group);
    EXPECT_EQ(TWRC_SUCCESS, Close());
    EXPECT_FALSE(IsOpen());
}

TEST_F(OpenClose, SecondOpenIsRefusedAndKeepsTheFirstConnection) {
    ScopedScannerOnPath scanner(true);
    ASSERT_EQ(TWRC_SUCCESS, Open("First Application"));
    EXPECT_EQ(TWRC_FAILURE, Open("Second Application"));
    EXPECT_EQ(TWCC_SEQERROR, Condition());
    EXPECT_TRUE(IsOpen());
}

TEST_F(OpenClose, OpenWithoutOriginOrSourceIdentityIsRefused) {
    ScopedScannerOnPath scanner(true);
    TW_IDENTITY source{};
    EXPECT_EQ(TWRC_FAILURE, CallFrom(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &source));
    EXPECT_EQ(TWCC_BADVALUE, Condition());
    EXPECT_EQ(TWRC_FAILURE, Call(DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, nullptr));
    EXPECT_EQ(TWCC_BADVALUE, Condition());
    EXPECT_FALSE(IsOpen());
}

TEST_F(OpenClose, MissingScannerLibraryShowsTheDriverMessageAndStaysClosed) {
    ScopedScannerOnPath noScanner(false);
    MessageBoxWatcher watcher;
    EXPECT_EQ(TWRC_FAILURE, Open());
    EXPECT_EQ(TWCC_OPERATIONERROR, Condition());
    EXPECT_FALSE(IsOpen());
    auto seen = watcher.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Tavix Scanner", seen[0].caption);
    EXPECT_FALSE(seen[0].hasOwner);
    // The box shows the text with its trailing line feeds trimmed by the static control.
    EXPECT_NE(std::string::npos, seen[0].text.find("The scanner driver could not be loaded."));
    EXPECT_NE(std::string::npos, seen[0].text.find("Please plug in the scanner or reinstall the driver."));
}

TEST_F(OpenClose, DriverMessageFollowsTheStoredLanguage) {
    CreateDirectoryA(UserDataFolder().c_str(), nullptr);
    WritePrivateProfileStringA("MAIN", "Language", "1211", UserProfilePath().c_str());
    ScopedScannerOnPath noScanner(false);
    MessageBoxWatcher watcher;
    EXPECT_EQ(TWRC_FAILURE, Open());
    auto seen = watcher.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_NE(std::string::npos, seen[0].text.find("pilote")) << seen[0].text;
}

TEST_F(OpenClose, OpenReadsTheApplicationsOwnSectionAndWritesNothing) {
    ScopedScannerOnPath scanner(true);
    ASSERT_EQ(TWRC_SUCCESS, Open("scan-2-PDF pro"));
    // Opening only reads: no profile file appears.
    EXPECT_FALSE(FileExists(UserProfilePath()));
    Close();
}

}  // namespace
