#include "datasource/section_name.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::string SectionFor(const char* productName) {
    char section[kSectionNameSize];
    std::memset(section, 'X', sizeof section);
    MakeSectionName(productName, section);
    return section;
}

TEST(SectionName, KeepsTheLettersUpperCased) {
    EXPECT_EQ("ACMESCAN", SectionFor("Acme Scan 2000"));
    EXPECT_EQ("SCANPDFPRO", SectionFor("scan-2-PDF pro"));
    EXPECT_EQ("ABC", SectionFor("a1b2c3"));
}

TEST(SectionName, FewerThanThreeLettersGiveUntitled) {
    EXPECT_EQ("UNTITLED", SectionFor("Ab"));
    EXPECT_EQ("UNTITLED", SectionFor(""));
    EXPECT_EQ("UNTITLED", SectionFor("2000 / 42"));
}

TEST(SectionName, StopsAfterFifteenLetters) {
    EXPECT_EQ("ABCDEFGHIJKLMNO", SectionFor("abcdefghijklmnopqrstuvwxyz"));
}

TEST(SectionName, ReadsAtMostThirtyThreeCharactersOfAnUnterminatedName) {
    // A product name field that fills all 34 bytes without a terminator.
    char name[34];
    std::memset(name, '1', sizeof name);
    name[0] = 'a';
    name[1] = 'b';
    name[32] = 'c';
    name[33] = 'd';  // the 34th character is never looked at
    char section[kSectionNameSize];
    MakeSectionName(name, section);
    EXPECT_STREQ("ABC", section);
}

TEST(SectionName, LettersOutsideAsciiAreNotKept) {
    EXPECT_EQ("SCNNER", SectionFor("Sc\xE4nner"));
}

}  // namespace
