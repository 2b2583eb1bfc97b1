// The preview picture reader, loading real files written into a temporary
// folder: the pictures it takes, and every way a file can be refused.
#include "ui/bitmap_file_image.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Put16(std::string& bytes, size_t at, uint16_t value) { std::memcpy(&bytes[at], &value, sizeof value); }
void Put32(std::string& bytes, size_t at, uint32_t value) { std::memcpy(&bytes[at], &value, sizeof value); }

uint32_t RowBytes(int32_t width, int bits) { return (static_cast<uint32_t>(width) * bits + 31) / 32 * 4; }

// The parts of a bitmap file; Bytes() lays them out as the scanner software
// writes them unless a field is overridden.
struct BitmapFile {
    uint32_t headerSize = 40;  // 12, 40, or anything else to be refused
    int32_t width = 5;
    int32_t height = 3;
    uint16_t bits = 24;
    uint32_t compression = 0;
    uint32_t sizeImage = 0x12345;  // the reader sets it to 0
    int32_t pelsPerMeter = 2953;
    uint32_t colourCount = 0;  // biClrUsed written
    std::vector<uint32_t> colours;  // 0x00RRGGBB, written as the header size asks
    int64_t offBits = -1;  // -1: right after the colours
    std::string type = "BM";
    std::string gap;  // bytes between the colours and bfOffBits
    std::string pixels;  // empty: a pattern of the right size
    std::string trailing;

    uint32_t PixelBytes() const { return RowBytes(width, bits) * static_cast<uint32_t>(height); }

    std::string Pixels() const {
        if (!pixels.empty()) return pixels;
        std::string made(PixelBytes(), '\0');
        for (size_t i = 0; i < made.size(); ++i) made[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
        return made;
    }

    std::string Bytes() const {
        std::string info(headerSize, '\0');
        Put32(info, 0, headerSize);
        if (headerSize == 12) {
            Put16(info, 4, static_cast<uint16_t>(width));
            Put16(info, 6, static_cast<uint16_t>(height));
            Put16(info, 8, 1);
            Put16(info, 10, bits);
        } else if (headerSize >= 40) {
            Put32(info, 4, static_cast<uint32_t>(width));
            Put32(info, 8, static_cast<uint32_t>(height));
            Put16(info, 12, 1);
            Put16(info, 14, bits);
            Put32(info, 16, compression);
            Put32(info, 20, sizeImage);
            Put32(info, 24, static_cast<uint32_t>(pelsPerMeter));
            Put32(info, 28, static_cast<uint32_t>(pelsPerMeter));
            Put32(info, 32, colourCount);
        }
        std::string table;
        for (uint32_t colour : colours) {
            table += static_cast<char>(colour & 0xFF);
            table += static_cast<char>((colour >> 8) & 0xFF);
            table += static_cast<char>((colour >> 16) & 0xFF);
            if (headerSize != 12) table += '\0';
        }
        const std::string front = info + table + gap;
        const uint32_t off = offBits >= 0 ? static_cast<uint32_t>(offBits) : static_cast<uint32_t>(14 + front.size());
        const std::string body = Pixels();
        std::string file(14, '\0');
        file[0] = type[0];
        file[1] = type[1];
        Put32(file, 2, static_cast<uint32_t>(14 + front.size() + body.size()));
        Put32(file, 10, off);
        return file + front + body + trailing;
    }
};

std::vector<uint32_t> GrayColours(int count) {
    std::vector<uint32_t> colours;
    for (int i = 0; i < count; ++i) {
        const uint32_t level = static_cast<uint32_t>(i * 255 / (count > 1 ? count - 1 : 1));
        colours.push_back(level << 16 | level << 8 | level);
    }
    return colours;
}

class BitmapFileImageTest : public testing::Test {
protected:
    std::string Write(const BitmapFile& file, const char* name = "preview.bmp") {
        return WriteBytes(file.Bytes(), name);
    }
    std::string WriteBytes(const std::string& bytes, const char* name = "preview.bmp") {
        const std::string path = folder_.File(name);
        WriteWholeFile(path, bytes);
        return path;
    }
    int LoadStatus(const BitmapFile& file) { return LoadStatusOf(Write(file)); }
    int LoadStatusOf(const std::string& path) {
        int status = -1;
        const bool loaded = image_.Load(path.c_str(), status);
        EXPECT_EQ(loaded, status == kBitmapLoaded);
        EXPECT_EQ(loaded, image_.IsLoaded());
        if (!loaded) {
            EXPECT_EQ(nullptr, image_.Info());
            EXPECT_EQ(nullptr, image_.Header());
            EXPECT_EQ(nullptr, image_.Section());
            EXPECT_EQ(nullptr, image_.Palette());
        }
        return status;
    }
    // The section's pixel bytes, as many as the file's pixel data.
    std::string SectionBytes(size_t count) {
        HDC screen = GetDC(nullptr);
        const bool made = image_.CreateSection(screen);
        ReleaseDC(nullptr, screen);
        EXPECT_TRUE(made);
        if (!made || !image_.Bits()) return {};
        GdiFlush();
        return std::string(reinterpret_cast<const char*>(image_.Bits()), count);
    }
    void ExpectLoadsWithPixels(const BitmapFile& file) {
        ASSERT_EQ(kBitmapLoaded, LoadStatus(file));
        EXPECT_EQ(file.width, image_.Width());
        EXPECT_EQ(file.height, image_.Height());
        EXPECT_EQ(file.bits, image_.BitCount());
        EXPECT_EQ(0u, image_.Header()->biSizeImage);
        const std::string pixels = file.Pixels();
        EXPECT_TRUE(pixels == SectionBytes(pixels.size())) << "pixel bytes differ";
        EXPECT_NE(nullptr, image_.Section());
    }

    TempFolder folder_{"tavix-bmp"};
    BitmapFileImage image_;
};

// ---- pictures that load ----

TEST_F(BitmapFileImageTest, TrueColour_LoadsWithPaddedRowsAndNoPalette) {
    BitmapFile file;  // 5 x 3: 15 bytes a row, padded to 16
    ExpectLoadsWithPixels(file);
    EXPECT_EQ(40u, image_.Header()->biSize);
    EXPECT_EQ(0u, image_.Header()->biCompression);
    EXPECT_EQ(nullptr, image_.Palette());
    EXPECT_FALSE(image_.IsGray8());
    EXPECT_EQ(reinterpret_cast<const void*>(image_.Info()), reinterpret_cast<const void*>(image_.Header()));
}

TEST_F(BitmapFileImageTest, Gray8_IsGrayWithAFullPalette) {
    BitmapFile file;
    file.width = 10;
    file.height = 4;
    file.bits = 8;
    file.colours = GrayColours(256);
    ExpectLoadsWithPixels(file);
    EXPECT_TRUE(image_.IsGray8());
    HPALETTE palette = image_.Palette();
    ASSERT_NE(nullptr, palette);
    EXPECT_EQ(palette, image_.Palette());  // made once
    PALETTEENTRY entries[256] = {};
    ASSERT_EQ(256u, GetPaletteEntries(palette, 0, 256, entries));
    EXPECT_EQ(0, entries[0].peRed);
    EXPECT_EQ(128, entries[128].peGreen);
    EXPECT_EQ(255, entries[255].peBlue);
}

TEST_F(BitmapFileImageTest, Gray8_FewerUsedGrayColoursStillCountAsGray) {
    BitmapFile file;
    file.bits = 8;
    file.colourCount = 16;
    file.colours = GrayColours(16);
    ExpectLoadsWithPixels(file);
    EXPECT_TRUE(image_.IsGray8());
    const RGBQUAD* colours = image_.Info()->bmiColors;
    EXPECT_EQ(255, colours[15].rgbRed);
    for (int i = 16; i < 256; ++i) ASSERT_EQ(0u, *reinterpret_cast<const uint32_t*>(&colours[i])) << i;
    PALETTEENTRY entries[256] = {};
    EXPECT_EQ(16u, GetPaletteEntries(image_.Palette(), 0, 256, entries));
}

TEST_F(BitmapFileImageTest, Colour8_OneColouredEntryIsNotGray) {
    BitmapFile file;
    file.bits = 8;
    file.colours = GrayColours(256);
    file.colours[200] = 0x00C80000 | 0x00C8 | 0x00C700;  // green one off
    ExpectLoadsWithPixels(file);
    EXPECT_FALSE(image_.IsGray8());
    PALETTEENTRY entry = {};
    ASSERT_EQ(1u, GetPaletteEntries(image_.Palette(), 200, 1, &entry));
    EXPECT_EQ(0xC8, entry.peRed);
    EXPECT_EQ(0xC7, entry.peGreen);
    EXPECT_EQ(0xC8, entry.peBlue);
}

TEST_F(BitmapFileImageTest, OneBit_LoadsWithTwoColours) {
    BitmapFile file;
    file.width = 33;  // 5 bytes a row, padded to 8
    file.height = 9;
    file.bits = 1;
    file.colours = {0x000000, 0xFFFFFF};
    ExpectLoadsWithPixels(file);
    EXPECT_FALSE(image_.IsGray8());
    EXPECT_EQ(0xFF, image_.Info()->bmiColors[1].rgbGreen);
    PALETTEENTRY entries[256] = {};
    EXPECT_EQ(2u, GetPaletteEntries(image_.Palette(), 0, 256, entries));
}

TEST_F(BitmapFileImageTest, FourBit_LoadsWithSixteenColours) {
    BitmapFile file;
    file.width = 7;  // 4 bytes a row
    file.height = 5;
    file.bits = 4;
    file.colours = GrayColours(16);
    file.colours[3] = 0x123456;
    ExpectLoadsWithPixels(file);
    const RGBQUAD& colour = image_.Info()->bmiColors[3];
    EXPECT_EQ(0x12, colour.rgbRed);
    EXPECT_EQ(0x34, colour.rgbGreen);
    EXPECT_EQ(0x56, colour.rgbBlue);
    EXPECT_EQ(0, colour.rgbReserved);
}

TEST_F(BitmapFileImageTest, CoreHeader_BecomesAnInfoHeaderWithFourByteColours) {
    BitmapFile file;
    file.headerSize = 12;
    file.width = 6;
    file.height = 4;
    file.bits = 8;
    file.colours = GrayColours(256);
    file.colours[1] = 0x0A0B0C;
    file.colours[255] = 0xF0E0D0;
    ExpectLoadsWithPixels(file);
    const BITMAPINFOHEADER& header = *image_.Header();
    EXPECT_EQ(40u, header.biSize);
    EXPECT_EQ(6, header.biWidth);
    EXPECT_EQ(4, header.biHeight);
    EXPECT_EQ(1, header.biPlanes);
    EXPECT_EQ(8, header.biBitCount);
    EXPECT_EQ(0u, header.biCompression);
    EXPECT_EQ(0u, header.biSizeImage);
    EXPECT_EQ(0, header.biXPelsPerMeter);
    EXPECT_EQ(0, header.biYPelsPerMeter);
    EXPECT_EQ(0u, header.biClrUsed);
    EXPECT_EQ(0u, header.biClrImportant);
    const RGBQUAD* colours = image_.Info()->bmiColors;
    EXPECT_EQ(0x0C, colours[1].rgbBlue);
    EXPECT_EQ(0x0B, colours[1].rgbGreen);
    EXPECT_EQ(0x0A, colours[1].rgbRed);
    EXPECT_EQ(0, colours[1].rgbReserved);
    EXPECT_EQ(0xD0, colours[255].rgbBlue);
    EXPECT_EQ(0xE0, colours[255].rgbGreen);
    EXPECT_EQ(0xF0, colours[255].rgbRed);
    EXPECT_EQ(0x80, colours[128].rgbGreen);
    EXPECT_FALSE(image_.IsGray8());
    EXPECT_EQ(0, image_.Resolution());
}

TEST_F(BitmapFileImageTest, CoreHeader_OneBitAndTrueColour) {
    BitmapFile oneBit;
    oneBit.headerSize = 12;
    oneBit.width = 20;
    oneBit.height = 3;
    oneBit.bits = 1;
    oneBit.colours = {0x112233, 0x445566};
    ExpectLoadsWithPixels(oneBit);
    EXPECT_EQ(0x33, image_.Info()->bmiColors[0].rgbBlue);
    EXPECT_EQ(0x44, image_.Info()->bmiColors[1].rgbRed);
    EXPECT_EQ(0u, *reinterpret_cast<const uint32_t*>(&image_.Info()->bmiColors[2]));

    BitmapFile trueColour;
    trueColour.headerSize = 12;
    ExpectLoadsWithPixels(trueColour);
    EXPECT_EQ(24, image_.Header()->biBitCount);
}

TEST_F(BitmapFileImageTest, Resolution_FromPixelsPerMetre) {
    BitmapFile file;
    file.pelsPerMeter = 2953;  // 75 dpi
    ASSERT_EQ(kBitmapLoaded, LoadStatus(file));
    EXPECT_EQ(75, image_.Resolution());
    // Written for 300 and 75 dpi by the scanner software (dpi * 10000 / 254,
    // truncated): read back as 300 and 75, not one dot less.
    for (const auto& [pelsPerMeter, dpi] :
         {std::pair<int32_t, int>{11811, 300}, {2952, 75}, {11812, 300}, {3000, 76}, {0, 0}}) {
        file.pelsPerMeter = pelsPerMeter;
        ASSERT_EQ(kBitmapLoaded, LoadStatus(file));
        EXPECT_EQ(dpi, image_.Resolution()) << pelsPerMeter;
    }
}

TEST_F(BitmapFileImageTest, LargePicture_ReadInSeveralChunks) {
    BitmapFile file;
    file.width = 1001;  // 1004 bytes a row, 1 004 000 bytes in all
    file.height = 1000;
    file.bits = 8;
    file.colours = GrayColours(256);
    ASSERT_GT(file.PixelBytes(), 2u * 409600u);
    ExpectLoadsWithPixels(file);
}

TEST_F(BitmapFileImageTest, TrailingBytes_AreNotRead) {
    BitmapFile file;
    file.trailing = std::string(4099, '\x5A');
    ExpectLoadsWithPixels(file);
}

TEST_F(BitmapFileImageTest, PixelsFarBeyondTheHeaderBlock_LoadWithTheColoursOnly) {
    BitmapFile file;
    file.bits = 4;
    file.width = 8;
    file.height = 6;
    file.colours = GrayColours(16);
    file.offBits = 5000;
    file.gap = std::string(5000 - 14 - 40 - 64, '\x77');
    ExpectLoadsWithPixels(file);
    EXPECT_EQ(255, image_.Info()->bmiColors[15].rgbRed);
    // What lay between the colours and the pixels is not kept.
    for (int i = 16; i < 256; ++i)
        ASSERT_EQ(0u, *reinterpret_cast<const uint32_t*>(&image_.Info()->bmiColors[i])) << i;
}

TEST_F(BitmapFileImageTest, PixelsFarBeyondTheHeaderBlock_IncompleteIsRefused) {
    BitmapFile file;
    file.bits = 8;
    file.colours = GrayColours(256);
    file.offBits = 5000;
    file.gap = std::string(100, '\x77');  // the file ends long before 5000
    EXPECT_EQ(kBitmapNotBitmap, LoadStatus(file));
}

TEST_F(BitmapFileImageTest, TrueColourWithAColourTable_LoadsWithoutIt) {
    BitmapFile file;
    file.colourCount = 300;
    file.colours = GrayColours(300);
    ExpectLoadsWithPixels(file);
    EXPECT_EQ(0u, image_.Header()->biClrUsed);
}

TEST_F(BitmapFileImageTest, InfoStaysPutWhileLoaded) {
    BitmapFile file;
    file.bits = 8;
    file.colours = GrayColours(256);
    ASSERT_EQ(kBitmapLoaded, LoadStatus(file));
    const BITMAPINFO* info = image_.Info();
    SectionBytes(file.PixelBytes());
    image_.Palette();
    EXPECT_EQ(info, image_.Info());
    EXPECT_EQ(8, info->bmiHeader.biBitCount);
}

TEST_F(BitmapFileImageTest, CreateSection_TwiceMakesAFreshSection) {
    BitmapFile file;
    ExpectLoadsWithPixels(file);
    const std::string pixels = file.Pixels();
    EXPECT_TRUE(pixels == SectionBytes(pixels.size()));
}

TEST_F(BitmapFileImageTest, CreateSection_NothingLoadedFails) {
    HDC screen = GetDC(nullptr);
    EXPECT_FALSE(image_.CreateSection(screen));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(nullptr, image_.Section());
    EXPECT_EQ(nullptr, image_.Bits());
}

TEST_F(BitmapFileImageTest, FailedLoadAfterAGoodOne_LeavesNoImage) {
    BitmapFile good;
    ExpectLoadsWithPixels(good);
    EXPECT_EQ(kBitmapCannotOpen, LoadStatusOf(folder_.File("missing.bmp")));
    EXPECT_FALSE(image_.IsLoaded());
    EXPECT_EQ(nullptr, image_.Bits());

    ExpectLoadsWithPixels(good);
    BitmapFile compressed;
    compressed.bits = 8;
    compressed.compression = BI_RLE8;
    compressed.colours = GrayColours(256);
    EXPECT_EQ(kBitmapCompressed, LoadStatus(compressed));
    EXPECT_EQ(0, image_.Width());
    EXPECT_EQ(0, image_.Resolution());
}

// ---- files that are refused ----

TEST_F(BitmapFileImageTest, CannotOpen_MissingFolderOrLocked) {
    EXPECT_EQ(kBitmapCannotOpen, LoadStatusOf(folder_.File("missing.bmp")));
    EXPECT_EQ(kBitmapCannotOpen, LoadStatusOf(folder_.File("nowhere\\missing.bmp")));

    const std::string subfolder = folder_.File("folder.bmp");
    ASSERT_TRUE(CreateDirectoryA(subfolder.c_str(), nullptr));
    EXPECT_EQ(kBitmapCannotOpen, LoadStatusOf(subfolder));

    const std::string locked = Write(BitmapFile{}, "locked.bmp");
    HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    EXPECT_EQ(kBitmapCannotOpen, LoadStatusOf(locked));
    CloseHandle(holder);
    EXPECT_EQ(kBitmapLoaded, LoadStatusOf(locked));
}

TEST_F(BitmapFileImageTest, NotBitmap_ShortOrWrongType) {
    EXPECT_EQ(kBitmapNotBitmap, LoadStatusOf(WriteBytes("")));
    EXPECT_EQ(kBitmapNotBitmap, LoadStatusOf(WriteBytes(BitmapFile{}.Bytes().substr(0, 13))));
    BitmapFile wrongType;
    wrongType.type = "MB";
    EXPECT_EQ(kBitmapNotBitmap, LoadStatus(wrongType));
    wrongType.type = "BA";
    EXPECT_EQ(kBitmapNotBitmap, LoadStatus(wrongType));
}

TEST_F(BitmapFileImageTest, NotBitmap_TruncatedInTheInfoHeader) {
    const std::string whole = BitmapFile{}.Bytes();
    for (size_t length : {14u, 16u, 18u, 30u, 53u})
        EXPECT_EQ(kBitmapNotBitmap, LoadStatusOf(WriteBytes(whole.substr(0, length)))) << length;
}

TEST_F(BitmapFileImageTest, NotBitmap_TruncatedInTheColourTable) {
    BitmapFile file;
    file.bits = 8;
    file.colours = GrayColours(256);
    const std::string whole = file.Bytes();
    EXPECT_EQ(kBitmapNotBitmap, LoadStatusOf(WriteBytes(whole.substr(0, 54 + 100))));
}

TEST_F(BitmapFileImageTest, NotBitmap_TruncatedPixelData) {
    BitmapFile file;
    file.width = 16;
    file.height = 16;
    const std::string whole = file.Bytes();
    EXPECT_EQ(kBitmapNotBitmap, LoadStatusOf(WriteBytes(whole.substr(0, whole.size() - 1))));
    EXPECT_EQ(kBitmapNotBitmap, LoadStatusOf(WriteBytes(whole.substr(0, whole.size() - 48))));
    EXPECT_EQ(kBitmapLoaded, LoadStatusOf(WriteBytes(whole)));
}

TEST_F(BitmapFileImageTest, NotBitmap_OtherHeaderSizes) {
    for (uint32_t size : {64u, 108u, 124u, 0u, 39u, 41u}) {
        BitmapFile file;
        file.headerSize = size < 4 ? 4 : size;
        std::string bytes = file.Bytes();
        Put32(bytes, 14, size);
        EXPECT_EQ(kBitmapNotBitmap, LoadStatusOf(WriteBytes(bytes))) << size;
    }
}

TEST_F(BitmapFileImageTest, Compressed_IsRefused) {
    BitmapFile file;
    file.bits = 8;
    file.colours = GrayColours(256);
    file.compression = BI_RLE8;
    EXPECT_EQ(kBitmapCompressed, LoadStatus(file));
    file.bits = 4;
    file.colours = GrayColours(16);
    file.compression = BI_RLE4;
    EXPECT_EQ(kBitmapCompressed, LoadStatus(file));
    file.bits = 16;
    file.colours.clear();
    file.compression = BI_BITFIELDS;
    EXPECT_EQ(kBitmapCompressed, LoadStatus(file));
}

TEST_F(BitmapFileImageTest, UnsupportedBits_IsRefused) {
    for (uint16_t bits : {16, 32, 0, 2, 3, 5, 7, 9, 48}) {
        BitmapFile file;
        file.bits = bits;
        EXPECT_EQ(kBitmapUnsupportedBits, LoadStatus(file)) << bits;
    }
    BitmapFile core;
    core.headerSize = 12;
    core.bits = 32;
    EXPECT_EQ(kBitmapUnsupportedBits, LoadStatus(core));
}

TEST_F(BitmapFileImageTest, NotBitmap_ZeroOrNegativeSides) {
    for (int32_t side : {0, -1, -5}) {
        BitmapFile wide;
        wide.width = side;
        wide.pixels = std::string(64, '\0');
        EXPECT_EQ(kBitmapNotBitmap, LoadStatus(wide)) << "width " << side;
        BitmapFile high;
        high.height = side;
        high.pixels = std::string(64, '\0');
        EXPECT_EQ(kBitmapNotBitmap, LoadStatus(high)) << "height " << side;
    }
    BitmapFile core;
    core.headerSize = 12;
    core.height = 0;
    core.pixels = std::string(64, '\0');
    EXPECT_EQ(kBitmapNotBitmap, LoadStatus(core));
}

TEST_F(BitmapFileImageTest, NotBitmap_AbsurdSizes) {
    BitmapFile wide;
    wide.width = 70000;
    wide.height = 1;
    wide.pixels = std::string(64, '\0');
    EXPECT_EQ(kBitmapNotBitmap, LoadStatus(wide));
    BitmapFile high = wide;
    high.width = 1;
    high.height = 70000;
    EXPECT_EQ(kBitmapNotBitmap, LoadStatus(high));
    // Each side allowed, but 60000 x 60000 x 3 bytes is far over the bound.
    BitmapFile huge = wide;
    huge.width = 60000;
    huge.height = 60000;
    EXPECT_EQ(kBitmapNotBitmap, LoadStatus(huge));
    BitmapFile overflowing = wide;
    overflowing.width = 0x7FFFFFFF;
    overflowing.height = 0x7FFFFFFF;
    EXPECT_EQ(kBitmapNotBitmap, LoadStatus(overflowing));
}

TEST_F(BitmapFileImageTest, NotBitmap_BadPixelOffsets) {
    for (int64_t offset : {0, 10, 14, 25, 30, 53}) {
        BitmapFile file;
        file.offBits = offset;
        EXPECT_EQ(kBitmapNotBitmap, LoadStatus(file)) << offset;
    }
    BitmapFile beyond;
    beyond.offBits = 100000;
    EXPECT_EQ(kBitmapNotBitmap, LoadStatus(beyond));
    BitmapFile farBeyond;
    farBeyond.offBits = 0xFFFFFFF0;
    EXPECT_EQ(kBitmapNotBitmap, LoadStatus(farBeyond));
    // The colour table needs room before the pixels, too.
    BitmapFile tableCut;
    tableCut.bits = 8;
    tableCut.colours = GrayColours(256);
    tableCut.offBits = 14 + 40 + 255 * 4;
    EXPECT_EQ(kBitmapNotBitmap, LoadStatus(tableCut));
    BitmapFile coreCut;
    coreCut.headerSize = 12;
    coreCut.bits = 4;
    coreCut.colours = GrayColours(16);
    coreCut.offBits = 14 + 12 + 15 * 3;
    EXPECT_EQ(kBitmapNotBitmap, LoadStatus(coreCut));
}

TEST_F(BitmapFileImageTest, NotBitmap_MoreColoursThanTheBitsAllowOrTheFileHolds) {
    BitmapFile file;
    file.bits = 8;
    file.colours = GrayColours(256);
    file.colourCount = 100000;
    EXPECT_EQ(kBitmapNotBitmap, LoadStatus(file));
    file.colourCount = 257;
    EXPECT_EQ(kBitmapNotBitmap, LoadStatus(file));
    BitmapFile fourBit;
    fourBit.bits = 4;
    fourBit.colours = GrayColours(16);
    fourBit.colourCount = 17;
    EXPECT_EQ(kBitmapNotBitmap, LoadStatus(fourBit));
    BitmapFile trueColour;
    trueColour.colourCount = 100000;
    EXPECT_EQ(kBitmapNotBitmap, LoadStatus(trueColour));
}

}  // namespace
