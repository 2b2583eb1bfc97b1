#include "localization/language.h"
#include "localization/text_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LoadText, TakesTheColumnOfTheLanguage) {
    std::string text;
    LoadText(LanguageEnglish, texts::Scan, text);
    EXPECT_EQ("Scan", text);
    LoadText(LanguageFrench, texts::Scan, text);
    EXPECT_EQ("Num\xE9riser", text);
    LoadText(LanguageSpanish, texts::Scan, text);
    EXPECT_EQ("Digitalizar", text);
    LoadText(LanguageItalian, texts::Scan, text);
    EXPECT_EQ("Scansione", text);
    LoadText(LanguageGerman, texts::Scan, text);
    EXPECT_EQ("Scannen", text);
}

TEST(LoadText, ReplacesWhatTheStringHeld) {
    std::string text = "a much longer text that was there before";
    LoadText(LanguageSpanish, texts::Ok, text);
    EXPECT_EQ("Aceptar", text);
}

TEST(LoadText, LanguageOutsideTheTableGivesEnglish) {
    const LanguageId invalid[] = {0, 1209, 1215, -1, -32768, 32767};
    for (LanguageId language : invalid) {
        std::string text = "previous";
        LoadText(language, texts::Cancel, text);
        EXPECT_EQ("Cancel", text) << language;
    }
}

TEST(PaperSizeName, FillLoopYieldsTheEightNamesInOrder) {
    std::string name;
    int count = 0;
    while (GetPaperSizeName(LanguageSpanish, count, name)) {
        ASSERT_LT(count, texts::PaperSizeCount);
        EXPECT_EQ(texts::PaperSizeNames[count]->Text[2], name) << count;
        ++count;
    }
    EXPECT_EQ(8, count);
    EXPECT_EQ("", name);
}

TEST(PaperSizeName, FirstIsLetterAndLastIsLargePhoto) {
    std::string name;
    EXPECT_TRUE(GetPaperSizeName(LanguageEnglish, 0, name));
    EXPECT_EQ("Letter size (8.5\" x 11.0\")", name);
    EXPECT_TRUE(GetPaperSizeName(LanguageEnglish, 7, name));
    EXPECT_EQ("Large photo (6.0\" x 4.0\")", name);
    EXPECT_TRUE(GetPaperSizeName(LanguageGerman, 7, name));
    EXPECT_EQ("Gro\xDF" "es Foto", name);
    EXPECT_TRUE(GetPaperSizeName(LanguageItalian, 2, name));
    EXPECT_EQ("(210mm x 297mm) formato A4", name);
}

TEST(PaperSizeName, IndexesOutsideTheListGiveFalseAndEmpty) {
    const int outside[] = {8, -1, 9, 100, -2147483647 - 1, 2147483647};
    for (int index : outside) {
        std::string name = "left over";
        EXPECT_FALSE(GetPaperSizeName(LanguageEnglish, index, name)) << index;
        EXPECT_EQ("", name) << index;
    }
}

}  // namespace
