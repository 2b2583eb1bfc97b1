// Sheets fed from a folder of bitmap files: order, formats, size from the
// file's resolution, resampling, and files that cannot be used.
#include <gtest/gtest.h>

#include "support/bmp_writer.h"
#include "brsvio_library.h"
#include "scan_helpers.h"
#include "support/temp_folder.h"

namespace {

constexpr int32_t k100Dpi = 3937;  // pixels per metre
constexpr int32_t k50Dpi = 1969;

Rgb Pattern(int x, int y) {
    return Rgb{static_cast<uint8_t>(x * 7 + 3), static_cast<uint8_t>(y * 5 + 1),
               static_cast<uint8_t>((x + y) * 3)};
}

BmpPicture Solid(Rgb color, int width, int height, int32_t ppm = k100Dpi) {
    BmpPicture picture;
    picture.width = width;
    picture.height = height;
    picture.pelsPerMeter = ppm;
    picture.color = [color](int, int) { return color; };
    return picture;
}

class BitmapFeed : public ScannerTest {
protected:
    void Write(const std::string& name, const BmpPicture& picture) {
        WriteWholeFile(folder_.File(name), BmpBytes(picture));
    }
    void WriteRaw(const std::string& name, const std::string& bytes) {
        WriteWholeFile(folder_.File(name), bytes);
    }
    void UseFolder() {
        Configure("source", "folder");
        Configure("folder", folder_.Path().c_str());
    }
    // Scans the sheet at the sensor in colour, linear tone.
    std::vector<uint8_t> Scan(const ScanRecordBytes& r, int* rowsOnSheet = nullptr) {
        const PageShape shape = ShapeOf(r);
        EXPECT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
        std::vector<uint8_t> page(static_cast<size_t>(shape.stride) * shape.lines, 0xAA);
        int done = 0;
        bool edgeSeen = false;
        while (done < shape.lines) {
            int32_t eop = 0;
            const int got =
                io().GetImageBlock(page.data() + static_cast<size_t>(done) * shape.stride,
                                   shape.lines - done, &eop, shape.width, 0);
            if (got < 0) break;
            if (eop && !edgeSeen && rowsOnSheet) *rowsOnSheet = done + got;
            edgeSeen = edgeSeen || eop;
            done += got;
            if (got == 0 && done >= shape.lines) break;
        }
        io().EndScanPage();
        return page;
    }
    static Rgb At(const std::vector<uint8_t>& page, const PageShape& shape, int x, int y) {
        const uint8_t* p = page.data() + static_cast<size_t>(y) * shape.stride + 3 * x;
        return Rgb{p[0], p[1], p[2]};
    }

    TempFolder folder_{"brsvio"};
};

TEST_F(BitmapFeed, OneSheetPerFileInFileNameOrder) {
    Write("b_second.bmp", Solid({0, 200, 0}, 50, 50));
    Write("A_first.bmp", Solid({200, 0, 0}, 50, 50));
    Write("c_third.BMP", Solid({0, 0, 200}, 50, 50));
    WriteRaw("readme.txt", "not a sheet");
    UseFolder();
    const ScanRecordBytes r = LinearRecord(4, 100, 0, 0, 100, 100);
    const PageShape shape = ShapeOf(r);
    for (Rgb expected : {Rgb{200, 0, 0}, Rgb{0, 200, 0}, Rgb{0, 0, 200}}) {
        ASSERT_EQ(1, io().IsPaperOn());
        const std::vector<uint8_t> page = Scan(r);
        EXPECT_EQ(expected, At(page, shape, 25, 25));
        EXPECT_EQ(kWhite, At(page, shape, 75, 25)) << "right of the half-inch sheet";
        EXPECT_EQ(1, io().FeedPage());
    }
    EXPECT_EQ(0, io().IsPaperOn());
    EXPECT_EQ(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    EXPECT_EQ(0, io().FeedPage());
}

TEST_F(BitmapFeed, ColorFilesBottomUpAndTopDownReadIdentically) {
    for (bool topDown : {false, true}) {
        BmpPicture picture;
        picture.width = 100;
        picture.height = 150;
        picture.topDown = topDown;
        picture.pelsPerMeter = k100Dpi;
        picture.color = Pattern;
        Write(topDown ? "2.bmp" : "1.bmp", picture);
    }
    UseFolder();
    // At the file's own 100 dpi every pixel comes through unchanged; the
    // sheet is 1 x 1.5 inches inside a 2 x 3 inch frame.
    const ScanRecordBytes r = LinearRecord(4, 100, 0, 0, 300, 200);
    const PageShape shape = ShapeOf(r);
    for (int sheet = 0; sheet < 2; ++sheet) {
        int rowsOnSheet = -1;
        const std::vector<uint8_t> page = Scan(r, &rowsOnSheet);
        EXPECT_EQ(150, rowsOnSheet);
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 200; ++x) {
                const Rgb want = x < 100 && y < 150 ? Pattern(x, y) : kWhite;
                ASSERT_EQ(want, At(page, shape, x, y))
                    << "sheet " << sheet << " x " << x << " y " << y;
            }
        io().FeedPage();
    }
}

TEST_F(BitmapFeed, SheetIsResampledToTheRequestedResolutionAndFrame) {
    BmpPicture picture;
    picture.width = 100;
    picture.height = 150;
    picture.pelsPerMeter = k100Dpi;
    picture.color = Pattern;
    Write("page.bmp", picture);
    UseFolder();
    // 200 dpi: every source pixel becomes 2 x 2.
    ScanRecordBytes r = LinearRecord(4, 200, 0, 0, 150, 100);
    PageShape shape = ShapeOf(r);
    int rowsOnSheet = -1;
    std::vector<uint8_t> page = Scan(r, &rowsOnSheet);
    EXPECT_EQ(300, rowsOnSheet);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 200; ++x)
            ASSERT_EQ(Pattern(x / 2, y / 2), At(page, shape, x, y)) << x << "," << y;
    // 50 dpi through a frame starting 0.2" in and down: every other pixel from (20, 20).
    r = LinearRecord(4, 50, 20, 20, 150, 100);
    shape = ShapeOf(r);
    page = Scan(r);
    for (int y = 0; y < shape.lines; ++y)
        for (int x = 0; x < shape.width; ++x)
            ASSERT_EQ(Pattern(20 + 2 * x, 20 + 2 * y), At(page, shape, x, y)) << x << "," << y;
}

TEST_F(BitmapFeed, PalettedFilesAndMissingResolution) {
    // 8 bits, gray palette, no resolution (taken as 200 dpi): 200 x 100
    // pixels make a 1 x 0.5 inch sheet.
    BmpPicture gray;
    gray.width = 200;
    gray.height = 100;
    gray.bits = 8;
    for (int i = 0; i < 256; ++i)
        gray.palette.push_back(
            Rgb{static_cast<uint8_t>(i), static_cast<uint8_t>(i), static_cast<uint8_t>(i)});
    gray.index = [](int x, int y) { return (x + 2 * y) % 256; };
    Write("1_gray.bmp", gray);
    // 1 bit, top-down, checkerboard of 4-pixel squares, black first.
    BmpPicture bits;
    bits.width = 37;
    bits.height = 21;
    bits.bits = 1;
    bits.topDown = true;
    bits.pelsPerMeter = k50Dpi;
    bits.palette = {kBlack, kWhite};
    bits.index = [](int x, int y) { return ((x / 4) + (y / 4)) % 2; };
    Write("2_bits.bmp", bits);
    UseFolder();

    ScanRecordBytes r = LinearRecord(1, 200, 0, 0, 100, 150);
    PageShape shape = ShapeOf(r);
    int rowsOnSheet = -1;
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    std::vector<uint8_t> page(static_cast<size_t>(shape.stride) * shape.lines);
    int32_t eop = 0;
    rowsOnSheet = io().GetImageBlock(page.data(), shape.lines, &eop, shape.width, 0);
    EXPECT_EQ(100, rowsOnSheet);
    EXPECT_EQ(1, eop);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < shape.width; ++x)
            ASSERT_EQ(x < 200 ? (x + 2 * y) % 256 : 255, page[y * shape.stride + x])
                << x << "," << y;
    io().EndScanPage();
    io().FeedPage();

    // Black and white at the file's 50 dpi: bits straight through, white beyond.
    r = LinearRecord(2, 50, 0, 0, 100, 100);
    shape = ShapeOf(r);
    page.assign(static_cast<size_t>(shape.stride) * shape.lines, 0);
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    EXPECT_EQ(21, io().GetImageBlock(page.data(), shape.lines, &eop, shape.width, 0));
    EXPECT_EQ(1, eop);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < shape.width; ++x) {
            const int bit = (page[y * shape.stride + x / 8] >> (7 - x % 8)) & 1;
            ASSERT_EQ(x < 37 ? ((x / 4) + (y / 4)) % 2 : 1, bit) << x << "," << y;
        }
}

TEST_F(BitmapFeed, BackOfABitmapSheetIsBlankPaper) {
    Write("page.bmp", Solid({10, 20, 30}, 100, 100));
    UseFolder();
    ScanRecordBytes r = LinearRecord(4, 100, 0, 0, 100, 100);
    r.Set(BRSVIO_OFFSET_DOUBLESIDED, 1);
    const PageShape shape = ShapeOf(r);
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    const std::vector<uint8_t> back = ReadRows(io(), shape, shape.lines, 1, 100);
    ASSERT_EQ(static_cast<size_t>(shape.stride) * 100, back.size());
    for (int y = 0; y < 100; ++y)
        for (int i = 0; i < 300; ++i) ASSERT_EQ(255, back[y * shape.stride + i]);
    const std::vector<uint8_t> front = ReadRows(io(), shape, shape.lines, 0, 100);
    EXPECT_EQ(10, front[0]);
}

TEST_F(BitmapFeed, UnusableFilesFailTheirPageAndLeaveTheFeederWorking) {
    const std::string good = BmpBytes(Solid({1, 2, 3}, 40, 40));
    std::string truncated = BmpBytes(Solid({1, 2, 3}, 400, 400));
    truncated.resize(truncated.size() / 2);
    std::string compressed = good;
    compressed[30] = 1;  // BI_RLE8
    std::string huge = good;
    huge[18] = huge[19] = huge[20] = 0;
    huge[21] = 0x40;  // width 2^30
    std::string badPalette = good;
    badPalette[28] = 8;  // claims 8 bits with a palette of 2^8 entries it does not have...
    badPalette[46] = static_cast<char>(0xFF);
    badPalette[47] = static_cast<char>(0xFF);  // ...and 65535 colours used

    WriteRaw("1_garbage.bmp", "this is not a bitmap at all, just text in a .bmp file");
    WriteRaw("2_truncated.bmp", truncated);
    WriteRaw("3_compressed.bmp", compressed);
    WriteRaw("4_huge.bmp", huge);
    WriteRaw("5_palette.bmp", badPalette);
    WriteRaw("6_empty.bmp", "");
    WriteRaw("7_headers_only.bmp", good.substr(0, 54));
    WriteRaw("8_good.bmp", good);
    UseFolder();

    const ScanRecordBytes r = LinearRecord(4, 100, 0, 0, 100, 100);
    for (int i = 0; i < 7; ++i) {
        ASSERT_EQ(1, io().IsPaperOn());
        EXPECT_EQ(0, io().StartScanPage(r.Data(), nullptr, nullptr)) << "sheet " << i + 1;
        std::vector<uint8_t> buffer(ShapeOf(r).stride * 10);
        EXPECT_EQ(-1, io().GetImageBlock(buffer.data(), 10, nullptr, ShapeOf(r).width, 0));
        // The sheet stays at the sensor until it is fed out.
        EXPECT_EQ(0, io().StartScanPage(r.Data(), nullptr, nullptr));
        EXPECT_EQ(1, io().FeedPage());
    }
    const std::vector<uint8_t> page = Scan(r);
    EXPECT_EQ((Rgb{1, 2, 3}), At(page, ShapeOf(r), 5, 5));

    const std::string log = io().CallLog();
    for (const char* name : {"1_garbage", "2_truncated", "3_compressed", "4_huge", "5_palette",
                             "6_empty", "7_headers_only"})
        EXPECT_NE(std::string::npos,
                  log.find(std::string("unreadable sheet ") + folder_.Path() + name))
            << name;
}

TEST_F(BitmapFeed, MissingOrEmptyFolderMeansNoPaper) {
    Configure("source", "folder");
    Configure("folder", (folder_.Path() + "nowhere").c_str());
    EXPECT_EQ(0, io().IsPaperOn());
    Configure("folder", folder_.Path().c_str());
    EXPECT_EQ(0, io().IsPaperOn());
    Write("x.bmp", Solid({0, 0, 0}, 10, 10));
    Configure("folder", folder_.Path().c_str());  // laying the folder in again
    EXPECT_EQ(1, io().IsPaperOn());
}

}  // namespace
