// setup's resources, read from the built programs as data files.
#include "setup/installer_launch.h"
#include "setup/language_list.h"
#include "setup/resource_ids.h"
#include "setup/setup_resources.h"
#include "setup/setup_state.h"
#include "setup_paths.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

// One program's resources for the length of a test.
class ProgramResources {
public:
    explicit ProgramResources(const std::string& variant)
        : module_(LoadLibraryExA(SetupProgram(variant).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
        SetResourceModule(module_);
    }
    ~ProgramResources() {
        SetResourceModule(nullptr);
        if (module_) FreeLibrary(module_);
    }
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;
    HMODULE Module() const { return module_; }

private:
    HMODULE module_;
};

std::vector<std::string> OfferedNames() {
    std::vector<LanguageEntry> list;
    EXPECT_TRUE(LoadLanguageList(list));
    std::vector<std::string> names;
    for (const LanguageEntry& entry : list) names.push_back(entry.displayName);
    return names;
}

TEST(SetupResources, ShippedTextsAreUtf16WithTerminator) {
    ProgramResources program("setup");
    ASSERT_NE(nullptr, program.Module());
    std::string text;
    ASSERT_TRUE(ReadResourceString("PACKAGENAME", text));
    EXPECT_EQ("Tavix Scanner.msi", text);
    ASSERT_TRUE(ReadResourceString("PRODUCTCODE", text));
    EXPECT_EQ("{6C1D2E7A-3B4F-4A58-9E21-7D0C5B3A9F14}", text);
    EXPECT_EQ(38u, text.size());
    ASSERT_TRUE(ReadResourceString("PRODUCTNAME", text));
    EXPECT_EQ("Tavix Scanner", text);
    ASSERT_TRUE(ReadResourceString("VERSION", text));
    EXPECT_EQ("1.02.0003", text);
    ASSERT_TRUE(ReadResourceString("LANGUAGES", text));
    EXPECT_EQ("1033;1036;1031;1034;1040", text);
    EXPECT_FALSE(ReadResourceString("LOGPATH", text));

    const void* data = nullptr;
    std::size_t size = 0;
    ASSERT_TRUE(GetResourceData("VERSION", data, size));
    const char expected[] = {'1', 0, '.', 0, '0', 0, '2', 0, '.', 0, '0', 0, '0', 0, '0', 0, '3', 0, 0, 0};
    ASSERT_EQ(sizeof expected, size);
    EXPECT_EQ(0, std::memcmp(expected, data, size));
}

TEST(SetupResources, ShippedProgramCarriesThePackageAndFourTransforms) {
    ProgramResources program("setup");
    const void* data = nullptr;
    std::size_t size = 0;
    ASSERT_TRUE(GetResourceData("PACKAGEFILE", data, size));
    EXPECT_EQ(ReadWholeFile(ShippedPackage()), std::string(static_cast<const char*>(data), size));
    for (const char* language : {"1031", "1034", "1036", "1040"}) {
        ASSERT_TRUE(GetResourceData((std::string("LANG") + language).c_str(), data, size)) << language;
        EXPECT_EQ(ReadWholeFile(PackageFile(std::string(language) + ".mst")),
                  std::string(static_cast<const char*>(data), size));
    }
    EXPECT_FALSE(ResourceExists("LANG1033"));
}

TEST(SetupResources, MissingEmptyAndBlankResources) {
    std::string text = "unchanged";
    {
        ProgramResources program("setup_no_packagename");
        EXPECT_FALSE(ResourceExists("PACKAGENAME"));
        EXPECT_FALSE(ReadResourceString("PACKAGENAME", text));
    }
    {
        ProgramResources program("setup_empty_packagename");
        EXPECT_TRUE(ResourceExists("PACKAGENAME"));
        const void* data = nullptr;
        std::size_t size = 0;
        EXPECT_FALSE(GetResourceData("PACKAGENAME", data, size));
        EXPECT_FALSE(ReadResourceString("PACKAGENAME", text));
    }
    {
        ProgramResources program("setup_blank_version");
        ASSERT_TRUE(ReadResourceString("VERSION", text));
        EXPECT_EQ("", text);
    }
    {
        ProgramResources program("setup_logpath");
        ASSERT_TRUE(ReadResourceString("LOGPATH", text));
        EXPECT_EQ("C:\\tavix logs\\setup.log", text);
    }
}

TEST(LoadLanguageList, ShippedOrder) {
    ProgramResources program("setup");
    EXPECT_EQ((std::vector<std::string>{"English", "Français", "Deutch", "Español", "Italiano"}), OfferedNames());
}

TEST(LoadLanguageList, ResourceOrderIsKept) {
    ProgramResources program("setup_lang_fr_en");
    EXPECT_EQ((std::vector<std::string>{"Français", "English"}), OfferedNames());
}

TEST(LoadLanguageList, MissingResourceOffersEnglishAlone) {
    ProgramResources program("setup_no_languages");
    EXPECT_EQ((std::vector<std::string>{"English"}), OfferedNames());
}

TEST(LoadLanguageList, UnsupportedIdsAreSkipped) {
    ProgramResources program("setup_lang_1041");
    EXPECT_TRUE(OfferedNames().empty());
}

TEST(Manifest, AsksForCommonControlsSix) {
    ProgramResources program("setup");
    const HRSRC found = FindResourceA(program.Module(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(nullptr, found);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(program.Module(), found))),
                           SizeofResource(program.Module(), found));
    EXPECT_NE(std::string::npos, text.find("name=\"Setup\""));
    EXPECT_NE(std::string::npos, text.find("<description>Installer setup program</description>"));
    EXPECT_NE(std::string::npos, text.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
}

class CommandLineTest : public testing::Test {
protected:
    void SetUp() override {
        char folder[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, folder);
        directory_ = folder;
    }
    void TearDown() override {
        State().silent = false;
        State().logPath.clear();
    }
    std::string directory_;
};

TEST_F(CommandLineTest, FrenchEmbeddedNothingInstalled) {
    EXPECT_EQ("msiexec.exe /i \"C:\\T\\Tavix Scanner.msi\" TRANSFORMS=\"C:\\T\\1036.MST\" SETUPEXEDIR=\"" +
                  directory_ + "\"",
              BuildInstallerCommandLine("C:\\T\\Tavix Scanner.msi", "C:\\T\\1036.MST", VersionCheck::NotInstalled));
}

TEST_F(CommandLineTest, SilentUpgradeWithLogInItsOrder) {
    State().silent = true;
    State().logPath = "C:\\logs\\x.log";
    EXPECT_EQ("msiexec.exe /qn /i \"p.msi\" SETUPEXEDIR=\"" + directory_ +
                  "\" REINSTALL=ALL REINSTALLMODE=vomus /l*vx \"C:\\logs\\x.log\"",
              BuildInstallerCommandLine("p.msi", "", VersionCheck::Upgrade));
}

}  // namespace
