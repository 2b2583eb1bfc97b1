// The pictures the built TAVIXSRC.ds carries: the round buttons' RAW strips,
// the bitmaps, the prompt icon and the zoom cursor, read from the module as
// a data file. Every picture is also written as a PNG preview into the build
// tree's screenshots folder (artwork-*.png), blended the way the dialogs
// show it.
#include "data_source_file.h"
#include "support/png_file.h"

#include "framework/handles.h"
#include "resources/artwork_ids.h"
#include "ui/raw_image.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The dialog pages' face colour the previews are blended onto.
constexpr uint8_t kFace[3] = {240, 240, 240};

struct RawCase {
    int id;
    int width, height, frames;
    const char* name;
};

const RawCase kRawCases[] = {
    {IDR_PRESET_REPEAT, 252, 82, 3, "preset-0-repeat"}, {IDR_PRESET_FAX, 270, 94, 3, "preset-1-fax"},
    {IDR_PRESET_MAIL, 288, 98, 3, "preset-2-mail"},     {IDR_PRESET_OCR, 246, 92, 3, "preset-3-ocr"},
    {IDR_PRESET_CUSTOM, 258, 86, 3, "preset-4-custom"}, {IDR_LANGUAGE_LAMP, 140, 36, 4, "language-lamp"},
};

// A bitmap resource: its header, colour table and rows.
struct Dib {
    BITMAPINFOHEADER header = {};
    std::vector<RGBQUAD> palette;
    std::string bits;

    // Red, green, blue of pixel (x, y) counted from the top.
    std::vector<uint8_t> Pixel(int x, int y) const {
        const int row = header.biHeight - 1 - y;
        const size_t stride = ((static_cast<size_t>(header.biWidth) * header.biBitCount + 31) / 32) * 4;
        const auto* p = reinterpret_cast<const uint8_t*>(bits.data()) + row * stride;
        if (header.biBitCount == 8) {
            const RGBQUAD& q = palette.at(p[x]);
            return {q.rgbRed, q.rgbGreen, q.rgbBlue};
        }
        return {p[x * 3 + 2], p[x * 3 + 1], p[x * 3]};
    }
    bool IsMagenta(int x, int y) const { return Pixel(x, y) == std::vector<uint8_t>{255, 0, 255}; }
};

bool ReadDib(HMODULE module, int id, Dib* dib) {
    const std::string bytes = ResourceBytes(module, MAKEINTRESOURCEA(2), id);  // RT_BITMAP
    if (bytes.size() < sizeof(BITMAPINFOHEADER)) return false;
    std::memcpy(&dib->header, bytes.data(), sizeof dib->header);
    const BITMAPINFOHEADER& h = dib->header;
    if (h.biSize != sizeof(BITMAPINFOHEADER) || h.biCompression != BI_RGB || h.biHeight <= 0) return false;
    size_t colours = h.biClrUsed ? h.biClrUsed : (h.biBitCount <= 8 ? size_t{1} << h.biBitCount : 0);
    const size_t tableEnd = sizeof(BITMAPINFOHEADER) + colours * sizeof(RGBQUAD);
    const size_t stride = ((static_cast<size_t>(h.biWidth) * h.biBitCount + 31) / 32) * 4;
    if (bytes.size() < tableEnd + stride * h.biHeight) return false;
    dib->palette.resize(colours);
    std::memcpy(dib->palette.data(), bytes.data() + sizeof(BITMAPINFOHEADER), colours * sizeof(RGBQUAD));
    dib->bits = bytes.substr(tableEnd, stride * h.biHeight);
    return true;
}

int Luminance(const uint8_t* rgb) { return (rgb[0] * 30 + rgb[1] * 59 + rgb[2] * 11) / 100; }

class ArtworkResources : public testing::Test {
protected:
    void SetUp() override {
        module_ = ModuleHandle(LoadLibraryExA(DataSourcePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        ASSERT_TRUE(module_) << DataSourcePath();
    }

    // The strip of `c` as the button holds it before blending.
    bool LoadStrip(const RawCase& c, float scale, RawStrip* strip) {
        bytes_ = ResourceBytes(module_.Get(), "RAW", c.id);
        RawImageInfo info;
        return ParseRawImage(bytes_.data(), bytes_.size(), &info) && ScaleRawImage(info, scale, strip);
    }

    ModuleHandle module_;
    std::string bytes_;
};

TEST_F(ArtworkResources, RawStripsHaveTheirSizesAndFrameCounts) {
    for (const RawCase& c : kRawCases) {
        const std::string bytes = ResourceBytes(module_.Get(), "RAW", c.id);
        ASSERT_EQ(static_cast<size_t>(c.width) * c.height * 4 + 20, bytes.size()) << c.id;
        char expected[20] = {};
        std::snprintf(expected, sizeof expected, "w=%d,h=%d,n=%d", c.width, c.height, c.frames);
        EXPECT_EQ(0, std::memcmp(expected, bytes.data(), 20)) << c.id;
        RawImageInfo info;
        ASSERT_TRUE(ParseRawImage(bytes.data(), bytes.size(), &info)) << c.id;
        EXPECT_EQ(c.width, info.Width) << c.id;
        EXPECT_EQ(c.height, info.Height) << c.id;
        EXPECT_EQ(c.frames, info.Frames) << c.id;
    }
}

TEST_F(ArtworkResources, ButtonPicturesAreRoundOnATransparentGround) {
    for (const RawCase& c : kRawCases) {
        RawStrip strip;
        ASSERT_TRUE(LoadStrip(c, 1.0f, &strip)) << c.id;
        const auto* pixels = reinterpret_cast<const RawPixel*>(strip.Pixels.get());
        const int fw = strip.FrameWidth, h = strip.Height;
        for (int frame = 0; frame < strip.Frames; ++frame) {
            auto at = [&](int x, int y) { return pixels[y * strip.TotalWidth + frame * fw + x]; };
            EXPECT_EQ(255, at(fw / 2, h / 2).Alpha) << c.id << " frame " << frame;
            for (int x : {0, fw - 1})
                for (int y : {0, h - 1}) EXPECT_EQ(0, at(x, y).Alpha) << c.id << " frame " << frame;
            // The button's window is the ellipse inscribed in the frame: what
            // lies outside it is cut off, so nothing visible may be there.
            int outside = 0;
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < fw; ++x) {
                    const double ex = (x + 0.5 - fw / 2.0) / (fw / 2.0), ey = (y + 0.5 - h / 2.0) / (h / 2.0);
                    if (ex * ex + ey * ey > 1.0 && at(x, y).Alpha > 16) ++outside;
                }
            }
            EXPECT_EQ(0, outside) << c.id << " frame " << frame;
        }
    }
}

// Mean luminance of the opaque pixels of `frame`, and how many pixels show
// clearly.
void FrameLook(const RawStrip& strip, int frame, int* luminance, int* shown) {
    const auto* pixels = reinterpret_cast<const RawPixel*>(strip.Pixels.get());
    long sum = 0, opaque = 0;
    *shown = 0;
    for (int y = 0; y < strip.Height; ++y) {
        for (int x = 0; x < strip.FrameWidth; ++x) {
            const RawPixel& p = pixels[y * strip.TotalWidth + frame * strip.FrameWidth + x];
            if (p.Alpha >= 64) ++*shown;  // clearly visible: the soft shadow does not count
            if (p.Alpha == 255) {
                const uint8_t rgb[3] = {p.Red, p.Green, p.Blue};
                sum += Luminance(rgb);
                ++opaque;
            }
        }
    }
    *luminance = opaque ? static_cast<int>(sum / opaque) : 0;
}

TEST_F(ArtworkResources, PresetFramesArePressedDarkerAndHoverWithAGlow) {
    for (const RawCase& c : kRawCases) {
        if (c.frames != 3) continue;
        RawStrip strip;
        ASSERT_TRUE(LoadStrip(c, 1.0f, &strip)) << c.id;
        int normal, pressed, hover, normalShown, pressedShown, hoverShown;
        FrameLook(strip, 0, &normal, &normalShown);
        FrameLook(strip, 1, &pressed, &pressedShown);
        FrameLook(strip, 2, &hover, &hoverShown);
        EXPECT_LT(pressed + 15, normal) << c.id;
        EXPECT_GT(hoverShown, normalShown + normalShown / 10) << c.id;  // the glow around the badge
        EXPECT_GE(hover, normal) << c.id;
    }
}

TEST_F(ArtworkResources, LanguageLampIsPurpleGreenGlowingGreenAndGray) {
    RawStrip strip;
    ASSERT_TRUE(LoadStrip(kRawCases[5], 1.0f, &strip));
    const auto* pixels = reinterpret_cast<const RawPixel*>(strip.Pixels.get());
    // Below the highlight, where the lamp shows its own colour.
    auto colour = [&](int frame) { return pixels[(strip.Height / 2 + 5) * strip.TotalWidth + frame * strip.FrameWidth + strip.FrameWidth / 2]; };
    const RawPixel purple = colour(0), green = colour(1), glowing = colour(2), gray = colour(3);
    EXPECT_GT(purple.Red, purple.Green + 40);
    EXPECT_GT(purple.Blue, purple.Green + 40);
    EXPECT_GT(green.Green, green.Red + 40);
    EXPECT_GT(green.Green, green.Blue + 40);
    EXPECT_GT(glowing.Green, glowing.Red + 40);
    EXPECT_GT(glowing.Green, green.Green + 20);
    EXPECT_LT(std::abs(gray.Red - gray.Green), 10);
    EXPECT_LT(std::abs(gray.Green - gray.Blue), 10);
    int lum, normalShown, hoverShown;
    FrameLook(strip, 0, &lum, &normalShown);
    FrameLook(strip, 2, &lum, &hoverShown);
    EXPECT_GT(hoverShown, normalShown);
}

TEST_F(ArtworkResources, HalfSizePresetIconsAreThreeFramesOfHalfTheSize) {
    RawStrip strip;
    ASSERT_TRUE(LoadStrip(kRawCases[0], 0.5f, &strip));
    EXPECT_EQ(42, strip.FrameWidth);
    EXPECT_EQ(41, strip.Height);
    EXPECT_EQ(3, strip.Frames);
}

TEST_F(ArtworkResources, LogoIsAn8BitBitmapWithMagentaGround) {
    Dib logo;
    ASSERT_TRUE(ReadDib(module_.Get(), IDB_LOGO, &logo));
    EXPECT_EQ(196, logo.header.biWidth);
    EXPECT_EQ(37, logo.header.biHeight);
    EXPECT_EQ(8, logo.header.biBitCount);
    EXPECT_LE(logo.palette.size(), 256u);
    for (int x : {0, 195})
        for (int y : {0, 36}) EXPECT_TRUE(logo.IsMagenta(x, y)) << x << "," << y;
    int magenta = 0, dark = 0;
    for (int y = 0; y < 37; ++y) {
        for (int x = 0; x < 196; ++x) {
            if (logo.IsMagenta(x, y)) ++magenta;
            else if (Luminance(logo.Pixel(x, y).data()) < 90) ++dark;
        }
    }
    EXPECT_GT(magenta, 196 * 37 / 2);  // mostly ground
    EXPECT_GT(dark, 400);              // and a dark wordmark
}

TEST_F(ArtworkResources, LanguagePictureIs24BitsAndPlainWhereTheButtonsLie) {
    Dib picture;
    ASSERT_TRUE(ReadDib(module_.Get(), IDB_LANGUAGE_PAGE, &picture));
    EXPECT_EQ(488, picture.header.biWidth);
    EXPECT_EQ(405, picture.header.biHeight);
    EXPECT_EQ(24, picture.header.biBitCount);
    // The round buttons (35 x 36) are blended onto what lies behind them: a
    // light, even ground at each of the five places.
    const POINT buttons[] = {{39, 211}, {175, 211}, {312, 211}, {39, 249}, {175, 249}};
    for (const POINT& b : buttons) {
        for (int y = b.y; y < b.y + 36; y += 5) {
            for (int x = b.x; x < b.x + 35; x += 5) {
                const std::vector<uint8_t> p = picture.Pixel(x, y);
                ASSERT_GT(Luminance(p.data()), 200) << x << "," << y;
            }
        }
        // The language name beside it: dark letters to its right.
        int letters = 0;
        for (int y = b.y + 8; y < b.y + 28; ++y)
            for (int x = b.x + 40; x < b.x + 100; ++x)
                if (Luminance(picture.Pixel(x, y).data()) < 100) ++letters;
        EXPECT_GT(letters, 60) << b.x << "," << b.y;
    }
}

TEST_F(ArtworkResources, SensorLampsAreThreeRoundCellsOnMagenta) {
    Dib lamps;
    ASSERT_TRUE(ReadDib(module_.Get(), IDB_SENSOR_LAMPS, &lamps));
    EXPECT_EQ(48, lamps.header.biWidth);
    EXPECT_EQ(16, lamps.header.biHeight);
    std::vector<uint8_t> centre[3];
    for (int cell = 0; cell < 3; ++cell) {
        for (int x : {0, 15})
            for (int y : {0, 15}) EXPECT_TRUE(lamps.IsMagenta(cell * 16 + x, y)) << cell;
        EXPECT_FALSE(lamps.IsMagenta(cell * 16 + 8, 8)) << cell;
        centre[cell] = lamps.Pixel(cell * 16 + 8, 10);
        // The same round shape in every cell.
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) EXPECT_EQ(lamps.IsMagenta(x, y), lamps.IsMagenta(cell * 16 + x, y)) << cell;
    }
    EXPECT_GT(centre[0][1], centre[0][0] + 60);  // bright green
    EXPECT_GT(centre[1][1], centre[1][0] + 20);  // dark green
    EXPECT_GT(centre[0][1], centre[1][1] + 60);
    EXPECT_LT(std::abs(centre[2][0] - centre[2][1]), 10);  // gray
}

// The image of group resource `id` of `groupType` nearest to `size`.
HICON LoadFromGroup(HMODULE module, int groupType, int id, int size, bool icon) {
    std::string group = ResourceBytes(module, MAKEINTRESOURCEA(groupType), id);
    if (group.empty()) return nullptr;
    const int image = LookupIconIdFromDirectoryEx(reinterpret_cast<PBYTE>(&group[0]), icon, size, size, LR_DEFAULTCOLOR);
    if (!image) return nullptr;
    std::string bits = ResourceBytes(module, MAKEINTRESOURCEA(icon ? 3 : 1), image);  // RT_ICON, RT_CURSOR
    if (bits.empty()) return nullptr;
    return CreateIconFromResourceEx(reinterpret_cast<PBYTE>(&bits[0]), static_cast<DWORD>(bits.size()), icon,
                                    0x00030000, size, size, LR_DEFAULTCOLOR);
}

TEST_F(ArtworkResources, PromptIconComesIn16And32Pixels) {
    for (int size : {16, 32}) {
        HICON icon = LoadFromGroup(module_.Get(), 14, IDI_CALIBRATION_PROMPT, size, true);  // RT_GROUP_ICON
        ASSERT_TRUE(icon) << size;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour = {};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(size, colour.bmWidth);
        EXPECT_EQ(size, colour.bmHeight);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST_F(ArtworkResources, ZoomCursorHasItsHotSpotInTheLens) {
    HICON cursor = LoadFromGroup(module_.Get(), 12, IDCUR_ZOOM, 32, false);  // RT_GROUP_CURSOR
    ASSERT_TRUE(cursor);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(12u, info.xHotspot);
    EXPECT_EQ(12u, info.yHotspot);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyCursor(cursor);
}

// ------------------------------------------------------------- previews

// The strip blended onto the page face as a button draws it, all frames.
std::vector<uint8_t> BlendedStrip(RawStrip& strip) {
    std::vector<DibPixel> face(static_cast<size_t>(strip.FrameWidth) * strip.Height,
                               DibPixel{kFace[2], kFace[1], kFace[0], 0});
    BlendStrip(&strip, face.data());
    std::vector<uint8_t> rgb;
    const auto* pixels = reinterpret_cast<const DibPixel*>(strip.Pixels.get());
    for (size_t i = 0; i < static_cast<size_t>(strip.TotalWidth) * strip.Height; ++i)
        rgb.insert(rgb.end(), {pixels[i].Red, pixels[i].Green, pixels[i].Blue});
    return rgb;
}

std::vector<uint8_t> DibRgb(const Dib& dib, bool keyed) {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < dib.header.biHeight; ++y) {
        for (int x = 0; x < dib.header.biWidth; ++x) {
            if (keyed && dib.IsMagenta(x, y)) rgb.insert(rgb.end(), {kFace[0], kFace[1], kFace[2]});
            else {
                const std::vector<uint8_t> p = dib.Pixel(x, y);
                rgb.insert(rgb.end(), p.begin(), p.end());
            }
        }
    }
    return rgb;
}

std::vector<uint8_t> IconRgb(HICON icon, int size) {
    std::vector<uint8_t> rgb;
    HDC screen = GetDC(nullptr);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = size;
    bi.bmiHeader.biHeight = -size;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    if (bitmap && memory) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        RECT all = {0, 0, size, size};
        HBRUSH brush = CreateSolidBrush(RGB(kFace[0], kFace[1], kFace[2]));
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        DrawIconEx(memory, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        GdiFlush();
        const auto* p = static_cast<const uint8_t*>(bits);
        for (int i = 0; i < size * size; ++i) rgb.insert(rgb.end(), {p[i * 4 + 2], p[i * 4 + 1], p[i * 4]});
        SelectObject(memory, previous);
    }
    if (memory) DeleteDC(memory);
    if (bitmap) DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return rgb;
}

TEST_F(ArtworkResources, PreviewsOfEveryPicture) {
    for (const RawCase& c : kRawCases) {
        for (float scale : {1.0f, 0.5f}) {
            RawStrip strip;
            ASSERT_TRUE(LoadStrip(c, scale, &strip));
            const std::string name = std::string("artwork-") + c.name + (scale == 1.0f ? "" : "-half") + ".png";
            EXPECT_TRUE(WritePng(ScreenshotPath(name), strip.TotalWidth, strip.Height, BlendedStrip(strip))) << name;
        }
    }
    const struct {
        int id;
        const char* name;
        bool keyed;
    } bitmaps[] = {{IDB_LOGO, "logo", true}, {IDB_LANGUAGE_PAGE, "language-page", false},
                   {IDB_SENSOR_LAMPS, "sensor-lamps", true}};
    for (const auto& b : bitmaps) {
        Dib dib;
        ASSERT_TRUE(ReadDib(module_.Get(), b.id, &dib)) << b.id;
        EXPECT_TRUE(WritePng(ScreenshotPath(std::string("artwork-") + b.name + ".png"), dib.header.biWidth,
                             dib.header.biHeight, DibRgb(dib, b.keyed)));
    }
    // The language page as it will look: the lamps blended onto the picture
    // at the buttons' places and cut to their ellipses; English is the
    // current language (disabled), the mouse rests on Español.
    {
        Dib picture;
        ASSERT_TRUE(ReadDib(module_.Get(), IDB_LANGUAGE_PAGE, &picture));
        std::vector<uint8_t> page = DibRgb(picture, false);
        const int width = picture.header.biWidth;
        const struct {
            POINT at;
            uint32_t state;
            bool hover;
        } buttons[] = {{{39, 211}, ODS_DISABLED, false}, {{175, 211}, 0, true}, {{312, 211}, 0, false},
                       {{39, 249}, 0, false},           {{175, 249}, 0, false}};
        for (const auto& b : buttons) {
            RawStrip lamp;
            ASSERT_TRUE(LoadStrip(kRawCases[5], 1.0f, &lamp));
            const int fw = lamp.FrameWidth, fh = lamp.Height;
            std::vector<DibPixel> behind(static_cast<size_t>(fw) * fh);
            for (int y = 0; y < fh; ++y)
                for (int x = 0; x < fw; ++x) {
                    const uint8_t* p = &page[((b.at.y + y) * width + b.at.x + x) * 3];
                    behind[(fh - 1 - y) * fw + x] = DibPixel{p[2], p[1], p[0], 0};
                }
            BlendStrip(&lamp, behind.data());
            const int frame = FrameForState(b.state, b.hover, lamp.Frames);
            const auto* shown = reinterpret_cast<const DibPixel*>(lamp.Pixels.get());
            for (int y = 0; y < fh; ++y)
                for (int x = 0; x < fw; ++x) {
                    const double ex = (x + 0.5 - fw / 2.0) / (fw / 2.0), ey = (y + 0.5 - fh / 2.0) / (fh / 2.0);
                    if (ex * ex + ey * ey > 1.0) continue;
                    const DibPixel& q = shown[y * lamp.TotalWidth + frame * fw + x];
                    uint8_t* p = &page[((b.at.y + y) * width + b.at.x + x) * 3];
                    p[0] = q.Red;
                    p[1] = q.Green;
                    p[2] = q.Blue;
                }
        }
        EXPECT_TRUE(WritePng(ScreenshotPath("artwork-language-page-with-buttons.png"), width,
                             picture.header.biHeight, page));
    }
    for (int size : {16, 32, 48}) {
        HICON icon = LoadFromGroup(module_.Get(), 14, IDI_CALIBRATION_PROMPT, size, true);
        ASSERT_TRUE(icon) << size;
        EXPECT_TRUE(WritePng(ScreenshotPath("artwork-prompt-icon-" + std::to_string(size) + ".png"), size, size,
                             IconRgb(icon, size)));
        DestroyIcon(icon);
    }
    HICON cursor = LoadFromGroup(module_.Get(), 12, IDCUR_ZOOM, 32, false);
    ASSERT_TRUE(cursor);
    EXPECT_TRUE(WritePng(ScreenshotPath("artwork-zoom-cursor.png"), 32, 32, IconRgb(cursor, 32)));
    DestroyCursor(cursor);
}

}  // namespace
