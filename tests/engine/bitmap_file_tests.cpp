#include "engine/bitmap_file.h"

#include "support/temp_folder.h"
#include "tests/engine/bitmap_bytes.h"
#include "tests/engine/scoped_temp_path.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

class BitmapFileTest : public testing::Test {
protected:
    std::string Path() const { return folder_.File("page.bmp"); }

    // The fields every bitmap of this writer has, whatever its bits.
    void ExpectHeaders(const std::string& bytes, int bits, int32_t width, int32_t height,
                       uint32_t headerBytes, uint32_t stride, int32_t pelsPerMeter,
                       uint32_t entries) {
        const uint32_t fileBytes = headerBytes + static_cast<uint32_t>(height) * stride;
        ASSERT_EQ(fileBytes, bytes.size());
        EXPECT_EQ(0x4D42u, U16At(bytes, bmp::kType));
        EXPECT_EQ('B', bytes[0]);
        EXPECT_EQ('M', bytes[1]);
        EXPECT_EQ(fileBytes, U32At(bytes, bmp::kFileSize));
        EXPECT_EQ(0u, U16At(bytes, bmp::kReserved1));
        EXPECT_EQ(0u, U16At(bytes, bmp::kReserved2));
        EXPECT_EQ(headerBytes, U32At(bytes, bmp::kOffBits));
        EXPECT_EQ(40u, U32At(bytes, bmp::kInfoSize));
        EXPECT_EQ(width, I32At(bytes, bmp::kWidth));
        EXPECT_EQ(height, I32At(bytes, bmp::kHeight));
        EXPECT_EQ(1u, U16At(bytes, bmp::kPlanes));
        EXPECT_EQ(static_cast<uint32_t>(bits), U16At(bytes, bmp::kBitCount));
        EXPECT_EQ(0u, U32At(bytes, bmp::kCompression));
        EXPECT_EQ(fileBytes - headerBytes, U32At(bytes, bmp::kSizeImage));
        EXPECT_EQ(pelsPerMeter, I32At(bytes, bmp::kXPels));
        EXPECT_EQ(pelsPerMeter, I32At(bytes, bmp::kYPels));
        EXPECT_EQ(entries, U32At(bytes, bmp::kClrUsed));
        EXPECT_EQ(entries, U32At(bytes, bmp::kClrImportant));
    }

    // Palette entry `i` is the gray `level`: blue, green, red, then 0.
    static void ExpectGrayEntry(const std::string& bytes, int i, int level) {
        const size_t at = bmp::kPalette + 4 * static_cast<size_t>(i);
        EXPECT_EQ(level, static_cast<uint8_t>(bytes[at])) << "entry " << i;
        EXPECT_EQ(level, static_cast<uint8_t>(bytes[at + 1])) << "entry " << i;
        EXPECT_EQ(level, static_cast<uint8_t>(bytes[at + 2])) << "entry " << i;
        EXPECT_EQ(0, static_cast<uint8_t>(bytes[at + 3])) << "entry " << i;
    }

    TempFolder folder_{"bmpfile"};
};

TEST_F(BitmapFileTest, GrayPageHasItsHeadersGrayTableAndWholePixelArea) {
    ASSERT_EQ(kBitmapWritten, CreateBitmapFile(Path().c_str(), 8, 200, 1700, 2200));
    const std::string bytes = ReadWholeFile(Path());
    ASSERT_EQ(3741078u, bytes.size());
    ExpectHeaders(bytes, 8, 1700, 2200, 1078, 1700, 7874, 256);
    for (int i = 0; i < 256; ++i) ExpectGrayEntry(bytes, i, i);
}

TEST_F(BitmapFileTest, BlackWhitePageHasTwoEntriesBlackThenWhite) {
    ASSERT_EQ(kBitmapWritten, CreateBitmapFile(Path().c_str(), 1, 300, 2550, 10));
    const std::string bytes = ReadWholeFile(Path());
    ExpectHeaders(bytes, 1, 2550, 10, 62, 320, 11811, 2);
    ExpectGrayEntry(bytes, 0, 0);
    ExpectGrayEntry(bytes, 1, 255);
}

TEST_F(BitmapFileTest, ColorPageHasNoTable) {
    ASSERT_EQ(kBitmapWritten, CreateBitmapFile(Path().c_str(), 24, 300, 2550, 10));
    ExpectHeaders(ReadWholeFile(Path()), 24, 2550, 10, 54, 7652, 11811, 0);
}

TEST_F(BitmapFileTest, FourBitPageHasSixteenGraysEndingInWhite) {
    ASSERT_EQ(kBitmapWritten, CreateBitmapFile(Path().c_str(), 4, 600, 5, 3));
    const std::string bytes = ReadWholeFile(Path());
    ExpectHeaders(bytes, 4, 5, 3, 118, 4, 23622, 16);
    for (int i = 0; i < 15; ++i) ExpectGrayEntry(bytes, i, 16 * i);
    ExpectGrayEntry(bytes, 15, 255);
}

TEST_F(BitmapFileTest, PageWithoutRowsIsHeadersOnly) {
    ASSERT_EQ(kBitmapWritten, CreateBitmapFile(Path().c_str(), 8, 100, 10, 0));
    ExpectHeaders(ReadWholeFile(Path()), 8, 10, 0, 1078, 12, 3937, 256);
}

TEST_F(BitmapFileTest, HelpersGiveTheTableSizesAndResolution) {
    EXPECT_EQ(2, BitmapPaletteEntries(1));
    EXPECT_EQ(16, BitmapPaletteEntries(4));
    EXPECT_EQ(256, BitmapPaletteEntries(8));
    EXPECT_EQ(0, BitmapPaletteEntries(24));
    EXPECT_EQ(62u, BitmapHeaderBytes(1));
    EXPECT_EQ(118u, BitmapHeaderBytes(4));
    EXPECT_EQ(1078u, BitmapHeaderBytes(8));
    EXPECT_EQ(54u, BitmapHeaderBytes(24));
    EXPECT_EQ(11811, PixelsPerMeter(300));
    EXPECT_EQ(7874, PixelsPerMeter(200));
    EXPECT_EQ(2952, PixelsPerMeter(75));
}

TEST_F(BitmapFileTest, LongerExistingFileIsReplacedWhole) {
    WriteWholeFile(Path(), std::string(100000, 'x'));
    ASSERT_EQ(kBitmapWritten, CreateBitmapFile(Path().c_str(), 24, 100, 4, 2));
    const std::string bytes = ReadWholeFile(Path());
    ASSERT_EQ(54u + 2 * 12, bytes.size());
    EXPECT_EQ(54u, U32At(bytes, bmp::kOffBits));
}

TEST_F(BitmapFileTest, BadArgumentsWriteNothing) {
    const std::string path = Path();
    EXPECT_EQ(kBitmapFileFailed, CreateBitmapFile(path.c_str(), 16, 100, 10, 10));
    EXPECT_EQ(kBitmapFileFailed, CreateBitmapFile(path.c_str(), 32, 100, 10, 10));
    EXPECT_EQ(kBitmapFileFailed, CreateBitmapFile(path.c_str(), 0, 100, 10, 10));
    EXPECT_EQ(kBitmapFileFailed, CreateBitmapFile(path.c_str(), 8, 100, 0, 10));
    EXPECT_EQ(kBitmapFileFailed, CreateBitmapFile(path.c_str(), 8, 100, -5, 10));
    EXPECT_EQ(kBitmapFileFailed, CreateBitmapFile(path.c_str(), 8, 100, 10, -1));
    EXPECT_EQ(kBitmapFileFailed, CreateBitmapFile(path.c_str(), 8, 0, 10, 10));
    EXPECT_EQ(kBitmapFileFailed, CreateBitmapFile(path.c_str(), 8, -300, 10, 10));
    EXPECT_EQ(kBitmapFileFailed, CreateBitmapFile(nullptr, 8, 100, 10, 10));
    EXPECT_EQ(kBitmapFileFailed, CreateBitmapFile("", 8, 100, 10, 10));
    EXPECT_TRUE(FilesIn(folder_.Path()).empty());
}

TEST_F(BitmapFileTest, PageTooLargeForTheSizeFieldsIsRefused) {
    // 90000 bytes a row x 50000 rows is more than 4 GiB.
    EXPECT_EQ(kBitmapFileFailed, CreateBitmapFile(Path().c_str(), 24, 600, 30000, 50000));
    EXPECT_TRUE(FilesIn(folder_.Path()).empty());
}

TEST_F(BitmapFileTest, MissingFolderIsAFailure) {
    EXPECT_EQ(kBitmapFileFailed,
              CreateBitmapFile(folder_.File("missing\\page.bmp").c_str(), 8, 100, 10, 10));
    EXPECT_TRUE(FilesIn(folder_.Path()).empty());
}

TEST_F(BitmapFileTest, FileInUseElsewhereIsLeftAsItWas) {
    WriteWholeFile(Path(), "not ours");
    HANDLE other = CreateFileA(Path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    EXPECT_EQ(kBitmapFileFailed, CreateBitmapFile(Path().c_str(), 8, 100, 10, 10));
    CloseHandle(other);
    EXPECT_EQ("not ours", ReadWholeFile(Path()));
}

}  // namespace
