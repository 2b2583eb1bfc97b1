#include "e2e/page_pixels.h"

#include "scanner-sim/brsvio.h"

#include <cstring>

namespace {

Rgb ScannerPixel(const ReplayedPage& page, int32_t x, int32_t y) {
    const uint8_t* row = page.rows.data() + static_cast<size_t>(y) * page.stride;
    switch (page.scanMode) {
    case BRSVIO_MODE_COLOR:
        return Rgb{row[3 * x], row[3 * x + 1], row[3 * x + 2]};
    case BRSVIO_MODE_GRAY:
        return Rgb{row[x], row[x], row[x]};
    default:
        // Black and white: most significant bit first, 1 is white.
        return (row[x / 8] >> (7 - x % 8)) & 1 ? kWhite : kBlack;
    }
}

std::string Describe(Rgb p) {
    return "(" + std::to_string(p.r) + "," + std::to_string(p.g) + "," + std::to_string(p.b) + ")";
}

}  // namespace

bool ReadBitmapHeaderFacts(const std::string& bytes, BitmapHeaderFacts& facts) {
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return false;
    uint16_t bits = 0;
    std::memcpy(&facts.width, bytes.data() + 18, 4);
    std::memcpy(&facts.height, bytes.data() + 22, 4);
    std::memcpy(&bits, bytes.data() + 28, 2);
    facts.bitsPerPixel = bits;
    return true;
}

std::string PixelDifference(const BmpImage& image, const ReplayedPage& page, int32_t length) {
    if (image.width != page.width || image.height != length)
        return "image is " + std::to_string(image.width) + " x " + std::to_string(image.height) +
               ", the page " + std::to_string(page.width) + " x " + std::to_string(length);
    if (length > page.lines) return "more rows than the scanner's frame";
    for (int32_t y = 0; y < length; ++y) {
        const Rgb* row = image.Row(y);
        for (int32_t x = 0; x < page.width; ++x) {
            const Rgb expected = ScannerPixel(page, x, y);
            if (!(row[x] == expected))
                return "pixel (" + std::to_string(x) + "," + std::to_string(y) + ") is " +
                       Describe(row[x]) + ", the scanner gave " + Describe(expected);
        }
    }
    return {};
}
