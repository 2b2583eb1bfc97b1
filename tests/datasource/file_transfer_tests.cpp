// DG_IMAGE / DAT_IMAGEFILEXFER: the page as a bitmap file under the name the
// application set up, and the names that cannot be written.
#include "tests/datasource/transfer_session.h"

#include "support/temp_folder.h"

#include <string>

namespace {

class FileTransfers : public TransferSession {
protected:
    // Checks the file against the bitmap of `length` lines.
    void ExpectBitmapFile(const std::string& path, int mode, int32_t length, int sheetLength = 1100) {
        const std::string file = ReadWholeFile(path);
        const int entries = mode == 1 ? 256 : mode == 4 ? 0 : 2;
        const size_t header = 54 + 4 * static_cast<size_t>(entries);
        const size_t pixels = static_cast<size_t>(RowBytes()) * length;
        ASSERT_EQ(header + pixels, file.size());
        EXPECT_EQ('B', file[0]);
        EXPECT_EQ('M', file[1]);
        const auto& info = *reinterpret_cast<const BITMAPINFOHEADER*>(file.data() + 14);
        EXPECT_EQ(Width(), info.biWidth);
        EXPECT_EQ(length, info.biHeight);
        EXPECT_EQ(BitsOfMode(mode), info.biBitCount);
        ScannedPage page = Expected(length);
        page.sheetLength = sheetLength;
        EXPECT_EQ("", FirstRowDifference(BytesFrom(file.data(), file.size(), header),
                                         AsBitmapRows(ExpectedScannerRows(page), mode, Width(), RowBytes()),
                                         RowBytes()));
    }

    // A transfer to a name that cannot be written: the file error, nothing
    // pending any more, still state 6, and no file.
    void ExpectFileError(const std::string& name) {
        OpenAndEnable();
        ASSERT_EQ(TWRC_SUCCESS, SetFileName(name));
        MessageBoxWatcher watcher;
        EXPECT_EQ(TWRC_FAILURE, FileTransfer());
        const std::vector<SeenMessageBox> boxes = Messages(watcher);
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ(kFileErrorText, boxes[0].text);
        EXPECT_EQ("Tavix Scanner", boxes[0].caption);
        EXPECT_TRUE(boxes[0].hasOwner);
        EXPECT_EQ(TWCC_OPERATIONERROR, Condition());
        TW_UINT16 count = 0xBEEF;
        EXPECT_EQ(TWRC_SUCCESS, PendingCount(count));
        EXPECT_EQ(0, count);
        EXPECT_EQ(6, ProbeState());
        EXPECT_TRUE(TemporaryFiles().empty());
        // The sheet is ejected and the acquisition can end.
        EXPECT_EQ(TWRC_SUCCESS, EndTransfer(count));
        EXPECT_EQ(0, count);
        EXPECT_EQ(5, ProbeState());
    }
};

class FileTransferModes : public FileTransfers, public testing::WithParamInterface<int> {};

TEST_P(FileTransferModes, WritesTheScannedPageAsABitmapFile) {
    const int mode = GetParam();
    Page(mode, 100);
    OpenAndEnable();
    const std::string path = temp_.File("page.bmp");
    ASSERT_EQ(TWRC_SUCCESS, SetFileName(path));
    MessageBoxWatcher watcher;
    EXPECT_EQ(TWRC_XFERDONE, FileTransfer());
    ExpectBitmapFile(path, mode, Length());
    EXPECT_EQ(7, ProbeState());
    EXPECT_EQ(1u, ScannerCalls("IO_EndScan"));
    EXPECT_TRUE(Messages(watcher).empty());
    EXPECT_TRUE(TemporaryFiles().empty());
}

INSTANTIATE_TEST_SUITE_P(Modes, FileTransferModes, testing::Values(2, 1, 4),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(info.param == 1   ? "Gray"
                                                : info.param == 4 ? "Color"
                                                                  : "BlackAndWhite");
                         });

TEST_F(FileTransfers, DataGivenWithTheCallIsLeftAlone) {
    OpenAndEnable();
    const std::string path = temp_.File("page.bmp");
    ASSERT_EQ(TWRC_SUCCESS, SetFileName(path));
    uint32_t unused = 0xC0FFEE;
    EXPECT_EQ(TWRC_XFERDONE, Call(DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, &unused));
    EXPECT_EQ(0xC0FFEEu, unused);
    ExpectBitmapFile(path, 2, Length());
}

TEST_F(FileTransfers, WithEndOfPageDetectionTheFileIsAsLongAsTheSheet) {
    Scanner("sheet_length=320\n");
    Page(4, 100);
    DetectEndOfPage();
    OpenAndEnable();
    const std::string path = temp_.File("short.bmp");
    ASSERT_EQ(TWRC_SUCCESS, SetFileName(path));
    EXPECT_EQ(TWRC_XFERDONE, FileTransfer());
    ExpectBitmapFile(path, 4, 120, 320);
    TW_IMAGEINFO info{};
    ASSERT_EQ(TWRC_SUCCESS, ImageInfo(info));
    EXPECT_EQ(120, info.ImageLength);
    EXPECT_EQ(1u, ScannerCalls("IO_StartScanPage"));
    EXPECT_TRUE(TemporaryFiles().empty());
}

TEST_F(FileTransfers, NameInAFolderThatDoesNotExistIsAFileError) {
    ExpectFileError(temp_.File("missing\\page.bmp"));
    EXPECT_FALSE(FileExists(temp_.File("missing\\page.bmp")));
}

TEST_F(FileTransfers, NameOfAFolderIsAFileError) {
    ExpectFileError(tempFolder_);
}

TEST_F(FileTransfers, NameWithWildcardsIsAFileError) {
    ExpectFileError(temp_.File("pa?e*.bmp"));
    for (const std::string& name : FilesIn(temp_.Path())) EXPECT_NE(0, name.compare(0, 2, "pa")) << name;
}

TEST_F(FileTransfers, EmptyNameIsAFileError) { ExpectFileError(""); }

TEST_F(FileTransfers, FailedScanLeavesAFileOfTheApplicationAlone) {
    // The sheet is read whole first and that read fails: no file of this
    // transfer was ever written under the name.
    Scanner("page_start_fails=1\n");
    DetectEndOfPage();
    const std::string path = temp_.File("earlier.bmp");
    WriteWholeFile(path, "an earlier page");
    OpenAndEnable();
    ASSERT_EQ(TWRC_SUCCESS, SetFileName(path));
    MessageBoxWatcher watcher;
    EXPECT_EQ(TWRC_FAILURE, FileTransfer());
    EXPECT_EQ(TWCC_OPERATIONERROR, Condition());
    EXPECT_EQ("an earlier page", ReadWholeFile(path));
}

TEST_F(FileTransfers, ScannerFailureMidPageLeavesNoPartialFile) {
    Scanner("block_fails_after_rows=100\n");
    Page(1, 100);
    OpenAndEnable();
    const std::string path = temp_.File("partial.bmp");
    ASSERT_EQ(TWRC_SUCCESS, SetFileName(path));
    MessageBoxWatcher watcher;
    EXPECT_EQ(TWRC_FAILURE, FileTransfer());
    EXPECT_EQ(TWCC_OPERATIONERROR, Condition());
    EXPECT_FALSE(FileExists(path));
    const std::vector<SeenMessageBox> boxes = Messages(watcher);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(kScannerNotReadyText, boxes[0].text);
}

}  // namespace
