#include "framework/handles.h"
#include "framework/proc_address.h"

#include "scoped_temp_path.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

typedef int (*FillModuleStoreFn)(char* front, char* back, int size);

std::string ProbePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + "page_store_probe.dll";
}

TEST(PageStoreModule, UnloadingTheModuleDeletesTheFilesOfAStoreNeverCleared) {
    TempFolder temp("unload");
    ScopedTempPath tempPath(temp.Path());
    ModuleHandle probe(LoadLibraryA(ProbePath().c_str()));
    ASSERT_TRUE(probe) << ProbePath();
    const auto fill = ProcAddress<FillModuleStoreFn>(probe.Get(), "FillModuleStore");
    ASSERT_NE(fill, nullptr);

    char front[MAX_PATH] = {}, back[MAX_PATH] = {};
    ASSERT_EQ(fill(front, back, MAX_PATH), 0);
    ASSERT_TRUE(FileExists(front)) << front;
    ASSERT_TRUE(FileExists(back)) << back;
    EXPECT_EQ(FilesIn(temp.Path()).size(), 2u);

    probe.Reset();

    EXPECT_FALSE(FileExists(front));
    EXPECT_FALSE(FileExists(back));
    EXPECT_TRUE(FilesIn(temp.Path()).empty());
}

}  // namespace
