#include "tests/datasource/data_source_module.h"

#include <algorithm>
#include <cstring>

namespace {

class Identity : public DataSourceModule {};

TEST_F(Identity, ReportsTheSourceWhenTheScannerLibraryIsOnTheSearchPath) {
    ScopedScannerOnPath scanner(true);
    TW_IDENTITY identity;
    std::memset(&identity, 0xCC, sizeof identity);
    ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_IDENTITY, MSG_GET, &identity));
    EXPECT_EQ(0u, identity.Id);
    EXPECT_EQ(3, identity.Version.MajorNum);
    EXPECT_EQ(4, identity.Version.MinorNum);
    EXPECT_EQ(TWLG_USA, identity.Version.Language);
    EXPECT_EQ(TWCY_USA, identity.Version.Country);
    EXPECT_STREQ("3.4.2.1", identity.Version.Info);
    EXPECT_EQ(1, identity.ProtocolMajor);
    EXPECT_EQ(9, identity.ProtocolMinor);
    EXPECT_EQ(DG_CONTROL | DG_IMAGE, identity.SupportedGroups);
    EXPECT_STREQ("Orvane Imaging Systems", identity.Manufacturer);
    EXPECT_STREQ("SheetRelay", identity.ProductFamily);
    EXPECT_STREQ("Tavix Scanner", identity.ProductName);
    // No byte of the application's structure is left as it was.
    const auto* bytes = reinterpret_cast<const unsigned char*>(&identity);
    EXPECT_EQ(0, std::count(bytes, bytes + sizeof identity, 0xCC));
}

TEST_F(Identity, WithoutTheScannerLibraryTheSourceIsUnavailable) {
    ScopedScannerOnPath noScanner(false);
    TW_IDENTITY identity;
    std::memset(&identity, 0xCC, sizeof identity);
    EXPECT_EQ(TWRC_FAILURE, Call(DG_CONTROL, DAT_IDENTITY, MSG_GET, &identity));
    EXPECT_EQ(TWCC_BUMMER, Condition());
    const auto* bytes = reinterpret_cast<const unsigned char*>(&identity);
    EXPECT_EQ(static_cast<long>(sizeof identity), std::count(bytes, bytes + sizeof identity, 0));
}

TEST_F(Identity, SearchIsRepeatedUntilTheLibraryIsFoundAndThenRemembered) {
    TW_IDENTITY identity{};
    {
        ScopedScannerOnPath noScanner(false);
        EXPECT_EQ(TWRC_FAILURE, Call(DG_CONTROL, DAT_IDENTITY, MSG_GET, &identity));
    }
    {
        ScopedScannerOnPath scanner(true);
        EXPECT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_IDENTITY, MSG_GET, &identity));
    }
    ScopedScannerOnPath noScanner(false);
    EXPECT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_IDENTITY, MSG_GET, &identity));
    EXPECT_STREQ("Tavix Scanner", identity.ProductName);
}

TEST_F(Identity, NullStructureIsRefused) {
    ScopedScannerOnPath scanner(true);
    EXPECT_EQ(TWRC_FAILURE, Call(DG_CONTROL, DAT_IDENTITY, MSG_GET, nullptr));
    EXPECT_EQ(TWCC_BADVALUE, Condition());
}

}  // namespace
