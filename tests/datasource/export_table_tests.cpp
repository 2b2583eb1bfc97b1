#include "support/pe_exports.h"
#include "support/temp_folder.h"
#include "tests/datasource/data_source_module.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(ExportTable, DataSourceExportsDsEntryAlone) {
    PeExports exports = ReadPeExports(ProgramFolder() + "TAVIXSRC.ds");
    ASSERT_TRUE(exports.ok) << exports.error;
    EXPECT_EQ(std::vector<std::string>{"DS_Entry"}, exports.names);
}

TEST(ExportTable, ShippedThirtyTwoBitDataSourceExportsUndecoratedDsEntryAlone) {
    const std::string folder = TAVIX_I686_BINARY_DIR;
    if (folder.empty()) GTEST_SKIP() << "no i686 build tree was named at configure time";
    // The i686 tree is a Unix path; Wine maps the root file system to Z:.
    std::string path = "Z:" + folder + "/bin/TAVIXSRC.ds";
    for (char& c : path)
        if (c == '/') c = '\\';
    PeExports exports = ReadPeExports(path);
    ASSERT_TRUE(exports.ok) << exports.error;
    EXPECT_FALSE(exports.is64Bit);
    EXPECT_EQ(0x14cu, exports.machine);  // Intel 386
    EXPECT_EQ(std::vector<std::string>{"DS_Entry"}, exports.names);

    PeExports scanner = ReadPeExports("Z:" + folder + "\\bin\\scanner\\BRSVIO.DLL");
    ASSERT_TRUE(scanner.ok) << scanner.error;
    EXPECT_EQ(0x14cu, scanner.machine);
}

TEST(ExportTable, ScannerLibraryExportsTheEighteenFunctions) {
    PeExports exports = ReadPeExports(ScannerFolder() + "BRSVIO.DLL");
    ASSERT_TRUE(exports.ok) << exports.error;
    for (const char* name :
         {"IO_StartScan", "IO_EndScan", "IO_StartScanPage", "IO_GetPageDimension",
          "IO_EndScanPage", "IO_CalibrateScanner", "IO_FeedOn", "IO_FeedPage", "IO_Clean",
          "IO_IsPaperOn", "IO_IsButtonOn", "IO_GetImageBlock", "IO_AdjustChannelValue",
          "IO_HardwareCheck", "IO_HasScanner", "IO_OpenInterface", "IO_CloseInterface",
          "IO_IsCalibrationNeeded"}) {
        EXPECT_NE(exports.names.end(),
                  std::find(exports.names.begin(), exports.names.end(), name))
            << name;
    }
}

}  // namespace
