#include "language_profile_fixture.h"

#include "framework/win_app.h"
#include "localization/language.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

// These hold under any system language; the localization_locale_* runs repeat
// the ones where the system language matters under several of them.
class LanguageChoice : public LanguageProfileTest {};

TEST_F(LanguageChoice, NothingStoredFollowsTheSystemAndWritesNothing) {
    EXPECT_EQ(GetSystemLanguage(), GetLanguage());
    EXPECT_EQ("<absent>", StoredText());
    EXPECT_FALSE(FileExists(profilePath_));
}

TEST_F(LanguageChoice, FirstAndLastLanguagesAreAccepted) {
    WriteStoredValue(1210);
    EXPECT_EQ(1210, GetLanguage());
    Reload();
    WriteStoredValue(1214);
    EXPECT_EQ(1214, GetLanguage());
}

TEST_F(LanguageChoice, ValuesOutsideTheRangeCountAsAbsent) {
    const int outside[] = {1209, 1215, 0, -1, 1210 + 32768};
    for (int value : outside) {
        Reload();
        WriteStoredValue(value);
        EXPECT_EQ(GetSystemLanguage(), GetLanguage()) << value;
        EXPECT_EQ(std::to_string(value), StoredText()) << "the stored value stays as it was";
    }
}

TEST_F(LanguageChoice, OnlyTheLow16BitsOfTheStoredValueCount) {
    WriteStoredValue(66746);  // 65536 + 1210
    EXPECT_EQ(1210, GetLanguage());
    Reload();
    WriteStoredValue(1213 - 65536);
    EXPECT_EQ(1213, GetLanguage());
}

TEST_F(LanguageChoice, CorruptTextGivesTheSystemLanguage) {
    const char* corrupt[] = {"French", "1211x", "", "12 11", "99999999999"};
    for (const char* text : corrupt) {
        Reload();
        WriteStoredText(text);
        EXPECT_EQ(GetSystemLanguage(), GetLanguage()) << text;
    }
}

TEST_F(LanguageChoice, SetLanguageStoresAndAppliesAtOnce) {
    GetLanguage();
    SetLanguage(LanguageItalian);
    EXPECT_EQ(LanguageItalian, GetLanguage());
    EXPECT_EQ("1213", StoredText());
    SetLanguage(LanguageFrench);
    EXPECT_EQ(LanguageFrench, GetLanguage());
    EXPECT_EQ("1211", StoredText());
}

TEST_F(LanguageChoice, SetLanguageBeforeTheFirstReadWins) {
    WriteStoredValue(1211);
    SetLanguage(LanguageSpanish);
    EXPECT_EQ(LanguageSpanish, GetLanguage());
    EXPECT_EQ("1212", StoredText());
}

TEST_F(LanguageChoice, LaterProfileChangesAreNotSeenUntilTheNextLoad) {
    WriteStoredValue(1211);
    EXPECT_EQ(LanguageFrench, GetLanguage());
    WriteStoredValue(1214);  // as another process would
    EXPECT_EQ(LanguageFrench, GetLanguage());
    Reload();
    EXPECT_EQ(LanguageGerman, GetLanguage());
}

TEST_F(LanguageChoice, SystemLanguageIsFixedForTheLoadOnceRead) {
    EXPECT_EQ(GetSystemLanguage(), GetLanguage());
    WriteStoredValue(GetSystemLanguage() == LanguageGerman ? 1211 : 1214);
    EXPECT_EQ(GetSystemLanguage(), GetLanguage());
}

TEST_F(LanguageChoice, FailedWriteStillChangesTheLanguage) {
    app_.SetProfileName("C:\\no\\such\\folder\\TAVIXSRC.INI");
    SetLanguage(LanguageGerman);
    EXPECT_EQ(LanguageGerman, GetLanguage());
    EXPECT_FALSE(FileExists("C:\\no\\such\\folder\\TAVIXSRC.INI"));
}

// Outside a data source there is no profile and nothing to keep a language
// in: the system default is what shows, and setting one changes nothing.
TEST(LanguageWithoutApplication, ReadsTheSystemLanguageEachTime) {
    ASSERT_EQ(nullptr, CWinApp::Current());
    EXPECT_EQ(GetSystemLanguage(), GetLanguage());
    SetLanguage(GetSystemLanguage() == LanguageItalian ? LanguageFrench : LanguageItalian);
    EXPECT_EQ(GetSystemLanguage(), GetLanguage());
}

}  // namespace
