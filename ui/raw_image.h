// The "RAW" image resources of the round picture buttons: a 20-byte text
// header "w=…,h=…,n=…" followed by a strip of n frames side by side, 4 bytes
// a pixel (red, green, blue, alpha), rows top to bottom without padding.
// Frames: 0 normal, 1 pressed, 2 hover, 3 disabled.
//
// These are the button's computations without a window: reading and checking
// a resource's bytes, scaling the strip, blending it once onto the background
// it is drawn on, and choosing the frame for an item state.
#pragma once

#include "engine/bitmap_file.h"

#include <cstddef>
#include <cstdint>
#include <memory>

#pragma pack(push, 1)
struct RawImageHeader {
    char Text[20];  // ASCII, padded with zero bytes; not necessarily terminated
};

struct RawPixel {
    uint8_t Red;
    uint8_t Green;
    uint8_t Blue;
    uint8_t Alpha;
};

// A pixel of the strip once it has been blended: the order of a 32-bit DIB.
struct DibPixel {
    uint8_t Blue;
    uint8_t Green;
    uint8_t Red;
    uint8_t Reserved;
};
#pragma pack(pop)

static_assert(sizeof(RawImageHeader) == 20, "the RAW header is 20 bytes");
static_assert(offsetof(RawImageHeader, Text) == 0, "the header text starts the resource");
static_assert(sizeof(RawPixel) == 4, "RAW pixels are 4 bytes");
static_assert(offsetof(RawPixel, Red) == 0 && offsetof(RawPixel, Green) == 1 &&
                  offsetof(RawPixel, Blue) == 2 && offsetof(RawPixel, Alpha) == 3,
              "RAW pixels are red, green, blue, alpha");
static_assert(sizeof(DibPixel) == 4, "32-bit DIB pixels are 4 bytes");
static_assert(offsetof(DibPixel, Blue) == 0 && offsetof(DibPixel, Green) == 1 &&
                  offsetof(DibPixel, Red) == 2,
              "DIB pixels are blue, green, red");

constexpr size_t kRawHeaderSize = sizeof(RawImageHeader);
constexpr int32_t kRawMaxFrames = 4;
constexpr int32_t kRawMinSide = 8;     // per frame
constexpr int32_t kRawMaxSide = 800;   // per frame
constexpr uint64_t kRawMaxStripBytes = uint64_t{1} << 30;  // a scaled strip stays below this

// The item state bits of an owner-drawn button that choose its frame; the
// values of ODS_SELECTED and ODS_DISABLED.
constexpr uint32_t kItemSelected = 0x0001;
constexpr uint32_t kItemDisabled = 0x0004;

// What a resource's bytes describe; Pixels points into those bytes.
struct RawImageInfo {
    int32_t Width = 0;   // the whole strip
    int32_t Height = 0;
    int32_t Frames = 0;
    const RawPixel* Pixels = nullptr;  // Width x Height, rows top to bottom
};

// The strip as the button keeps it, scaled to its drawing size.
struct RawStrip {
    int32_t TotalWidth = 0;  // Frames x FrameWidth
    int32_t FrameWidth = 0;
    int32_t Height = 0;
    int32_t Frames = 0;
    // TotalWidth x Height pixels of 4 bytes, rows top to bottom: RawPixel
    // order until BlendStrip has run, DibPixel order afterwards.
    std::unique_ptr<uint8_t[]> Pixels;

    size_t ByteSize() const { return static_cast<size_t>(TotalWidth) * Height * 4; }
};

// Reads the header of a resource of `size` bytes. False unless the resource
// is longer than its header, the header reads as "w=%ld,h=%ld,n=%ld" within
// its 20 bytes, 1 <= n <= 4, 8n <= w <= 800n, 8 <= h <= 800, and the resource
// holds all w x h pixels.
bool ParseRawImage(const void* data, size_t size, RawImageInfo* info);

// Scales `image` by `scale` (1.0 full size, 0.5 half) with nearest-neighbour
// sampling in 16.16 fixed point: frames of trunc(w * scale / n) by
// trunc(scale * h) pixels. False (and `strip` unchanged) when a side comes out
// empty, when the strip would take 2^30 bytes or more, or when it cannot be
// allocated.
bool ScaleRawImage(const RawImageInfo& image, float scale, RawStrip* strip);

// Blends every frame of `strip` once onto `background`, a bottom-up 32-bit
// DIB of FrameWidth x Height pixels (what the screen shows behind the button):
// each colour becomes (bg * (255 - A) + C * A) >> 8, and the pixel is stored
// back as blue, green, red (the alpha byte stays where it was).
void BlendStrip(RawStrip* strip, const DibPixel* background);

// The frame an owner-drawn button shows for `itemState`: pressed (frame 1 when
// there is one), else disabled (frame 3 of a four-frame image), else hover
// (frame 2 when there is one), else frame 0.
int32_t FrameForState(uint32_t itemState, bool hover, int32_t frames);

// The header the strip is drawn with: top-down, 32 bits per pixel.
BitmapInfoHeader StripInfoHeader(const RawStrip& strip);
