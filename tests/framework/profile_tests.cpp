#include "framework/win_app.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

class ProfileTest : public testing::Test {
protected:
    void SetUp() override {
        path_ = folder_.File("TEST.INI");
        app_.SetProfileName(path_.c_str());
    }
    void WriteRaw(const char* key, const char* value) {
        WritePrivateProfileStringA("S", key, value, path_.c_str());
    }

    TempFolder folder_;
    std::string path_;
    CWinApp app_;
};

TEST(ProfileIntegerParse, AcceptsWholeSignedDecimalsOnly) {
    int v = 0;
    EXPECT_TRUE(ParseProfileInteger("-10", v));
    EXPECT_EQ(-10, v);
    EXPECT_TRUE(ParseProfileInteger("  42 ", v));
    EXPECT_EQ(42, v);
    EXPECT_TRUE(ParseProfileInteger("2147483647", v));
    EXPECT_EQ(2147483647, v);
    EXPECT_FALSE(ParseProfileInteger("", v));
    EXPECT_FALSE(ParseProfileInteger("abc", v));
    EXPECT_FALSE(ParseProfileInteger("12abc", v));
    EXPECT_FALSE(ParseProfileInteger("0x10", v));
    EXPECT_FALSE(ParseProfileInteger("-", v));
    EXPECT_FALSE(ParseProfileInteger("99999999999", v));
    EXPECT_FALSE(ParseProfileInteger(nullptr, v));
}

TEST_F(ProfileTest, WrittenValuesReadBackAsDecimalText) {
    EXPECT_TRUE(app_.WriteProfileInt("S", "Neg", -10));
    EXPECT_TRUE(app_.WriteProfileInt("S", "Pos", 66746));
    EXPECT_EQ(-10, app_.GetProfileInt("S", "Neg", 7));
    EXPECT_EQ(66746, app_.GetProfileInt("S", "Pos", 7));
    char text[32] = {};
    GetPrivateProfileStringA("S", "Neg", "", text, sizeof text, path_.c_str());
    EXPECT_STREQ("-10", text);
}

TEST_F(ProfileTest, MissingOrCorruptValuesGiveTheFallback) {
    WriteRaw("Garbage", "twelve");
    WriteRaw("Empty", "");
    WriteRaw("Overflow", "123456789012345678901234567890");
    EXPECT_EQ(5, app_.GetProfileInt("S", "Missing", 5));
    EXPECT_EQ(5, app_.GetProfileInt("S", "Garbage", 5));
    EXPECT_EQ(5, app_.GetProfileInt("S", "Empty", 5));
    EXPECT_EQ(5, app_.GetProfileInt("S", "Overflow", 5));
    EXPECT_EQ(5, app_.GetProfileInt("NoSection", "Missing", 5));
}

TEST(ProfileWithoutFile, ReadsFallbackAndRefusesWrites) {
    CWinApp app;
    EXPECT_EQ(3, app.GetProfileInt("S", "K", 3));
    EXPECT_FALSE(app.WriteProfileInt("S", "K", 1));
}

TEST(ProfileUnwritable, WriteIntoMissingFolderFails) {
    CWinApp app;
    app.SetProfileName("C:\\no\\such\\folder\\X.INI");
    EXPECT_FALSE(app.WriteProfileInt("S", "K", 1));
    EXPECT_EQ(9, app.GetProfileInt("S", "K", 9));
}

}  // namespace
