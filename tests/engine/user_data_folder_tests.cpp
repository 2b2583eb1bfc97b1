#include "engine/user_data_folder.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>

namespace {

TEST(GetUserDataFolder, IsTheOrvaneFolderOfLocalApplicationData) {
    char local[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(
        SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local)));
    const std::string expected = std::string(local) + "\\Orvane\\";
    const bool existed = GetFileAttributesA(expected.c_str()) != INVALID_FILE_ATTRIBUTES;
    char buffer[MAX_PATH];
    std::memset(buffer, 'x', sizeof buffer);
    ASSERT_TRUE(GetUserDataFolder(buffer));
    EXPECT_EQ(std::string(buffer), expected);
    const DWORD attributes = GetFileAttributesA(buffer);
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    // Made for this test only: take it away again (it stays if anything is in it).
    if (!existed) RemoveDirectoryA(expected.c_str());
}

TEST(GetUserDataFolder, NullBufferIsRefused) { EXPECT_FALSE(GetUserDataFolder(nullptr)); }

}  // namespace
