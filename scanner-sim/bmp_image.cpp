#include "bmp_image.h"

#include <windows.h>

#include <cstddef>
#include <cstring>

#include "framework/handles.h"

namespace {

#pragma pack(push, 1)
struct BmpFileHeader {
    uint16_t type;
    uint32_t size;
    uint16_t reserved1;
    uint16_t reserved2;
    uint32_t offBits;
};
struct BmpInfoHeader {
    uint32_t size;
    int32_t width;
    int32_t height;
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t sizeImage;
    int32_t xPelsPerMeter;
    int32_t yPelsPerMeter;
    uint32_t clrUsed;
    uint32_t clrImportant;
};
#pragma pack(pop)
static_assert(sizeof(BmpFileHeader) == 14, "BITMAPFILEHEADER is 14 bytes");
static_assert(offsetof(BmpFileHeader, offBits) == 10, "bfOffBits at 10");
static_assert(sizeof(BmpInfoHeader) == 40, "BITMAPINFOHEADER is 40 bytes");
static_assert(offsetof(BmpInfoHeader, bitCount) == 14, "biBitCount at 14");
static_assert(offsetof(BmpInfoHeader, xPelsPerMeter) == 24, "biXPelsPerMeter at 24");
static_assert(offsetof(BmpInfoHeader, clrUsed) == 32, "biClrUsed at 32");

constexpr int32_t kMaxSide = 32768;
constexpr int64_t kMaxPixels = 64LL * 1024 * 1024;
constexpr uint32_t kMaxFileBytes = 512u * 1024 * 1024;
// Beyond about 10,000 dpi the resolution field is taken as garbage.
constexpr int32_t kMaxPelsPerMeter = 400000;
constexpr int32_t kDefaultDpi = 200;

void SetResolution(int32_t pelsPerMeter, int64_t& numerator, int64_t& denominator) {
    if (pelsPerMeter > 0 && pelsPerMeter <= kMaxPelsPerMeter) {
        numerator = static_cast<int64_t>(pelsPerMeter) * 254;  // 1 inch = 0.0254 m
        denominator = 10000;
    } else {
        numerator = kDefaultDpi;
        denominator = 1;
    }
}

bool Fail(std::string& error, const char* why) {
    error = why;
    return false;
}

}  // namespace

bool DecodeBmpImage(const std::vector<unsigned char>& file, BmpImage& image, std::string& error) {
    const uint64_t fileSize = file.size();
    if (fileSize < sizeof(BmpFileHeader) + sizeof(BmpInfoHeader))
        return Fail(error, "file too short for bitmap headers");
    BmpFileHeader fh;
    BmpInfoHeader ih;
    std::memcpy(&fh, file.data(), sizeof fh);
    std::memcpy(&ih, file.data() + sizeof fh, sizeof ih);
    if (fh.type != 0x4D42) return Fail(error, "not a bitmap file");
    if (ih.size < sizeof(BmpInfoHeader) || sizeof fh + static_cast<uint64_t>(ih.size) > fileSize)
        return Fail(error, "unsupported bitmap header");
    if (ih.compression != 0) return Fail(error, "compressed bitmap");
    if (ih.planes != 1) return Fail(error, "bad plane count");
    if (ih.bitCount != 1 && ih.bitCount != 8 && ih.bitCount != 24)
        return Fail(error, "unsupported bit depth");
    const bool topDown = ih.height < 0;
    const int64_t height = topDown ? -static_cast<int64_t>(ih.height) : ih.height;
    if (ih.width <= 0 || height <= 0 || ih.width > kMaxSide || height > kMaxSide ||
        static_cast<int64_t>(ih.width) * height > kMaxPixels)
        return Fail(error, "bad image size");

    // Palette: after the info header, as many entries as used (all when 0).
    Rgb palette[256];
    int paletteSize = 0;
    if (ih.bitCount <= 8) {
        const uint32_t possible = 1u << ih.bitCount;
        const uint32_t used = ih.clrUsed == 0 ? possible : ih.clrUsed;
        if (used > possible) return Fail(error, "bad palette size");
        const uint64_t at = sizeof fh + static_cast<uint64_t>(ih.size);
        if (at + 4ull * used > fileSize) return Fail(error, "palette beyond end of file");
        for (uint32_t i = 0; i < used; ++i) {
            const unsigned char* q = file.data() + at + 4 * i;
            palette[i] = Rgb{q[2], q[1], q[0]};
        }
        paletteSize = static_cast<int>(used);
    }

    const uint64_t stride = (static_cast<uint64_t>(ih.width) * ih.bitCount + 31) / 32 * 4;
    if (fh.offBits < sizeof fh + sizeof ih || fh.offBits > fileSize ||
        stride * static_cast<uint64_t>(height) > fileSize - fh.offBits)
        return Fail(error, "pixel data truncated");

    image.width = ih.width;
    image.height = static_cast<int32_t>(height);
    SetResolution(ih.xPelsPerMeter, image.xPerInchNumerator, image.xPerInchDenominator);
    SetResolution(ih.yPelsPerMeter, image.yPerInchNumerator, image.yPerInchDenominator);
    image.pixels.assign(static_cast<size_t>(image.width) * image.height, kBlack);

    for (int32_t y = 0; y < image.height; ++y) {
        const int64_t fileRow = topDown ? y : image.height - 1 - y;
        const unsigned char* src = file.data() + fh.offBits + stride * fileRow;
        Rgb* dst = image.pixels.data() + static_cast<size_t>(y) * image.width;
        switch (ih.bitCount) {
            case 24:
                for (int32_t x = 0; x < image.width; ++x)
                    dst[x] = Rgb{src[3 * x + 2], src[3 * x + 1], src[3 * x]};
                break;
            case 8:
                // An index past a short palette reads as black, never past the table.
                for (int32_t x = 0; x < image.width; ++x)
                    dst[x] = src[x] < paletteSize ? palette[src[x]] : kBlack;
                break;
            default:
                for (int32_t x = 0; x < image.width; ++x) {
                    const int index = (src[x >> 3] >> (7 - (x & 7))) & 1;
                    dst[x] = index < paletteSize ? palette[index] : kBlack;
                }
                break;
        }
    }
    return true;
}

bool LoadBmpImage(const std::string& path, BmpImage& image, std::string& error) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return Fail(error, "cannot open file");
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) return Fail(error, "cannot read file size");
    if (size.QuadPart > kMaxFileBytes) return Fail(error, "file too large");
    std::vector<unsigned char> bytes(static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) ||
         got != bytes.size()))
        return Fail(error, "cannot read file");
    return DecodeBmpImage(bytes, image, error);
}
