// Wine takes the Windows system default language from the Unix locale of the
// process, so these run once per locale from the localization_locale_* CTest
// entries, which say in the environment what the locale must produce.
#include "language_profile_fixture.h"

#include "localization/language.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

namespace {

bool ReadExpectation(const char* name, long& value) {
    char text[32] = {};
    DWORD length = GetEnvironmentVariableA(name, text, sizeof text);
    if (length == 0 || length >= sizeof text) return false;
    char* end = nullptr;
    value = std::strtol(text, &end, 0);
    return end != text && *end == '\0';
}

class SystemLocale : public LanguageProfileTest {
protected:
    void SetUp() override {
        LanguageProfileTest::SetUp();
        if (!ReadExpectation("TAVIX_EXPECTED_SYSTEM_LANGID", systemLangId_) ||
            !ReadExpectation("TAVIX_EXPECTED_LANGUAGE", language_)) {
            GTEST_SKIP() << "runs from the localization_locale_* CTest entries";
        }
        // Unless the locale really reached Wine, a right answer would prove nothing.
        ASSERT_EQ(systemLangId_, GetSystemDefaultLangID());
        long userLangId = 0;
        if (ReadExpectation("TAVIX_EXPECTED_USER_LANGID", userLangId)) {
            ASSERT_EQ(userLangId, GetUserDefaultUILanguage());
        }
    }

    // A valid language other than the expected one.
    LanguageId OtherLanguage() const {
        return language_ == LanguageFrench ? LanguageItalian : LanguageFrench;
    }

    long systemLangId_ = 0;
    long language_ = 0;
};

TEST_F(SystemLocale, SystemLanguageMapsThePrimaryLanguage) {
    EXPECT_EQ(language_, GetSystemLanguage());
}

TEST_F(SystemLocale, NothingStoredGivesTheSystemLanguageAndWritesNothing) {
    EXPECT_EQ(language_, GetLanguage());
    EXPECT_EQ(language_, GetLanguage());
    EXPECT_FALSE(FileExists(profilePath_));
}

TEST_F(SystemLocale, OutOfRangeOrCorruptValuesGiveTheSystemLanguage) {
    const char* unusable[] = {"1209", "1215", "0", "-1210", "text"};
    for (const char* text : unusable) {
        Reload();
        WriteStoredText(text);
        EXPECT_EQ(language_, GetLanguage()) << text;
        EXPECT_EQ(text, StoredText());
    }
}

TEST_F(SystemLocale, StoredLanguageWinsOverTheSystem) {
    WriteStoredValue(OtherLanguage());
    EXPECT_EQ(OtherLanguage(), GetLanguage());
}

}  // namespace
