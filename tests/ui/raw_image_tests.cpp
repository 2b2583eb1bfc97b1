// Reading, scaling, blending and frame choice of the round buttons' RAW images.
#include "ui/raw_image.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

static_assert(kItemSelected == ODS_SELECTED, "the pressed bit of DRAWITEMSTRUCT::itemState");
static_assert(kItemDisabled == ODS_DISABLED, "the disabled bit of DRAWITEMSTRUCT::itemState");

// A resource: `header` padded with zero bytes to 20, then `pixels` bytes.
std::vector<uint8_t> Resource(const std::string& header, size_t pixelBytes) {
    std::vector<uint8_t> bytes(kRawHeaderSize + pixelBytes, 0);
    std::memcpy(bytes.data(), header.data(), std::min(header.size(), kRawHeaderSize));
    return bytes;
}

// A strip whose every pixel tells where it came from: red = column,
// green = row, blue = frame, alpha 255.
std::vector<uint8_t> NumberedStrip(int width, int height, int frames) {
    std::vector<uint8_t> bytes = Resource("w=" + std::to_string(width) + ",h=" + std::to_string(height) + ",n=" +
                                              std::to_string(frames),
                                          static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &bytes[kRawHeaderSize + (static_cast<size_t>(y) * width + x) * 4];
            p[0] = static_cast<uint8_t>(x);
            p[1] = static_cast<uint8_t>(y);
            p[2] = static_cast<uint8_t>(x / (width / frames));
            p[3] = 255;
        }
    }
    return bytes;
}

bool Parses(const std::vector<uint8_t>& bytes, RawImageInfo* info = nullptr) {
    RawImageInfo scratch;
    return ParseRawImage(bytes.data(), bytes.size(), info ? info : &scratch);
}

TEST(RawImageHeader, ReadsWidthHeightAndFrames) {
    const std::vector<uint8_t> bytes = Resource("w=140,h=36,n=4", 140 * 36 * 4);
    RawImageInfo info;
    ASSERT_TRUE(Parses(bytes, &info));
    EXPECT_EQ(140, info.Width);
    EXPECT_EQ(36, info.Height);
    EXPECT_EQ(4, info.Frames);
    EXPECT_EQ(reinterpret_cast<const RawPixel*>(bytes.data() + 20), info.Pixels);
}

TEST(RawImageHeader, MalformedHeadersAreRefused) {
    for (const char* header : {"", "garbage", "w=140", "w=140,h=36", "h=36,w=140,n=4", "W=140,H=36,N=4",
                               "w=140;h=36;n=4", "w=,h=36,n=4", "w=140,h=36,n=x"}) {
        EXPECT_FALSE(Parses(Resource(header, 800 * 800 * 4 * 4))) << header;
    }
}

TEST(RawImageHeader, ResourceNoLongerThanItsHeaderIsRefused) {
    EXPECT_FALSE(Parses(Resource("w=8,h=8,n=1", 0)));
    std::vector<uint8_t> tiny(12, 0);
    std::memcpy(tiny.data(), "w=8,h=8,n=1", 11);
    RawImageInfo info;
    EXPECT_FALSE(ParseRawImage(tiny.data(), tiny.size(), &info));
    EXPECT_FALSE(ParseRawImage(nullptr, 1000, &info));
    EXPECT_EQ(0, info.Width);
}

TEST(RawImageHeader, FrameCountMustBeOneToFour) {
    EXPECT_FALSE(Parses(Resource("w=80,h=8,n=0", 80 * 8 * 4)));
    EXPECT_FALSE(Parses(Resource("w=80,h=8,n=5", 80 * 8 * 4)));
    EXPECT_FALSE(Parses(Resource("w=80,h=8,n=-1", 80 * 8 * 4)));
    for (int n = 1; n <= 4; ++n)
        EXPECT_TRUE(Parses(Resource("w=80,h=8,n=" + std::to_string(n), 80 * 8 * 4))) << n;
}

TEST(RawImageHeader, WidthIsEightToEightHundredPerFrame) {
    EXPECT_FALSE(Parses(Resource("w=23,h=8,n=3", 800 * 8 * 4 * 3)));
    EXPECT_TRUE(Parses(Resource("w=24,h=8,n=3", 24 * 8 * 4)));
    EXPECT_TRUE(Parses(Resource("w=2400,h=8,n=3", 2400 * 8 * 4)));
    EXPECT_FALSE(Parses(Resource("w=2401,h=8,n=3", 2401 * 8 * 4)));
    EXPECT_FALSE(Parses(Resource("w=-8,h=8,n=1", 800 * 8 * 4)));
}

TEST(RawImageHeader, HeightIsEightToEightHundred) {
    EXPECT_FALSE(Parses(Resource("w=8,h=7,n=1", 8 * 800 * 4)));
    EXPECT_TRUE(Parses(Resource("w=8,h=8,n=1", 8 * 8 * 4)));
    EXPECT_TRUE(Parses(Resource("w=8,h=800,n=1", 8 * 800 * 4)));
    EXPECT_FALSE(Parses(Resource("w=8,h=801,n=1", 8 * 801 * 4)));
}

TEST(RawImageHeader, ShortBodyIsRefused) {
    EXPECT_FALSE(Parses(Resource("w=140,h=36,n=4", 140 * 36 * 4 - 1)));
    EXPECT_TRUE(Parses(Resource("w=140,h=36,n=4", 140 * 36 * 4)));
    EXPECT_TRUE(Parses(Resource("w=140,h=36,n=4", 140 * 36 * 4 + 7)));
    EXPECT_FALSE(Parses(Resource("w=252,h=82,n=3", 252 * 81 * 4)));
}

TEST(RawImageHeader, HeaderWithoutTerminatorIsReadWithinItsTwentyBytes) {
    // All twenty bytes are text, and the pixels right behind them are '3's:
    // a scan running on past the header would read n=2333… and refuse it.
    std::vector<uint8_t> bytes = Resource("w=000000016,h=08,n=2", 16 * 8 * 4);
    ASSERT_EQ(0, std::memcmp(bytes.data(), "w=000000016,h=08,n=2", 20));
    std::fill(bytes.begin() + 20, bytes.end(), '3');
    RawImageInfo info;
    ASSERT_TRUE(Parses(bytes, &info));
    EXPECT_EQ(16, info.Width);
    EXPECT_EQ(8, info.Height);
    EXPECT_EQ(2, info.Frames);

    // A header that ends with "n=" and pixels that begin with "2": only a
    // scan past the header would find a frame count.
    std::vector<uint8_t> cut = Resource("w=0000000016,h=08,n=", 16 * 8 * 4);
    ASSERT_EQ(0, std::memcmp(cut.data(), "w=0000000016,h=08,n=", 20));
    cut[20] = '2';
    EXPECT_FALSE(Parses(cut));
}

TEST(RawImageScale, FullSizeCopiesThePixels) {
    const std::vector<uint8_t> bytes = NumberedStrip(60, 20, 3);
    RawImageInfo info;
    ASSERT_TRUE(Parses(bytes, &info));
    RawStrip strip;
    ASSERT_TRUE(ScaleRawImage(info, 1.0f, &strip));
    EXPECT_EQ(60, strip.TotalWidth);
    EXPECT_EQ(20, strip.FrameWidth);
    EXPECT_EQ(20, strip.Height);
    EXPECT_EQ(3, strip.Frames);
    ASSERT_EQ(60u * 20 * 4, strip.ByteSize());
    EXPECT_EQ(0, std::memcmp(strip.Pixels.get(), bytes.data() + 20, strip.ByteSize()));
}

TEST(RawImageScale, HalfOfThe252By82PresetIsThreeFramesOf42By41) {
    const std::vector<uint8_t> bytes = NumberedStrip(252, 82, 3);
    RawImageInfo info;
    ASSERT_TRUE(Parses(bytes, &info));
    RawStrip strip;
    ASSERT_TRUE(ScaleRawImage(info, 0.5f, &strip));
    EXPECT_EQ(42, strip.FrameWidth);
    EXPECT_EQ(126, strip.TotalWidth);
    EXPECT_EQ(41, strip.Height);
    EXPECT_EQ(3, strip.Frames);
    // Steps of 252*65536/126 and 82*65536/41: every second column and row.
    const auto* pixels = reinterpret_cast<const RawPixel*>(strip.Pixels.get());
    for (int y = 0; y < strip.Height; ++y) {
        for (int x = 0; x < strip.TotalWidth; ++x) {
            const RawPixel& p = pixels[y * strip.TotalWidth + x];
            ASSERT_EQ(2 * x, p.Red) << x << "," << y;
            ASSERT_EQ(2 * y, p.Green) << x << "," << y;
            ASSERT_EQ(x / 42, p.Blue) << x << "," << y;
        }
    }
}

TEST(RawImageScale, NearestNeighbourInSixteenDotSixteen) {
    // 3 frames of 30 x 10 at 0.7: frames of trunc(90*0.7/3) = 21, height 7;
    // steps 90*65536/63 = 93622 and 10*65536/7 = 93622.
    const std::vector<uint8_t> bytes = NumberedStrip(90, 10, 3);
    RawImageInfo info;
    ASSERT_TRUE(Parses(bytes, &info));
    RawStrip strip;
    ASSERT_TRUE(ScaleRawImage(info, 0.7f, &strip));
    ASSERT_EQ(21, strip.FrameWidth);
    ASSERT_EQ(63, strip.TotalWidth);
    ASSERT_EQ(7, strip.Height);
    const auto* pixels = reinterpret_cast<const RawPixel*>(strip.Pixels.get());
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 63; ++x) {
            ASSERT_EQ((x * 93622) >> 16, pixels[y * 63 + x].Red);
            ASSERT_EQ((y * 93622) >> 16, pixels[y * 63 + x].Green);
        }
    EXPECT_EQ(88, pixels[62].Red);
}

TEST(RawImageScale, EmptyOrHugeResultsAreRefusedAndLeaveTheStripAlone) {
    const std::vector<uint8_t> bytes = NumberedStrip(24, 8, 3);
    RawImageInfo info;
    ASSERT_TRUE(Parses(bytes, &info));
    RawStrip strip;
    ASSERT_TRUE(ScaleRawImage(info, 1.0f, &strip));
    const uint8_t* kept = strip.Pixels.get();
    for (float scale : {0.0f, 0.1f, -1.0f, 2000.0f}) {
        EXPECT_FALSE(ScaleRawImage(info, scale, &strip)) << scale;
        EXPECT_EQ(kept, strip.Pixels.get());
        EXPECT_EQ(24, strip.TotalWidth);
        EXPECT_EQ(8, strip.Height);
    }
}

TEST(RawImageScale, StripsOfTwoToTheThirtyBytesAreRefused) {
    // 8 x 8 frames scaled by s give 4 frames of 8s x 8s: 4 * 8s * 8s * 4 bytes.
    const std::vector<uint8_t> bytes = NumberedStrip(32, 8, 4);
    RawImageInfo info;
    ASSERT_TRUE(Parses(bytes, &info));
    RawStrip strip;
    // 8192 x 8192 per frame: 4 * 8192 * 8192 * 4 = 2^30 exactly.
    EXPECT_FALSE(ScaleRawImage(info, 1024.0f, &strip));
    EXPECT_FALSE(strip.Pixels);
    EXPECT_FALSE(ScaleRawImage(info, 1500.0f, &strip));
    EXPECT_FALSE(strip.Pixels);
    // 800 x 800 per frame: 10 MB.
    ASSERT_TRUE(ScaleRawImage(info, 100.0f, &strip));
    EXPECT_EQ(800, strip.FrameWidth);
    EXPECT_EQ(3200, strip.TotalWidth);
    EXPECT_EQ(800, strip.Height);
}

TEST(RawImageScale, InfoHeaderDescribesATopDownStrip) {
    const std::vector<uint8_t> bytes = NumberedStrip(140, 36, 4);
    RawImageInfo info;
    ASSERT_TRUE(Parses(bytes, &info));
    RawStrip strip;
    ASSERT_TRUE(ScaleRawImage(info, 1.0f, &strip));
    const BitmapInfoHeader header = StripInfoHeader(strip);
    EXPECT_EQ(40u, header.Size);
    EXPECT_EQ(140, header.Width);
    EXPECT_EQ(-36, header.Height);
    EXPECT_EQ(1, header.Planes);
    EXPECT_EQ(32, header.BitCount);
    EXPECT_EQ(static_cast<uint32_t>(BI_RGB), header.Compression);
    EXPECT_EQ(140u * 36 * 4, header.SizeImage);
}

// A strip of 2 frames of 2 x 2 pixels with the given RGBA pixels, row by row.
RawStrip SmallStrip(const std::vector<RawPixel>& pixels) {
    RawStrip strip;
    strip.TotalWidth = 4;
    strip.FrameWidth = 2;
    strip.Height = 2;
    strip.Frames = 2;
    strip.Pixels.reset(new uint8_t[8 * 4]);
    std::memcpy(strip.Pixels.get(), pixels.data(), 8 * 4);
    return strip;
}

TEST(RawImageBlend, AlphaZeroShowsTheBackgroundAndAlpha255TheColourTimes255Over256) {
    std::vector<RawPixel> pixels(8);
    // Frame 0: opaque colours; frame 1: transparent ones.
    pixels[0] = {200, 100, 50, 255};
    pixels[1] = {255, 255, 255, 255};
    pixels[4] = {0, 0, 0, 255};
    pixels[5] = {10, 20, 30, 255};
    pixels[2] = {200, 100, 50, 0};
    pixels[3] = {255, 255, 255, 0};
    pixels[6] = {0, 0, 0, 0};
    pixels[7] = {10, 20, 30, 0};
    RawStrip strip = SmallStrip(pixels);
    // Bottom-up background: its first row is the lower row on screen.
    const DibPixel background[4] = {{1, 2, 3, 0}, {4, 5, 6, 0}, {100, 150, 200, 0}, {255, 255, 255, 0}};
    BlendStrip(&strip, background);
    const auto* out = reinterpret_cast<const DibPixel*>(strip.Pixels.get());
    // Opaque: C*255 >> 8, stored blue, green, red.
    EXPECT_EQ(50 * 255 >> 8, out[0].Blue);
    EXPECT_EQ(100 * 255 >> 8, out[0].Green);
    EXPECT_EQ(200 * 255 >> 8, out[0].Red);
    EXPECT_EQ(254, out[1].Blue);
    EXPECT_EQ(254, out[1].Red);
    EXPECT_EQ(0, out[4].Red);
    EXPECT_EQ(29, out[5].Blue);
    EXPECT_EQ(19, out[5].Green);
    EXPECT_EQ(9, out[5].Red);
    // Transparent: bg*255 >> 8, the upper row against the background's second row.
    EXPECT_EQ(100 * 255 >> 8, out[2].Blue);
    EXPECT_EQ(150 * 255 >> 8, out[2].Green);
    EXPECT_EQ(200 * 255 >> 8, out[2].Red);
    EXPECT_EQ(254, out[3].Blue);
    EXPECT_EQ(254, out[3].Green);
    EXPECT_EQ(254, out[3].Red);
    EXPECT_EQ(1 * 255 >> 8, out[6].Blue);
    EXPECT_EQ(3 * 255 >> 8, out[6].Red);
    EXPECT_EQ(4 * 255 >> 8, out[7].Blue);
    EXPECT_EQ(5 * 255 >> 8, out[7].Green);
    EXPECT_EQ(6 * 255 >> 8, out[7].Red);
}

TEST(RawImageBlend, HalfAlphaMixesEveryFrameWithTheSameBackground) {
    std::vector<RawPixel> pixels(8, RawPixel{200, 100, 0, 128});
    RawStrip strip = SmallStrip(pixels);
    const DibPixel background[4] = {{40, 80, 120, 0}, {40, 80, 120, 0}, {0, 0, 0, 0}, {255, 255, 255, 0}};
    BlendStrip(&strip, background);
    const auto* out = reinterpret_cast<const DibPixel*>(strip.Pixels.get());
    for (int frame = 0; frame < 2; ++frame) {
        // Upper row over black and white, lower row over (120, 80, 40).
        const DibPixel& black = out[frame * 2];
        EXPECT_EQ((0 * 127 + 0 * 128) >> 8, black.Blue);
        EXPECT_EQ((0 * 127 + 100 * 128) >> 8, black.Green);
        EXPECT_EQ((0 * 127 + 200 * 128) >> 8, black.Red);
        const DibPixel& white = out[frame * 2 + 1];
        EXPECT_EQ((255 * 127 + 0 * 128) >> 8, white.Blue);
        EXPECT_EQ((255 * 127 + 100 * 128) >> 8, white.Green);
        EXPECT_EQ((255 * 127 + 200 * 128) >> 8, white.Red);
        const DibPixel& lower = out[4 + frame * 2];
        EXPECT_EQ((40 * 127 + 0 * 128) >> 8, lower.Blue);
        EXPECT_EQ((80 * 127 + 100 * 128) >> 8, lower.Green);
        EXPECT_EQ((120 * 127 + 200 * 128) >> 8, lower.Red);
    }
}

struct StateCase {
    uint32_t state;
    bool hover;
    int frames[4];  // chosen frame for 1, 2, 3 and 4 frames
};

TEST(RawImageFrame, ChoiceForOneToFourFrames) {
    const StateCase cases[] = {
        {0, false, {0, 0, 0, 0}},
        {0, true, {0, 0, 2, 2}},
        {ODS_SELECTED, false, {0, 1, 1, 1}},
        {ODS_SELECTED, true, {0, 1, 1, 1}},
        {ODS_SELECTED | ODS_DISABLED, false, {0, 1, 1, 1}},
        {ODS_DISABLED, false, {0, 0, 0, 3}},
        {ODS_DISABLED, true, {0, 0, 0, 3}},
        {ODS_FOCUS, false, {0, 0, 0, 0}},
        {ODS_FOCUS, true, {0, 0, 2, 2}},
    };
    for (const StateCase& c : cases)
        for (int frames = 1; frames <= 4; ++frames)
            EXPECT_EQ(c.frames[frames - 1], FrameForState(c.state, c.hover, frames))
                << "state " << c.state << " hover " << c.hover << " frames " << frames;
}

TEST(RawImageFrame, DisabledThreeFrameImageShowsItsNormalFrame) {
    EXPECT_EQ(0, FrameForState(ODS_DISABLED, false, 3));
    EXPECT_EQ(0, FrameForState(ODS_DISABLED, true, 3));
}

}  // namespace
