#include "ui/raw_image.h"

#include <cstdio>
#include <cstring>
#include <new>

bool ParseRawImage(const void* data, size_t size, RawImageInfo* info) {
    if (!data || size <= kRawHeaderSize) return false;
    // The header need not end with a zero byte: read it from a terminated copy
    // so that the scan stops at its 20th byte.
    char text[kRawHeaderSize + 1] = {};
    std::memcpy(text, data, kRawHeaderSize);
    long width = 0, height = 0, frames = 0;
    if (std::sscanf(text, "w=%ld,h=%ld,n=%ld", &width, &height, &frames) != 3) return false;
    if (frames < 1 || frames > kRawMaxFrames) return false;
    if (width < kRawMinSide * frames || width > kRawMaxSide * frames) return false;
    if (height < kRawMinSide || height > kRawMaxSide) return false;
    const uint64_t needed = static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 4 + kRawHeaderSize;
    if (size < needed) return false;
    info->Width = static_cast<int32_t>(width);
    info->Height = static_cast<int32_t>(height);
    info->Frames = static_cast<int32_t>(frames);
    info->Pixels = reinterpret_cast<const RawPixel*>(static_cast<const uint8_t*>(data) + kRawHeaderSize);
    return true;
}

bool ScaleRawImage(const RawImageInfo& image, float scale, RawStrip* strip) {
    if (!image.Pixels || image.Frames < 1 || image.Width < 1 || image.Height < 1) return false;
    const float scaledWidth = static_cast<float>(image.Width) * scale / static_cast<float>(image.Frames);
    const float scaledHeight = scale * static_cast<float>(image.Height);
    // Beyond these the strip would be far over the allocation bound anyway.
    if (!(scaledWidth >= 1.0f && scaledWidth < 1e6f && scaledHeight >= 1.0f && scaledHeight < 1e6f))
        return false;
    const int32_t frameWidth = static_cast<int32_t>(scaledWidth);
    const int32_t height = static_cast<int32_t>(scaledHeight);
    const int32_t totalWidth = image.Frames * frameWidth;
    const uint64_t bytes = static_cast<uint64_t>(totalWidth) * static_cast<uint64_t>(height) * 4;
    if (bytes >= kRawMaxStripBytes) return false;
    std::unique_ptr<uint8_t[]> pixels(new (std::nothrow) uint8_t[bytes]);
    if (!pixels) return false;

    auto* target = reinterpret_cast<RawPixel*>(pixels.get());
    if (scale == 1.0f) {
        // As stored; a strip whose width is no multiple of its frame count
        // loses the columns past the last whole frame.
        for (int32_t y = 0; y < height; ++y)
            std::memcpy(target + static_cast<size_t>(y) * totalWidth,
                        image.Pixels + static_cast<size_t>(y) * image.Width,
                        static_cast<size_t>(totalWidth) * sizeof(RawPixel));
    } else {
        const uint64_t stepX = static_cast<uint64_t>(image.Width) * 65536 / static_cast<uint64_t>(totalWidth);
        const uint64_t stepY = static_cast<uint64_t>(image.Height) * 65536 / static_cast<uint64_t>(height);
        for (int32_t y = 0; y < height; ++y) {
            const size_t row = static_cast<size_t>((static_cast<uint64_t>(y) * stepY) >> 16);
            for (int32_t x = 0; x < totalWidth; ++x) {
                const size_t column = static_cast<size_t>((static_cast<uint64_t>(x) * stepX) >> 16);
                target[static_cast<size_t>(y) * totalWidth + x] = image.Pixels[row * image.Width + column];
            }
        }
    }

    strip->TotalWidth = totalWidth;
    strip->FrameWidth = frameWidth;
    strip->Height = height;
    strip->Frames = image.Frames;
    strip->Pixels = std::move(pixels);
    return true;
}

void BlendStrip(RawStrip* strip, const DibPixel* background) {
    if (!strip->Pixels || !background) return;
    auto* pixels = strip->Pixels.get();
    for (int32_t frame = 0; frame < strip->Frames; ++frame) {
        for (int32_t y = 0; y < strip->Height; ++y) {
            // The background is bottom-up: row y from the top is stored last but y.
            const DibPixel* behind = background + static_cast<size_t>(strip->Height - 1 - y) * strip->FrameWidth;
            uint8_t* row = pixels + (static_cast<size_t>(y) * strip->TotalWidth +
                                     static_cast<size_t>(frame) * strip->FrameWidth) * 4;
            for (int32_t x = 0; x < strip->FrameWidth; ++x) {
                uint8_t* pixel = row + static_cast<size_t>(x) * 4;
                const uint32_t red = pixel[0], green = pixel[1], blue = pixel[2], alpha = pixel[3];
                const DibPixel& bg = behind[x];
                pixel[0] = static_cast<uint8_t>((bg.Blue * (255 - alpha) + blue * alpha) >> 8);
                pixel[1] = static_cast<uint8_t>((bg.Green * (255 - alpha) + green * alpha) >> 8);
                pixel[2] = static_cast<uint8_t>((bg.Red * (255 - alpha) + red * alpha) >> 8);
            }
        }
    }
}

int32_t FrameForState(uint32_t itemState, bool hover, int32_t frames) {
    if (itemState & kItemSelected) return frames > 1 ? 1 : 0;
    if (itemState & kItemDisabled) return frames == 4 ? 3 : 0;
    return hover && frames > 2 ? 2 : 0;
}

BitmapInfoHeader StripInfoHeader(const RawStrip& strip) {
    BitmapInfoHeader header = {};
    header.Size = sizeof(BitmapInfoHeader);
    header.Width = strip.TotalWidth;
    header.Height = -strip.Height;  // top-down
    header.Planes = 1;
    header.BitCount = 32;
    header.Compression = 0;  // BI_RGB
    header.SizeImage = static_cast<uint32_t>(strip.ByteSize());
    return header;
}
