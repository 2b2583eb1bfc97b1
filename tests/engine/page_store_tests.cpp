#include "engine/page_store.h"

#include "scoped_temp_path.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// Rows whose every byte tells its row and column apart from the others.
std::vector<uint8_t> PatternRows(int rows, int rowBytes, int seed) {
    std::vector<uint8_t> bytes(static_cast<size_t>(rows) * rowBytes);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>((i * 7 + i / 251 + seed * 31) & 0xFF);
    return bytes;
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

class PageStoreTest : public testing::Test {
protected:
    TempFolder temp_{"store"};
    ScopedTempPath tempPath_{temp_.Path()};
    PageStore store_;
};

TEST_F(PageStoreTest, ReadRowsOnNeverWrittenSlotFails) {
    ASSERT_TRUE(store_.SetRowBytes(16));
    std::vector<uint8_t> buffer(16);
    EXPECT_EQ(store_.ReadRows(buffer.data(), 1), kPageStoreFailed);
    EXPECT_EQ(store_.ReadRows(buffer.data(), 0), kPageStoreFailed);
    EXPECT_EQ(store_.Rewind(), kPageStoreFailed);
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());
}

TEST_F(PageStoreTest, WriteRowsBeforeSetRowBytesFailsAndCreatesNoFile) {
    const std::vector<uint8_t> rows = PatternRows(4, 16, 1);
    EXPECT_EQ(store_.RowBytes(), 0);
    EXPECT_EQ(store_.WriteRows(rows.data(), 4), kPageStoreFailed);
    EXPECT_EQ(store_.LineCount(0), 0);
    EXPECT_FALSE(store_.HasRows());
    EXPECT_TRUE(store_.FileName(0).empty());
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());
}

TEST_F(PageStoreTest, HundredRowsReadBackAsSixtyAndFortyExactly) {
    const int rowBytes = 52;
    ASSERT_TRUE(store_.SetRowBytes(rowBytes));
    const std::vector<uint8_t> rows = PatternRows(100, rowBytes, 2);
    ASSERT_EQ(store_.WriteRows(rows.data(), 30), kPageStoreOk);
    ASSERT_EQ(store_.WriteRows(rows.data() + 30 * rowBytes, 70), kPageStoreOk);
    EXPECT_EQ(store_.LineCount(0), 100);
    EXPECT_TRUE(store_.HasRows());

    // The rows sit in one "SPF" file in the temporary folder.
    const std::string& name = store_.FileName(0);
    EXPECT_TRUE(StartsWith(name, temp_.Path() + "SPF")) << name;
    EXPECT_EQ(name.substr(name.size() - 4), ".tmp");
    EXPECT_EQ(FilesIn(temp_.Path()).size(), 1u);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeLow, 100u * rowBytes);

    std::vector<uint8_t> back(100 * rowBytes, 0xEE);
    ASSERT_EQ(store_.ReadRows(back.data(), 60), kPageStoreOk);
    ASSERT_EQ(store_.ReadRows(back.data() + 60 * rowBytes, 40), kPageStoreOk);
    EXPECT_EQ(back, rows);
    EXPECT_EQ(store_.LineCount(0), 100);

    // Everything has been read: one more row is not there.
    EXPECT_EQ(store_.ReadRows(back.data(), 1), kPageStoreFailed);
}

TEST_F(PageStoreTest, ClearStoreDeletesBothFilesAndResetsTheStore) {
    ASSERT_TRUE(store_.SetRowBytes(8));
    const std::vector<uint8_t> rows = PatternRows(5, 8, 3);
    ASSERT_EQ(store_.WriteRows(rows.data(), 5), kPageStoreOk);
    ASSERT_TRUE(store_.SelectSlot(1));
    ASSERT_EQ(store_.WriteRows(rows.data(), 3), kPageStoreOk);
    std::vector<uint8_t> back(8);
    ASSERT_EQ(store_.ReadRows(back.data(), 1), kPageStoreOk);  // slot 1 is being read
    const std::string front = store_.FileName(0), rear = store_.FileName(1);
    ASSERT_NE(front, rear);
    ASSERT_EQ(FilesIn(temp_.Path()).size(), 2u);

    store_.ClearStore();

    EXPECT_FALSE(FileExists(front));
    EXPECT_FALSE(FileExists(rear));
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());
    EXPECT_FALSE(store_.HasRows());
    EXPECT_EQ(store_.RowBytes(), 0);
    EXPECT_EQ(store_.LineCount(0), 0);
    EXPECT_EQ(store_.LineCount(1), 0);
    EXPECT_TRUE(store_.FileName(0).empty());
    EXPECT_TRUE(store_.FileName(1).empty());
    EXPECT_EQ(store_.CurrentSlot(), 1);  // not changed by clearing
    EXPECT_EQ(store_.ReadRows(back.data(), 1), kPageStoreFailed);
}

TEST_F(PageStoreTest, ClearedStoreTakesANewSheet) {
    ASSERT_TRUE(store_.SetRowBytes(12));
    const std::vector<uint8_t> first = PatternRows(3, 12, 4);
    ASSERT_EQ(store_.WriteRows(first.data(), 3), kPageStoreOk);
    std::vector<uint8_t> back(3 * 12);
    ASSERT_EQ(store_.ReadRows(back.data(), 3), kPageStoreOk);
    store_.ClearStore();

    ASSERT_TRUE(store_.SetRowBytes(20));
    const std::vector<uint8_t> second = PatternRows(6, 20, 5);
    ASSERT_EQ(store_.WriteRows(second.data(), 6), kPageStoreOk);
    back.assign(6 * 20, 0);
    ASSERT_EQ(store_.ReadRows(back.data(), 6), kPageStoreOk);
    EXPECT_EQ(back, second);
    EXPECT_EQ(FilesIn(temp_.Path()).size(), 1u);
}

TEST_F(PageStoreTest, FrontAndBackSlotsKeepTheirOwnRows) {
    ASSERT_TRUE(store_.SetRowBytes(24));
    const std::vector<uint8_t> front = PatternRows(7, 24, 6);
    const std::vector<uint8_t> rear = PatternRows(9, 24, 7);
    ASSERT_EQ(store_.WriteRows(front.data(), 7), kPageStoreOk);
    ASSERT_TRUE(store_.SelectSlot(1));
    ASSERT_EQ(store_.WriteRows(rear.data(), 9), kPageStoreOk);
    EXPECT_EQ(store_.LineCount(0), 7);
    EXPECT_EQ(store_.LineCount(1), 9);

    std::vector<uint8_t> back(9 * 24);
    ASSERT_EQ(store_.ReadRows(back.data(), 9), kPageStoreOk);
    EXPECT_EQ(back, rear);
    ASSERT_TRUE(store_.SelectSlot(0));
    back.assign(7 * 24, 0);
    ASSERT_EQ(store_.ReadRows(back.data(), 7), kPageStoreOk);
    EXPECT_EQ(back, front);
}

TEST_F(PageStoreTest, HasRowsLooksAtTheFrontSlotOnly) {
    ASSERT_TRUE(store_.SetRowBytes(4));
    ASSERT_TRUE(store_.SelectSlot(1));
    const std::vector<uint8_t> rows = PatternRows(2, 4, 8);
    ASSERT_EQ(store_.WriteRows(rows.data(), 2), kPageStoreOk);
    EXPECT_FALSE(store_.HasRows());
    ASSERT_TRUE(store_.SelectSlot(0));
    ASSERT_EQ(store_.WriteRows(rows.data(), 1), kPageStoreOk);
    EXPECT_TRUE(store_.HasRows());
}

TEST_F(PageStoreTest, SelectSlotOutOfRangeIsRefusedAndKeepsTheCurrentSlot) {
    ASSERT_TRUE(store_.SelectSlot(1));
    EXPECT_FALSE(store_.SelectSlot(2));
    EXPECT_FALSE(store_.SelectSlot(-1));
    EXPECT_EQ(store_.CurrentSlot(), 1);
    EXPECT_EQ(store_.LineCount(2), 0);
    EXPECT_EQ(store_.LineCount(-1), 0);
    EXPECT_TRUE(store_.FileName(5).empty());
}

TEST_F(PageStoreTest, ReadingMoreRowsThanRemainFailsAndConsumesNothing) {
    ASSERT_TRUE(store_.SetRowBytes(8));
    const std::vector<uint8_t> rows = PatternRows(10, 8, 9);
    ASSERT_EQ(store_.WriteRows(rows.data(), 10), kPageStoreOk);
    std::vector<uint8_t> back(11 * 8);
    EXPECT_EQ(store_.ReadRows(back.data(), 11), kPageStoreFailed);
    ASSERT_EQ(store_.ReadRows(back.data(), 4), kPageStoreOk);
    EXPECT_EQ(store_.ReadRows(back.data() + 4 * 8, 7), kPageStoreFailed);
    ASSERT_EQ(store_.ReadRows(back.data() + 4 * 8, 6), kPageStoreOk);
    back.resize(10 * 8);
    EXPECT_EQ(back, rows);
}

TEST_F(PageStoreTest, RewindReadsTheSlotAgainFromItsFirstRow) {
    ASSERT_TRUE(store_.SetRowBytes(8));
    const std::vector<uint8_t> rows = PatternRows(6, 8, 10);
    ASSERT_EQ(store_.WriteRows(rows.data(), 6), kPageStoreOk);
    std::vector<uint8_t> back(6 * 8);
    ASSERT_EQ(store_.ReadRows(back.data(), 4), kPageStoreOk);
    ASSERT_EQ(store_.Rewind(), kPageStoreOk);
    ASSERT_EQ(store_.ReadRows(back.data(), 6), kPageStoreOk);
    EXPECT_EQ(back, rows);
}

TEST_F(PageStoreTest, WritingToASlotBeingReadFails) {
    ASSERT_TRUE(store_.SetRowBytes(8));
    const std::vector<uint8_t> rows = PatternRows(4, 8, 11);
    ASSERT_EQ(store_.WriteRows(rows.data(), 2), kPageStoreOk);
    std::vector<uint8_t> back(4 * 8);
    ASSERT_EQ(store_.ReadRows(back.data(), 1), kPageStoreOk);
    EXPECT_EQ(store_.WriteRows(rows.data() + 16, 2), kPageStoreFailed);
    EXPECT_EQ(store_.LineCount(0), 2);
    ASSERT_EQ(store_.ReadRows(back.data() + 8, 1), kPageStoreOk);
    back.resize(2 * 8);
    EXPECT_EQ(back, std::vector<uint8_t>(rows.begin(), rows.begin() + 16));
}

TEST_F(PageStoreTest, MalformedArgumentsFailWithoutTouchingTheSlot) {
    ASSERT_TRUE(store_.SetRowBytes(8));
    const std::vector<uint8_t> rows = PatternRows(2, 8, 12);
    EXPECT_EQ(store_.WriteRows(nullptr, 2), kPageStoreFailed);
    EXPECT_EQ(store_.WriteRows(rows.data(), -1), kPageStoreFailed);
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());
    // No rows: nothing to do, and no file for nothing.
    EXPECT_EQ(store_.WriteRows(rows.data(), 0), kPageStoreOk);
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());

    ASSERT_EQ(store_.WriteRows(rows.data(), 2), kPageStoreOk);
    std::vector<uint8_t> back(2 * 8);
    EXPECT_EQ(store_.ReadRows(nullptr, 1), kPageStoreFailed);
    EXPECT_EQ(store_.ReadRows(back.data(), -1), kPageStoreFailed);
    ASSERT_EQ(store_.ReadRows(back.data(), 2), kPageStoreOk);
    EXPECT_EQ(back, rows);
}

TEST_F(PageStoreTest, RowSizeCannotChangeUnderStoredRows) {
    EXPECT_FALSE(store_.SetRowBytes(-4));
    ASSERT_TRUE(store_.SetRowBytes(8));
    const std::vector<uint8_t> rows = PatternRows(2, 8, 13);
    ASSERT_EQ(store_.WriteRows(rows.data(), 2), kPageStoreOk);
    EXPECT_FALSE(store_.SetRowBytes(12));
    EXPECT_FALSE(store_.SetRowBytes(0));
    EXPECT_TRUE(store_.SetRowBytes(8));  // the same size is no change
    EXPECT_EQ(store_.RowBytes(), 8);
}

TEST_F(PageStoreTest, MissingTemporaryFolderFailsAndLeavesNothing) {
    const std::string missing = temp_.Path() + "gone\\";
    {
        ScopedTempPath gone(missing);
        ASSERT_TRUE(store_.SetRowBytes(8));
        const std::vector<uint8_t> rows = PatternRows(2, 8, 14);
        EXPECT_EQ(store_.WriteRows(rows.data(), 2), kPageStoreFailed);
        EXPECT_FALSE(store_.HasRows());
        EXPECT_TRUE(store_.FileName(0).empty());
        std::vector<uint8_t> back(8);
        EXPECT_EQ(store_.ReadRows(back.data(), 1), kPageStoreFailed);
        store_.ClearStore();
    }
    EXPECT_FALSE(FileExists(missing));
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());

    // Once the folder is back, the store works again.
    ASSERT_TRUE(store_.SetRowBytes(8));
    const std::vector<uint8_t> rows = PatternRows(2, 8, 15);
    EXPECT_EQ(store_.WriteRows(rows.data(), 2), kPageStoreOk);
}

TEST_F(PageStoreTest, UnwritableTemporaryFolderFailsAndLeavesNothing) {
    // A file where the folder should be: nothing can be created in it.
    const std::string blocked = temp_.File("blocked");
    WriteWholeFile(blocked, "not a folder");
    {
        ScopedTempPath notAFolder(blocked + "\\");
        ASSERT_TRUE(store_.SetRowBytes(8));
        const std::vector<uint8_t> rows = PatternRows(2, 8, 16);
        EXPECT_EQ(store_.WriteRows(rows.data(), 2), kPageStoreFailed);
        EXPECT_TRUE(store_.FileName(0).empty());
        EXPECT_EQ(store_.LineCount(0), 0);
    }
    EXPECT_EQ(FilesIn(temp_.Path()), std::vector<std::string>{"blocked"});
    EXPECT_EQ(ReadWholeFile(blocked), "not a folder");
}

TEST_F(PageStoreTest, StoreThatIsNeverClearedDeletesItsFilesWhenItGoes) {
    std::string front, rear;
    {
        PageStore store;
        ASSERT_TRUE(store.SetRowBytes(8));
        const std::vector<uint8_t> rows = PatternRows(3, 8, 17);
        ASSERT_EQ(store.WriteRows(rows.data(), 3), kPageStoreOk);
        ASSERT_TRUE(store.SelectSlot(1));
        ASSERT_EQ(store.WriteRows(rows.data(), 3), kPageStoreOk);
        front = store.FileName(0);
        rear = store.FileName(1);
        ASSERT_TRUE(FileExists(front));
        ASSERT_TRUE(FileExists(rear));
    }
    EXPECT_FALSE(FileExists(front));
    EXPECT_FALSE(FileExists(rear));
    EXPECT_TRUE(FilesIn(temp_.Path()).empty());
}

TEST_F(PageStoreTest, ColorLetterPageInBlocksComesBackUnchanged) {
    // 600 dpi colour rows of a Letter page, a tenth of its length, in the
    // 8-row blocks the scanner delivers them in.
    const int rowBytes = 15300, blockRows = 8, blocks = 66;
    ASSERT_TRUE(store_.SetRowBytes(rowBytes));
    for (int b = 0; b < blocks; ++b) {
        const std::vector<uint8_t> block = PatternRows(blockRows, rowBytes, b);
        ASSERT_EQ(store_.WriteRows(block.data(), blockRows), kPageStoreOk);
    }
    EXPECT_EQ(store_.LineCount(0), blocks * blockRows);
    std::vector<uint8_t> back(static_cast<size_t>(blockRows) * rowBytes);
    for (int b = 0; b < blocks; ++b) {
        ASSERT_EQ(store_.ReadRows(back.data(), blockRows), kPageStoreOk);
        ASSERT_EQ(back, PatternRows(blockRows, rowBytes, b)) << "block " << b;
    }
}

}  // namespace
