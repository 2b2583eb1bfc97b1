#include "engine/temp_file_name.h"

#include "scoped_temp_path.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

// A fixed sequence of numbers for the fallback naming, counting the calls.
struct NumberSequence {
    std::vector<unsigned> numbers;
    size_t calls = 0;
    unsigned operator()() { return numbers[calls++ % numbers.size()]; }
};

bool IsHexDigits(const std::string& text) {
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return !text.empty();
}

TEST(MakeTempFileName, NameInTheGivenFolderIsAnEmptyFileWithThePrefix) {
    TempFolder folder("names");
    const std::string name = MakeTempFileName("SCN", folder.Path().c_str());
    ASSERT_FALSE(name.empty());
    EXPECT_EQ(name.compare(0, folder.Path().size() + 3, folder.Path() + "SCN"), 0) << name;
    EXPECT_EQ(name.substr(name.size() - 4), ".tmp");
    EXPECT_TRUE(FileExists(name));
    EXPECT_EQ(ReadWholeFile(name), "");
    const std::string second = MakeTempFileName("SCN", folder.Path().c_str());
    EXPECT_NE(second, name);
    EXPECT_EQ(FilesIn(folder.Path()).size(), 2u);
}

TEST(MakeTempFileName, WithoutFolderUsesTheSystemTemporaryFolder) {
    TempFolder folder("names");
    ScopedTempPath tempPath(folder.Path());
    const std::string name = MakeTempFileName("SPF", nullptr);
    EXPECT_EQ(name.compare(0, folder.Path().size() + 3, folder.Path() + "SPF"), 0) << name;
    EXPECT_TRUE(FileExists(name));
    const std::string fromEmpty = MakeTempFileName("PRV", "");
    EXPECT_EQ(fromEmpty.compare(0, folder.Path().size() + 3, folder.Path() + "PRV"), 0) << fromEmpty;
}

TEST(MakeTempFileName, FolderWithoutTrailingBackslashGetsTheFileInside) {
    TempFolder folder("names");
    std::string bare = folder.Path();
    bare.pop_back();
    const std::string name = MakeTempFileName("PRV", bare.c_str());
    EXPECT_EQ(name.compare(0, folder.Path().size() + 3, folder.Path() + "PRV"), 0) << name;
    EXPECT_EQ(FilesIn(folder.Path()).size(), 1u);
}

TEST(MakeTempFileName, MissingFolderGivesNoNameAndCreatesNothing) {
    TempFolder folder("names");
    const std::string missing = folder.Path() + "gone\\";
    EXPECT_EQ(MakeTempFileName("SPF", missing.c_str()), "");
    EXPECT_FALSE(FileExists(missing));
    EXPECT_TRUE(FilesIn(folder.Path()).empty());

    ScopedTempPath tempPath(missing);
    EXPECT_EQ(MakeTempFileName("SPF", nullptr), "");
    EXPECT_TRUE(FilesIn(folder.Path()).empty());
}

TEST(MakeTempFileName, FolderThatIsAFileGivesNoName) {
    TempFolder folder("names");
    WriteWholeFile(folder.File("plain"), "x");
    EXPECT_EQ(MakeTempFileName("SPF", folder.File("plain").c_str()), "");
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"plain"});
}

TEST(MakeFallbackTempFileName, NameIsPrefixAndFourHexDigitsOfTheNumber) {
    TempFolder folder("names");
    NumberSequence numbers{{0x7B3A}};
    const std::string name = MakeFallbackTempFileName("SPF", folder.Path(), std::ref(numbers));
    EXPECT_EQ(name, folder.Path() + "SPF7b3a.tmp");
    EXPECT_TRUE(FileExists(name));
    EXPECT_EQ(numbers.calls, 1u);
}

TEST(MakeFallbackTempFileName, OnlyTheLowSixteenBitsCount) {
    TempFolder folder("names");
    NumberSequence numbers{{0x5002F}};
    EXPECT_EQ(MakeFallbackTempFileName("SCN", folder.Path(), std::ref(numbers)),
              folder.Path() + "SCN002f.tmp");
}

TEST(MakeFallbackTempFileName, ShortPrefixIsRightAligned) {
    TempFolder folder("names");
    NumberSequence numbers{{0x10}};
    EXPECT_EQ(MakeFallbackTempFileName("AB", folder.Path(), std::ref(numbers)),
              folder.Path() + " AB0010.tmp");
}

TEST(MakeFallbackTempFileName, ExistingNameIsSkippedAndKept) {
    TempFolder folder("names");
    WriteWholeFile(folder.File("SPF1234.tmp"), "rows of another scan");
    NumberSequence numbers{{0x1234, 0x1234, 0xBEEF}};
    const std::string name = MakeFallbackTempFileName("SPF", folder.Path(), std::ref(numbers));
    EXPECT_EQ(name, folder.Path() + "SPFbeef.tmp");
    EXPECT_EQ(numbers.calls, 3u);
    EXPECT_EQ(ReadWholeFile(folder.File("SPF1234.tmp")), "rows of another scan");
}

TEST(MakeFallbackTempFileName, FolderWithoutTrailingBackslashGetsTheFileInside) {
    TempFolder folder("names");
    std::string bare = folder.Path();
    bare.pop_back();
    NumberSequence numbers{{0xA1}};
    EXPECT_EQ(MakeFallbackTempFileName("PRV", bare, std::ref(numbers)),
              folder.Path() + "PRV00a1.tmp");
}

TEST(MakeFallbackTempFileName, GivesUpAfterThirtyTwoTakenNames) {
    TempFolder folder("names");
    NumberSequence numbers;
    char name[16];
    for (unsigned n = 0; n < 32; ++n) {
        numbers.numbers.push_back(n);
        std::snprintf(name, sizeof name, "SPF%04x.tmp", n);
        WriteWholeFile(folder.File(name), "taken");
    }
    numbers.numbers.push_back(0xFFFF);  // free, but a 33rd try
    EXPECT_EQ(MakeFallbackTempFileName("SPF", folder.Path(), std::ref(numbers)), "");
    EXPECT_EQ(numbers.calls, 32u);
    EXPECT_FALSE(FileExists(folder.File("SPFffff.tmp")));
    EXPECT_EQ(FilesIn(folder.Path()).size(), 32u);
}

TEST(MakeFallbackTempFileName, MissingFolderGivesNoNameAfterThirtyTwoTries) {
    TempFolder folder("names");
    NumberSequence numbers{{1, 2, 3}};
    EXPECT_EQ(MakeFallbackTempFileName("SPF", folder.Path() + "gone\\", std::ref(numbers)), "");
    EXPECT_EQ(numbers.calls, 32u);
    EXPECT_TRUE(FilesIn(folder.Path()).empty());
}

TEST(MakeFallbackTempFileName, RandomNumbersGivePrefixFourHexDigitsAndTmp) {
    // The shape of a fallback name for the temporary folder: the folder, "SPF",
    // four hex digits and ".tmp", made from the C library's numbers.
    TempFolder folder("names");
    const std::string name =
        MakeFallbackTempFileName("SPF", folder.Path(), [] { return static_cast<unsigned>(std::rand()); });
    ASSERT_EQ(name.size(), folder.Path().size() + 11) << name;
    EXPECT_EQ(name.compare(0, folder.Path().size() + 3, folder.Path() + "SPF"), 0);
    EXPECT_TRUE(IsHexDigits(name.substr(folder.Path().size() + 3, 4))) << name;
    EXPECT_EQ(name.substr(name.size() - 4), ".tmp");
}

}  // namespace
