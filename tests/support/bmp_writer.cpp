#include "support/bmp_writer.h"

namespace {

void Put16(std::string& out, size_t at, uint16_t v) {
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>(v >> 8);
}

void Put32(std::string& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

std::string BmpBytes(const BmpPicture& picture) {
    const size_t paletteBytes = picture.bits <= 8 ? 4 * picture.palette.size() : 0;
    const size_t offBits = 14 + 40 + paletteBytes;
    const size_t stride = (static_cast<size_t>(picture.width) * picture.bits + 31) / 32 * 4;
    std::string out(offBits + stride * picture.height, '\0');
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<uint32_t>(out.size()));
    Put32(out, 10, static_cast<uint32_t>(offBits));
    Put32(out, 14, 40);
    Put32(out, 18, static_cast<uint32_t>(picture.width));
    Put32(out, 22, static_cast<uint32_t>(picture.topDown ? -picture.height : picture.height));
    Put16(out, 26, 1);
    Put16(out, 28, static_cast<uint16_t>(picture.bits));
    Put32(out, 34, static_cast<uint32_t>(stride * picture.height));
    Put32(out, 38, static_cast<uint32_t>(picture.pelsPerMeter));
    Put32(out, 42, static_cast<uint32_t>(picture.pelsPerMeter));
    Put32(out, 46, picture.bits <= 8 ? static_cast<uint32_t>(picture.palette.size()) : 0);
    for (size_t i = 0; paletteBytes && i < picture.palette.size(); ++i) {
        out[54 + 4 * i] = static_cast<char>(picture.palette[i].b);
        out[54 + 4 * i + 1] = static_cast<char>(picture.palette[i].g);
        out[54 + 4 * i + 2] = static_cast<char>(picture.palette[i].r);
    }
    for (int y = 0; y < picture.height; ++y) {
        const int fileRow = picture.topDown ? y : picture.height - 1 - y;
        const size_t row = offBits + stride * fileRow;
        for (int x = 0; x < picture.width; ++x) {
            if (picture.bits == 24) {
                const Rgb c = picture.color(x, y);
                out[row + 3 * x] = static_cast<char>(c.b);
                out[row + 3 * x + 1] = static_cast<char>(c.g);
                out[row + 3 * x + 2] = static_cast<char>(c.r);
            } else if (picture.bits == 8) {
                out[row + x] = static_cast<char>(picture.index(x, y));
            } else if (picture.index(x, y)) {
                out[row + x / 8] = static_cast<char>(out[row + x / 8] | (0x80 >> (x % 8)));
            }
        }
    }
    return out;
}
