// The version and date texts of a library file, read from real files: the
// virtual scanner as built, its variant without a version resource, a file
// that is no program, a file that does not exist.
#include "system_scanner_library.h"
#include "ui_fixture.h"

#include "scanner-sim/brsvio_version.h"
#include "support/temp_folder.h"
#include "ui/library_file_info.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(LibraryFileInfo, VersionOfTheVirtualScannerIsTheOneItsResourceDeclares) {
    EXPECT_EQ(BRSVIO_VERSION_TEXT, LibraryVersionText(VirtualScannerPath()));
}

TEST(LibraryFileInfo, LibraryWithoutVersionResourceShowsDashes) {
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(UnversionedScannerPath().c_str()))
        << UnversionedScannerPath();
    EXPECT_EQ("---", LibraryVersionText(UnversionedScannerPath()));
}

TEST(LibraryFileInfo, FileThatIsNoProgramHasNoVersionButItsDate) {
    TempFolder folder("tavix-libinfo");
    const std::string file = folder.File("BRSVIO.DLL");
    WriteWholeFile(file, "not a program");
    ASSERT_TRUE(SetModifiedDay(file, 2017, 12, 24));
    EXPECT_EQ("---", LibraryVersionText(file));
    EXPECT_EQ("2017-12-24", LibraryDateText(file));
}

TEST(LibraryFileInfo, MissingFileHasNoVersionAndDateZero) {
    TempFolder folder("tavix-libinfo");
    const std::string missing = folder.File("BRSVIO.DLL");
    EXPECT_EQ("---", LibraryVersionText(missing));
    EXPECT_EQ("0-0-0", LibraryDateText(missing));
    EXPECT_EQ("0-0-0", LibraryDateText(""));
}

TEST(LibraryFileInfo, DateHasNoLeadingZeros) {
    TempFolder folder("tavix-libinfo");
    const std::string file = folder.File("BRSVIO.DLL");
    ASSERT_TRUE(CopyFileA(VirtualScannerPath().c_str(), file.c_str(), FALSE));
    ASSERT_TRUE(SetModifiedDay(file, 2009, 3, 5));
    EXPECT_EQ("2009-3-5", LibraryDateText(file));
    EXPECT_EQ(BRSVIO_VERSION_TEXT, LibraryVersionText(file));
}

TEST(LibraryFileInfo, SystemFolderLibraryIsTheOneTheGuardPutsThere) {
    std::string placed;
    {
        SystemScannerLibrary library(VirtualScannerPath());
        ASSERT_TRUE(library.Ready());
        placed = library.Path();
        EXPECT_EQ(placed, SystemScannerLibraryPath());
        ASSERT_TRUE(SetModifiedDay(placed, 2011, 10, 9));
        EXPECT_EQ("2011-10-9", LibraryDateText(SystemScannerLibraryPath()));
    }
    // Nothing of the test stays in the system folder.
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(placed.c_str()));
    EXPECT_EQ("0-0-0", LibraryDateText(SystemScannerLibraryPath()));
}

}  // namespace
