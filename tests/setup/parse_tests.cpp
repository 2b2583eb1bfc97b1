// Versions, switches, the language table and the texts of setup.
#include "setup/command_line.h"
#include "setup/setup_language.h"
#include "setup/setup_state.h"
#include "setup/setup_text.h"
#include "setup/version.h"

#include <gtest/gtest.h>

namespace {

class SwitchTest : public testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() {
        SetupState& state = State();
        state.languageFixed = state.silent = state.wait = false;
        SelectSetupLanguage(kEnglishLanguage);
    }
};

TEST(ParseVersion, ShippedVersion) {
    std::uint32_t high = 0, low = 0;
    ASSERT_TRUE(ParseVersion("1.02.0003", high, low));
    EXPECT_EQ(0x00010002u, high);
    EXPECT_EQ(0x00030000u, low);
}

TEST(ParseVersion, FourPartsAndMore) {
    std::uint32_t high = 0, low = 0;
    ASSERT_TRUE(ParseVersion("1.02.0003.7", high, low));
    EXPECT_EQ(0x00010002u, high);
    EXPECT_EQ(0x00030007u, low);
    ASSERT_TRUE(ParseVersion("4.5.6.7.8", high, low));
    EXPECT_EQ(0x00040005u, high);
    EXPECT_EQ(0x00060007u, low);
}

TEST(ParseVersion, MissingAndEmptyPartsCountAsZeroWithAllAfterThem) {
    std::uint32_t high = 9, low = 9;
    ASSERT_TRUE(ParseVersion("1.3", high, low));
    EXPECT_EQ(0x00010003u, high);
    EXPECT_EQ(0u, low);
    ASSERT_TRUE(ParseVersion("2..5.6", high, low));
    EXPECT_EQ(0x00020000u, high);
    EXPECT_EQ(0u, low);
    ASSERT_TRUE(ParseVersion("7", high, low));
    EXPECT_EQ(0x00070000u, high);
    EXPECT_EQ(0u, low);
}

TEST(ParseVersion, NonDigitsGiveZero) {
    std::uint32_t high = 0, low = 0;
    ASSERT_TRUE(ParseVersion("x.2.y.4", high, low));
    EXPECT_EQ(0x00000002u, high);
    EXPECT_EQ(0x00000004u, low);
}

TEST(ParseVersion, EmptyTextFails) {
    std::uint32_t high = 0, low = 0;
    EXPECT_FALSE(ParseVersion("", high, low));
}

TEST(CheckInstalledVersion, UnknownProductIsNotInstalled) {
    EXPECT_EQ(VersionCheck::NotInstalled,
              CheckInstalledVersion("{00000000-1111-2222-3333-444444444444}", 0x10002, 0x30000));
}

TEST(CheckInstalledVersion, MalformedProductCodeIsAFailedQuery) {
    EXPECT_EQ(VersionCheck::QueryFailed, CheckInstalledVersion("not-a-product-code", 0x10002, 0x30000));
}

TEST(SplitOptions, TokensRunFromSlashToSlashWithoutTrailingSpaces) {
    const std::vector<std::string> tokens = SplitOptions("ignored /S  /L1036 /w/x");
    ASSERT_EQ(4u, tokens.size());
    EXPECT_EQ("/S", tokens[0]);
    EXPECT_EQ("/L1036", tokens[1]);
    EXPECT_EQ("/w", tokens[2]);
    EXPECT_EQ("/x", tokens[3]);
    EXPECT_TRUE(SplitOptions("no switches").empty());
    EXPECT_TRUE(SplitOptions("").empty());
}

TEST_F(SwitchTest, LanguageSwitchFixesASupportedLanguage) {
    ParseCommandLine("/l1040");
    EXPECT_TRUE(State().languageFixed);
    EXPECT_EQ(1040, CurrentLanguageId());
    EXPECT_EQ(4u, CurrentLanguageIndex());
}

TEST_F(SwitchTest, UnsupportedLanguageSwitchIsIgnored) {
    ParseCommandLine("/L1041");
    EXPECT_FALSE(State().languageFixed);
    EXPECT_EQ(1033, CurrentLanguageId());
    ParseCommandLine("/L2060 /L /L66572");  // Belgian French; nothing; 1036 + 65536
    EXPECT_FALSE(State().languageFixed);
    EXPECT_EQ(1033, CurrentLanguageId());
}

TEST_F(SwitchTest, SilentAloneFixesEnglish) {
    SelectSetupLanguage(1031);  // as from the user's UI language
    ParseCommandLine("/S");
    EXPECT_TRUE(State().silent);
    EXPECT_TRUE(State().languageFixed);
    EXPECT_EQ(1033, CurrentLanguageId());
}

TEST_F(SwitchTest, SilentAndFrenchGiveFrenchInEitherOrder) {
    ParseCommandLine("/S /L1036");
    EXPECT_EQ(1036, CurrentLanguageId());
    EXPECT_TRUE(State().silent);
    Reset();
    ParseCommandLine("/L1036 /s");
    EXPECT_EQ(1036, CurrentLanguageId());
    EXPECT_TRUE(State().silent);
}

TEST_F(SwitchTest, WaitSwitchAndUnknownLetters) {
    ParseCommandLine("/q /W /");
    EXPECT_TRUE(State().wait);
    EXPECT_FALSE(State().silent);
    EXPECT_FALSE(State().languageFixed);
}

TEST(SetupLanguage, TableOrderNamesAndIds) {
    const char* const names[] = {"English", "Français", "Deutch", "Español", "Italiano"};
    const LANGID ids[] = {1033, 1036, 1031, 1034, 1040};
    for (std::size_t i = 0; i < kSetupLanguageCount; ++i) {
        EXPECT_STREQ(names[i], SetupLanguage(i).displayName);
        EXPECT_EQ(ids[i], SetupLanguage(i).id);
    }
    // Code page 1252 bytes of the accented names.
    EXPECT_EQ('\xE7', SetupLanguage(1).displayName[4]);
    EXPECT_EQ('\xF1', SetupLanguage(3).displayName[4]);
}

TEST(SetupLanguage, WholeIdMustMatch) {
    EXPECT_FALSE(SelectSetupLanguage(2060));
    EXPECT_FALSE(SelectSetupLanguage(2055));
    EXPECT_TRUE(SelectSetupLanguage(1034));
    EXPECT_EQ(3u, CurrentLanguageIndex());
    EXPECT_FALSE(SelectSetupLanguage(0));
    EXPECT_EQ(1034, CurrentLanguageId());
    SelectSetupLanguage(1033);
}

TEST(SetupText, RowsInEveryLanguage) {
    SelectSetupLanguage(1031);
    EXPECT_STREQ("W\xE4hlen Sie eine Setup-Sprache aus", GetSetupText(SetupTextRow::Title));
    EXPECT_STREQ("Abbrechen", GetSetupText(SetupTextRow::Cancel));
    EXPECT_STREQ("W\xE4hlen Sie die Sprache dieser Installation aus der unten aufgef\xFChrten Auswahl aus.",
                 GetSetupText(SetupTextRow::Instruction));
    SelectSetupLanguage(1034);
    EXPECT_STREQ("Elegir idioma de instalaci\xF3n", GetSetupText(SetupTextRow::Title));
    EXPECT_STREQ("Aceptar", GetSetupText(SetupTextRow::Ok));
    SelectSetupLanguage(1040);
    EXPECT_STREQ("Cancella", GetSetupText(SetupTextRow::Cancel));
    EXPECT_STREQ("Seleziona la lingua dell'installazione", GetSetupText(SetupTextRow::Title));
    SelectSetupLanguage(1036);
    EXPECT_STREQ("Annuler", GetSetupText(SetupTextRow::Cancel));
    EXPECT_STREQ("Choisissez la langue d'installation dans la liste ci-dessous.",
                 GetSetupText(SetupTextRow::Instruction));
    // The version messages stay English in every language.
    EXPECT_STREQ("This Setup will perform an upgrade of '%s'. Do you want to continue?",
                 GetSetupText(SetupTextRow::Upgrade));
    EXPECT_STREQ("A later version of %s is already installed on this machine. Setup cannot continue.",
                 GetSetupText(SetupTextRow::LaterVersion));
    SelectSetupLanguage(1033);
    EXPECT_STREQ("Choose Setup Language", GetSetupText(SetupTextRow::Title));
    EXPECT_STREQ("Select the language for this installation from the choices below.",
                 GetSetupText(SetupTextRow::Instruction));
}

}  // namespace
