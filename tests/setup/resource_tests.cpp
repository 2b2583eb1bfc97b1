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

// The extended dialog template as stored: fixed-width fields, 2-byte packed.
#pragma pack(push, 2)
struct DialogTemplateEx {
    std::uint16_t version;
    std::uint16_t signature;
    std::uint32_t helpId;
    std::uint32_t extendedStyle;
    std::uint32_t style;
    std::uint16_t items;
    std::int16_t x, y, cx, cy;
};
struct DialogItemEx {
    std::uint32_t helpId;
    std::uint32_t extendedStyle;
    std::uint32_t style;
    std::int16_t x, y, cx, cy;
    std::uint32_t id;
};
#pragma pack(pop)
static_assert(sizeof(DialogTemplateEx) == 26, "DLGTEMPLATEEX header");
static_assert(offsetof(DialogTemplateEx, style) == 12, "style offset");
static_assert(offsetof(DialogTemplateEx, items) == 16, "item count offset");
static_assert(sizeof(DialogItemEx) == 24, "DLGITEMTEMPLATEEX header");
static_assert(offsetof(DialogItemEx, id) == 20, "item id offset");

class TemplateReader {
public:
    explicit TemplateReader(const std::uint8_t* data) : data_(data) {}
    template <typename T>
    T Read() {
        T value;
        std::memcpy(&value, data_ + offset_, sizeof value);
        offset_ += sizeof value;
        return value;
    }
    // A name or ordinal field: 0, 0xFFFF plus ordinal, or a string.
    std::string ReadNameOrOrdinal() {
        const std::uint16_t first = Read<std::uint16_t>();
        if (first == 0) return std::string();
        if (first == 0xFFFF) return "#" + std::to_string(Read<std::uint16_t>());
        std::string text(1, static_cast<char>(first));
        for (std::uint16_t c = Read<std::uint16_t>(); c != 0; c = Read<std::uint16_t>()) {
            text += static_cast<char>(c);
        }
        return text;
    }
    void AlignTo4() { offset_ = (offset_ + 3) & ~std::size_t{3}; }

private:
    const std::uint8_t* data_;
    std::size_t offset_ = 0;
};

TEST(DialogTemplate, Template129IsTheExtendedLanguageDialog) {
    ProgramResources program("setup");
    const HRSRC found = FindResourceA(program.Module(), MAKEINTRESOURCEA(IDD_SETUP_LANGUAGE), RT_DIALOG);
    ASSERT_NE(nullptr, found);
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(program.Module(), found)));
    TemplateReader reader(bytes);
    const auto header = reader.Read<DialogTemplateEx>();
    EXPECT_EQ(1, header.version);
    EXPECT_EQ(0xFFFF, header.signature);
    EXPECT_EQ(static_cast<std::uint32_t>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT |
                                         DS_FIXEDSYS | DS_CENTER),
              header.style);
    EXPECT_EQ(4, header.items);
    EXPECT_EQ(258, header.cx);
    EXPECT_EQ(81, header.cy);
    EXPECT_EQ("", reader.ReadNameOrOrdinal());  // menu
    EXPECT_EQ("", reader.ReadNameOrOrdinal());  // class
    EXPECT_EQ("Choose Setup Language", reader.ReadNameOrOrdinal());
    EXPECT_EQ(8, reader.Read<std::uint16_t>());
    EXPECT_EQ(400, reader.Read<std::uint16_t>());
    reader.Read<std::uint16_t>();  // italic, character set
    EXPECT_EQ("MS Shell Dlg", reader.ReadNameOrOrdinal());

    struct Expected {
        std::uint32_t id;
        std::string kind;
        std::uint32_t style;
        std::int16_t x, y, cx, cy;
        std::string text;
    };
    const Expected controls[] = {
        {IDOK, "#128", WS_TABSTOP | BS_DEFPUSHBUTTON, 73, 60, 50, 14, "OK"},
        {IDCANCEL, "#128", WS_TABSTOP | BS_PUSHBUTTON, 134, 60, 50, 14, "Cancel"},
        {IDC_LANGUAGE_LIST, "#133", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 53, 36, 151, 116, ""},
        {0xFFFFFFFFu, "#130", SS_LEFT | WS_GROUP, 37, 16, 204, 16,
         "Select the language for this installation from the choices below."},
    };
    for (const Expected& expected : controls) {
        reader.AlignTo4();
        const auto item = reader.Read<DialogItemEx>();
        EXPECT_EQ(expected.id, item.id);
        EXPECT_EQ(expected.style, item.style & ~static_cast<std::uint32_t>(WS_CHILD | WS_VISIBLE)) << expected.text;
        EXPECT_EQ(expected.x, item.x);
        EXPECT_EQ(expected.y, item.y);
        EXPECT_EQ(expected.cx, item.cx);
        EXPECT_EQ(expected.cy, item.cy);
        EXPECT_EQ(expected.kind, reader.ReadNameOrOrdinal());
        EXPECT_EQ(expected.text, reader.ReadNameOrOrdinal());
        const std::uint16_t extra = reader.Read<std::uint16_t>();
        EXPECT_EQ(0, extra);
    }
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
