#include "tools/twain_client/bmp_output.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

int32_t Stride(int bits, int32_t width) { return ((bits * width + 31) / 32) * 4; }

size_t PaletteEntries(const BITMAPINFOHEADER& header) {
    if (header.biBitCount > 8) return header.biClrUsed;
    return header.biClrUsed ? header.biClrUsed : (size_t{1} << header.biBitCount);
}

}  // namespace

size_t PackedDibBytes(const BITMAPINFOHEADER& header) {
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biWidth <= 0 || header.biHeight == 0)
        return 0;
    const int32_t height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    return header.biSize + PaletteEntries(header) * sizeof(RGBQUAD) +
           static_cast<size_t>(Stride(header.biBitCount, header.biWidth)) * height;
}

bool WriteDibFile(const std::string& path, const void* dib, size_t dibBytes) {
    const auto* header = static_cast<const BITMAPINFOHEADER*>(dib);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfSize = static_cast<DWORD>(sizeof file + dibBytes);
    file.bfOffBits = static_cast<DWORD>(sizeof file + header->biSize +
                                        PaletteEntries(*header) * sizeof(RGBQUAD));
    std::unique_ptr<std::FILE, FileCloser> out(std::fopen(path.c_str(), "wb"));
    if (!out) return false;
    return std::fwrite(&file, sizeof file, 1, out.get()) == 1 &&
           std::fwrite(dib, dibBytes, 1, out.get()) == 1;
}

bool WriteRowsFile(const std::string& path, int bits, int32_t width, int32_t height, int32_t stride,
                   const std::vector<uint8_t>& rows, int32_t dpi) {
    const int colours = bits == 24 ? 0 : (1 << bits);
    const int32_t outStride = Stride(bits, width);
    std::vector<uint8_t> dib(sizeof(BITMAPINFOHEADER) + colours * sizeof(RGBQUAD) +
                             static_cast<size_t>(outStride) * height);
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(dib.data());
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = width;
    header->biHeight = height;
    header->biPlanes = 1;
    header->biBitCount = static_cast<WORD>(bits);
    header->biSizeImage = static_cast<DWORD>(outStride) * height;
    header->biXPelsPerMeter = header->biYPelsPerMeter = static_cast<LONG>(dpi * 10000 / 254);
    header->biClrUsed = colours;
    auto* palette = reinterpret_cast<RGBQUAD*>(header + 1);
    for (int i = 0; i < colours; ++i) {
        const BYTE level = static_cast<BYTE>(colours == 2 ? i * 255 : i);
        palette[i] = RGBQUAD{level, level, level, 0};
    }
    uint8_t* bits0 = reinterpret_cast<uint8_t*>(palette + colours);
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* from = rows.data() + static_cast<size_t>(y) * stride;
        uint8_t* to = bits0 + static_cast<size_t>(height - 1 - y) * outStride;
        const size_t used = static_cast<size_t>((bits * width + 7) / 8);
        std::memcpy(to, from, used);
        if (bits == 24)
            for (int32_t x = 0; x < width; ++x) std::swap(to[3 * x], to[3 * x + 2]);
    }
    return WriteDibFile(path, dib.data(), dib.size());
}
