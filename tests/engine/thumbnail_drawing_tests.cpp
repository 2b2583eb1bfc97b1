#include "engine/thumbnail.h"

#include "engine/pixel_rows.h"
#include "engine/scan_settings.h"
#include "framework/gdi_object.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A memory DC drawing into a 32-bit top-down DIB whose pixels the test reads.
class Canvas {
public:
    Canvas(int width, int height, COLORREF background) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<uint8_t*>(bits);
        dc_ = CreateCompatibleDC(nullptr);
        if (dc_ && bitmap_) old_ = SelectObject(dc_, bitmap_.Get());
        GdiObject<HBRUSH> brush(CreateSolidBrush(background));
        const RECT all{0, 0, width, height};
        if (dc_) FillRect(dc_, &all, brush.Get());
        GdiFlush();
    }
    ~Canvas() {
        if (dc_) {
            if (old_) SelectObject(dc_, old_);
            DeleteDC(dc_);
        }
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool Ready() const { return dc_ && bits_; }
    HDC Dc() const { return dc_; }
    COLORREF Pixel(int x, int y) const {
        GdiFlush();
        const uint8_t* p = bits_ + (static_cast<size_t>(y) * width_ + x) * 4;
        return RGB(p[2], p[1], p[0]);
    }
    void SaveBmp(const std::string& path) const {
        GdiFlush();
        const uint32_t pixelBytes = static_cast<uint32_t>(width_) * height_ * 4;
        std::string file(54, '\0');
        auto put16 = [&](size_t at, uint16_t v) { file[at] = char(v & 0xFF); file[at + 1] = char(v >> 8); };
        auto put32 = [&](size_t at, uint32_t v) {
            for (int i = 0; i < 4; ++i) file[at + i] = char((v >> (8 * i)) & 0xFF);
        };
        file[0] = 'B';
        file[1] = 'M';
        put32(2, 54 + pixelBytes);
        put32(10, 54);
        put32(14, 40);
        put32(18, static_cast<uint32_t>(width_));
        put32(22, static_cast<uint32_t>(-height_));
        put16(26, 1);
        put16(28, 32);
        put32(34, pixelBytes);
        file.append(reinterpret_cast<const char*>(bits_), pixelBytes);
        std::ofstream(path, std::ios::binary).write(file.data(), static_cast<std::streamsize>(file.size()));
    }

private:
    int width_, height_;
    GdiObject<HBITMAP> bitmap_;
    uint8_t* bits_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

constexpr COLORREF kBackground = RGB(10, 20, 30);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kShadow = RGB(128, 128, 128);

// Colour rows of `width` pixels: red on the left half, blue on the right.
std::vector<uint8_t> RedBlueRows(int width, int rows) {
    const int stride = BytesPerLine(24, width);
    std::vector<uint8_t> bytes(static_cast<size_t>(stride) * rows, 0);
    for (int r = 0; r < rows; ++r)
        for (int x = 0; x < width; ++x) bytes[r * stride + 3 * x + (x < width / 2 ? 0 : 2)] = 255;
    return bytes;
}

class ThumbnailDrawing : public testing::Test {
protected:
    // The frame's client area inside the canvas: 100 x 150 at (20, 30).
    const RECT frame_{20, 30, 120, 180};
    Canvas canvas_{160, 200, kBackground};
};

TEST_F(ThumbnailDrawing, BorderIsWhiteTopLeftAndGrayBottomRightOnePixelInside) {
    ASSERT_TRUE(canvas_.Ready());
    Thumbnail thumbnail;
    ASSERT_TRUE(thumbnail.InitThumbnail(100, 150, 40, 60, kScanModeColor));
    thumbnail.DrawThumbnail(canvas_.Dc(), frame_);

    // The border runs on x 21..118 and y 31..178.
    EXPECT_EQ(canvas_.Pixel(21, 31), kWhite);
    EXPECT_EQ(canvas_.Pixel(117, 31), kWhite);   // top edge ends before the right one
    EXPECT_EQ(canvas_.Pixel(21, 177), kWhite);   // left edge ends above the bottom one
    EXPECT_EQ(canvas_.Pixel(118, 31), kShadow);  // right edge takes the corner
    EXPECT_EQ(canvas_.Pixel(118, 178), kShadow);
    EXPECT_EQ(canvas_.Pixel(21, 178), kShadow);  // bottom edge takes its corner
    EXPECT_EQ(canvas_.Pixel(70, 178), kShadow);
    EXPECT_EQ(canvas_.Pixel(70, 31), kWhite);
    EXPECT_EQ(canvas_.Pixel(21, 100), kWhite);
    EXPECT_EQ(canvas_.Pixel(118, 100), kShadow);
    // The frame line itself and everything inside are left alone.
    EXPECT_EQ(canvas_.Pixel(20, 30), kBackground);
    EXPECT_EQ(canvas_.Pixel(119, 179), kBackground);
    EXPECT_EQ(canvas_.Pixel(22, 32), kBackground);
    EXPECT_EQ(canvas_.Pixel(70, 170), kBackground);  // no rows yet: no picture
}

TEST_F(ThumbnailDrawing, FilledRowsAreCenteredAndEndFourPixelsAboveTheBottom) {
    ASSERT_TRUE(canvas_.Ready());
    Thumbnail thumbnail;
    ASSERT_TRUE(thumbnail.InitThumbnail(100, 150, 40, 60, kScanModeColor));
    ASSERT_EQ(thumbnail.Width(), 40);
    ASSERT_EQ(thumbnail.Height(), 60);
    const std::vector<uint8_t> rows = RedBlueRows(40, 30);
    ASSERT_EQ(thumbnail.AddBlock(rows.data(), 30), 30);
    thumbnail.DrawThumbnail(canvas_.Dc(), frame_);

    // x from 20 + (100 - 40) / 2 = 50 to 89; y from 180 - 4 - 30 = 146 to 175.
    EXPECT_EQ(canvas_.Pixel(50, 146), RGB(255, 0, 0));
    EXPECT_EQ(canvas_.Pixel(69, 175), RGB(255, 0, 0));
    EXPECT_EQ(canvas_.Pixel(70, 146), RGB(0, 0, 255));
    EXPECT_EQ(canvas_.Pixel(89, 175), RGB(0, 0, 255));
    EXPECT_EQ(canvas_.Pixel(49, 160), kBackground);
    EXPECT_EQ(canvas_.Pixel(90, 160), kBackground);
    EXPECT_EQ(canvas_.Pixel(60, 145), kBackground);
    EXPECT_EQ(canvas_.Pixel(60, 176), kBackground);
}

TEST_F(ThumbnailDrawing, GrayRowsShowTheirLevels) {
    ASSERT_TRUE(canvas_.Ready());
    Thumbnail thumbnail;
    ASSERT_TRUE(thumbnail.InitThumbnail(100, 150, 8, 4, kScanModeGray));
    std::vector<uint8_t> rows(8 * 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) rows[y * 8 + x] = static_cast<uint8_t>(30 * y + 10 * x);
    ASSERT_EQ(thumbnail.AddBlock(rows.data(), 4), 4);
    thumbnail.DrawThumbnail(canvas_.Dc(), frame_);
    // x from 20 + 46 = 66; y from 180 - 4 - 4 = 172.
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            const int level = 30 * y + 10 * x;
            EXPECT_EQ(canvas_.Pixel(66 + x, 172 + y), RGB(level, level, level)) << x << "," << y;
        }
}

TEST_F(ThumbnailDrawing, EmptyThumbnailDrawsOnlyTheBorderAndNullDcIsIgnored) {
    ASSERT_TRUE(canvas_.Ready());
    Thumbnail thumbnail;
    EXPECT_FALSE(thumbnail.InitThumbnail(100, 150, 0, 0, kScanModeGray));
    thumbnail.DrawThumbnail(nullptr, frame_);
    EXPECT_EQ(canvas_.Pixel(21, 31), kBackground);
    thumbnail.DrawThumbnail(canvas_.Dc(), frame_);
    EXPECT_EQ(canvas_.Pixel(21, 31), kWhite);
    EXPECT_EQ(canvas_.Pixel(70, 170), kBackground);
}

// Whether two canvases of the same size show the same pixels; the first
// difference goes into `where`.
bool SamePixels(const Canvas& a, const Canvas& b, int width, int height, std::string& where) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) {
                where = std::to_string(x) + "," + std::to_string(y);
                return false;
            }
    return true;
}

TEST_F(ThumbnailDrawing, FilledRowsAloneLeaveTheBorderAndTheRestAlone) {
    ASSERT_TRUE(canvas_.Ready());
    Thumbnail thumbnail;
    ASSERT_TRUE(thumbnail.InitThumbnail(100, 150, 40, 60, kScanModeColor));
    thumbnail.DrawFilledRows(canvas_.Dc(), frame_);
    EXPECT_EQ(canvas_.Pixel(60, 170), kBackground);  // no rows yet: nothing at all
    const std::vector<uint8_t> rows = RedBlueRows(40, 30);
    ASSERT_EQ(thumbnail.AddBlock(rows.data(), 30), 30);
    thumbnail.DrawFilledRows(canvas_.Dc(), frame_);
    EXPECT_EQ(canvas_.Pixel(50, 146), RGB(255, 0, 0));
    EXPECT_EQ(canvas_.Pixel(89, 175), RGB(0, 0, 255));
    EXPECT_EQ(canvas_.Pixel(21, 31), kBackground);
    EXPECT_EQ(canvas_.Pixel(118, 178), kBackground);
    EXPECT_EQ(canvas_.Pixel(60, 145), kBackground);
    EXPECT_EQ(canvas_.Pixel(60, 176), kBackground);
}

// The progress window paints the whole thumbnail once as it opens and then
// only the filled rows after each block: once the page is in, that must look
// exactly like one whole drawing of the finished thumbnail.
TEST_F(ThumbnailDrawing, RowsDrawnBlockByBlockEndAsOneWholeDrawing) {
    const int width = 850, height = 1100, frameWidth = 207, frameHeight = 263;
    const RECT frame{10, 10, 10 + frameWidth, 10 + frameHeight};
    for (const int16_t mode : {kScanModeColor, kScanModeGray, kScanModeBlackWhite}) {
        SCOPED_TRACE(mode);
        Canvas growing(frameWidth + 20, frameHeight + 20, kBackground);
        Canvas whole(frameWidth + 20, frameHeight + 20, kBackground);
        ASSERT_TRUE(growing.Ready() && whole.Ready());
        Thumbnail thumbnail;
        ASSERT_TRUE(thumbnail.InitThumbnail(frameWidth, frameHeight, width, height, mode));
        thumbnail.DrawThumbnail(growing.Dc(), frame);
        const int bits = ScanModeBits(mode);
        const int stride = BytesPerLine(bits, width);
        int done = 0;
        for (int count = 7; done < height; count = count == 7 ? 37 : 7) {
            count = std::min(count, height - done);
            std::vector<uint8_t> block(static_cast<size_t>(stride) * count);
            for (int r = 0; r < count; ++r)
                for (int i = 0; i < stride; ++i)
                    block[r * stride + i] = static_cast<uint8_t>((done + r) * 7 + i * 13 + (i * i) % 31);
            if (thumbnail.AddBlock(block.data(), count) > 0) thumbnail.DrawFilledRows(growing.Dc(), frame);
            done += count;
        }
        ASSERT_EQ(thumbnail.Height(), thumbnail.RowsFilled());
        thumbnail.DrawThumbnail(whole.Dc(), frame);
        std::string where;
        EXPECT_TRUE(SamePixels(growing, whole, frameWidth + 20, frameHeight + 20, where))
            << "first at " << where;
        // Not a picture of nothing: the page shows more than one level.
        const int left = 10 + (frameWidth - thumbnail.Width()) / 2;
        const int top = 10 + frameHeight - 4 - thumbnail.Height();
        EXPECT_NE(whole.Pixel(left, top), kBackground);
        EXPECT_NE(whole.Pixel(left, top), whole.Pixel(left + 50, top + 100));
    }
}

TEST(ThumbnailPicture, LetterPageTwoThirdsScanned) {
    // A Letter page at 100 dpi in the progress window's frame (about 207 x
    // 263 pixels): a colour ramp with a dark band, written out to look at.
    const int width = 850, height = 1100, frameWidth = 207, frameHeight = 263;
    Canvas canvas(frameWidth + 20, frameHeight + 20, GetSysColor(COLOR_BTNFACE));
    ASSERT_TRUE(canvas.Ready());
    const RECT frame{10, 10, 10 + frameWidth, 10 + frameHeight};
    Thumbnail thumbnail;
    ASSERT_TRUE(thumbnail.InitThumbnail(frameWidth, frameHeight, width, height, kScanModeColor));
    const int stride = BytesPerLine(24, width);
    std::vector<uint8_t> block(static_cast<size_t>(stride) * 50);
    int done = 0;
    while (done < height * 2 / 3) {
        const int count = 50;
        for (int r = 0; r < count; ++r)
            for (int x = 0; x < width; ++x) {
                uint8_t* p = &block[r * stride + 3 * x];
                const int y = done + r;
                const bool band = y >= 300 && y < 360;
                p[0] = static_cast<uint8_t>(band ? 20 : x * 255 / width);
                p[1] = static_cast<uint8_t>(band ? 20 : y * 255 / height);
                p[2] = static_cast<uint8_t>(band ? 20 : 160);
            }
        thumbnail.AddBlock(block.data(), count);
        done += count;
    }
    thumbnail.DrawThumbnail(canvas.Dc(), frame);
    canvas.SaveBmp(std::string(TAVIX_BINARY_DIR) + "/thumbnail_picture.bmp");

    ASSERT_EQ(thumbnail.Width(), 196);
    ASSERT_EQ(thumbnail.Height(), 255);  // the height fills the area; 197 across, cut to 196
    const int filled = thumbnail.RowsFilled();
    EXPECT_EQ(filled, 255 * 750 / 1100);
    const int left = 10 + (frameWidth - 196) / 2, top = 10 + frameHeight - 4 - filled;
    // Top-left of the page: red 0, green 0, blue 160.
    EXPECT_EQ(canvas.Pixel(left, top), RGB(0, 0, 160));
    // The dark band, about 300 / 1100 of the page down.
    EXPECT_EQ(canvas.Pixel(left + 100, top + 330 * 255 / 1100), RGB(20, 20, 20));
}

}  // namespace
