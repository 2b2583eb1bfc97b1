#include "ui/preview_pixels.h"

#include "engine/pixel_rows.h"
#include "ui/tone_table.h"

#include <new>

namespace {

// Colour index of pixel x in a row of `bits` (1, 4 or 8) per pixel, most
// significant bits first.
int PaletteIndex(const uint8_t* row, int32_t x, int bits) {
    const int32_t bit = x * bits;
    const int shift = 8 - bits - bit % 8;
    return (row[bit / 8] >> shift) & ((1 << bits) - 1);
}

}  // namespace

void PreviewPixels::Clear() {
    width_ = height_ = 0;
    gray8_ = false;
    source_ = nullptr;
    sourceStride_ = 0;
    std::vector<uint8_t>().swap(expanded_);
    std::vector<uint8_t>().swap(working_);
    workingInfo_ = {};
}

bool PreviewPixels::Take(const BitmapFileImage& image) {
    Clear();
    // A picture too large for memory is no picture.
    try {
        return TakeRows(image);
    } catch (const std::bad_alloc&) {
        Clear();
        return false;
    }
}

bool PreviewPixels::TakeRows(const BitmapFileImage& image) {
    const BITMAPINFOHEADER* header = image.Header();
    if (!header || !image.Bits() || header->biWidth <= 0 || header->biHeight <= 0) return false;
    const int bits = header->biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24) return false;
    const int32_t width = header->biWidth, height = header->biHeight;
    const int32_t stride24 = BytesPerLine(24, width);
    if (stride24 <= 0) return false;
    const size_t workingBytes = size_t(stride24) * size_t(height);
    working_.assign(workingBytes, 0);
    if (bits == 24) {
        source_ = image.Bits();
        sourceStride_ = stride24;
    } else if (image.IsGray8()) {
        gray8_ = true;
        source_ = image.Bits();
        sourceStride_ = BytesPerLine(8, width);
    } else {
        // Palette images are shown as the colours they stand for.
        const RGBQUAD* colors = image.Info()->bmiColors;
        const int32_t stride = BytesPerLine(bits, width);
        expanded_.assign(workingBytes, 0);
        for (int32_t y = 0; y < height; ++y) {
            const uint8_t* in = image.Bits() + size_t(y) * stride;
            uint8_t* out = expanded_.data() + size_t(y) * stride24;
            for (int32_t x = 0; x < width; ++x, out += 3) {
                const RGBQUAD& color = colors[PaletteIndex(in, x, bits)];
                out[0] = color.rgbBlue;
                out[1] = color.rgbGreen;
                out[2] = color.rgbRed;
            }
        }
        source_ = expanded_.data();
        sourceStride_ = stride24;
    }
    width_ = width;
    height_ = height;
    workingInfo_.bmiHeader = *header;
    workingInfo_.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    workingInfo_.bmiHeader.biBitCount = 24;
    workingInfo_.bmiHeader.biCompression = BI_RGB;
    workingInfo_.bmiHeader.biSizeImage = 0;
    workingInfo_.bmiHeader.biClrUsed = 0;
    workingInfo_.bmiHeader.biClrImportant = 0;
    return true;
}

void PreviewPixels::ApplyTone(const uint8_t table[256], int16_t scanMode) {
    if (IsEmpty()) return;
    ApplyToneTable(table, source_, sourceStride_, gray8_, scanMode, width_, height_,
                   working_.data(), BytesPerLine(24, width_));
}

COLORREF PreviewPixels::WorkingPixel(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    const uint8_t* pixel =
        working_.data() + size_t(height_ - 1 - y) * BytesPerLine(24, width_) + size_t(x) * 3;
    return RGB(pixel[2], pixel[1], pixel[0]);
}
