// Windows bitmap files (BMP) as the data source writes them: uncompressed,
// bottom-up, with a gray or black-and-white color table, pre-sized so that
// the rows can be written in any order.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct BitmapFileHeader {
    uint16_t Type;  // "BM"
    uint32_t Size;  // whole file
    uint16_t Reserved1;
    uint16_t Reserved2;
    uint32_t OffBits;  // start of the pixel rows
};

struct BitmapInfoHeader {
    uint32_t Size;  // 40
    int32_t Width;
    int32_t Height;  // positive: rows stored bottom-up
    uint16_t Planes;
    uint16_t BitCount;
    uint32_t Compression;
    uint32_t SizeImage;
    int32_t XPelsPerMeter;
    int32_t YPelsPerMeter;
    uint32_t ClrUsed;
    uint32_t ClrImportant;
};

struct BitmapPaletteEntry {
    uint8_t Blue;
    uint8_t Green;
    uint8_t Red;
    uint8_t Reserved;
};

struct BitmapHeaders {
    BitmapFileHeader File;
    BitmapInfoHeader Info;
};
#pragma pack(pop)

static_assert(sizeof(BitmapFileHeader) == 14, "BITMAPFILEHEADER is 14 bytes");
static_assert(offsetof(BitmapFileHeader, Size) == 2, "bfSize");
static_assert(offsetof(BitmapFileHeader, Reserved1) == 6, "bfReserved1");
static_assert(offsetof(BitmapFileHeader, Reserved2) == 8, "bfReserved2");
static_assert(offsetof(BitmapFileHeader, OffBits) == 10, "bfOffBits");
static_assert(sizeof(BitmapInfoHeader) == 40, "BITMAPINFOHEADER is 40 bytes");
static_assert(offsetof(BitmapInfoHeader, Width) == 4, "biWidth");
static_assert(offsetof(BitmapInfoHeader, Height) == 8, "biHeight");
static_assert(offsetof(BitmapInfoHeader, Planes) == 12, "biPlanes");
static_assert(offsetof(BitmapInfoHeader, BitCount) == 14, "biBitCount");
static_assert(offsetof(BitmapInfoHeader, Compression) == 16, "biCompression");
static_assert(offsetof(BitmapInfoHeader, SizeImage) == 20, "biSizeImage");
static_assert(offsetof(BitmapInfoHeader, XPelsPerMeter) == 24, "biXPelsPerMeter");
static_assert(offsetof(BitmapInfoHeader, YPelsPerMeter) == 28, "biYPelsPerMeter");
static_assert(offsetof(BitmapInfoHeader, ClrUsed) == 32, "biClrUsed");
static_assert(offsetof(BitmapInfoHeader, ClrImportant) == 36, "biClrImportant");
static_assert(sizeof(BitmapPaletteEntry) == 4, "RGBQUAD is 4 bytes");
static_assert(sizeof(BitmapHeaders) == 54, "both headers are 54 bytes");
static_assert(offsetof(BitmapHeaders, Info) == 14, "info header follows the file header");

constexpr uint16_t kBitmapFileType = 0x4D42;  // "BM"

// Results of CreateBitmapFile.
constexpr int kBitmapWritten = 1;
constexpr int kBitmapFileFailed = 0;
constexpr int kBitmapNoMemory = -1;

// Color table entries for `bits` per pixel: 2, 16, 256, or 0 for 24 bits
// and any unsupported count.
int BitmapPaletteEntries(int bits);
// Bytes in front of the pixel rows: both headers and the color table.
uint32_t BitmapHeaderBytes(int bits);
// Pixels per metre written for `dpi`: dpi x 10000 / 254, truncated.
int32_t PixelsPerMeter(int32_t dpi);

// Creates (or truncates) the file at `path` and writes the headers and color
// table of a `width` x `height` bitmap of `bits` (1, 4, 8 or 24) per pixel at
// `dpi`; the file is then extended to its full size, so every row already has
// its place. kBitmapWritten on success; kBitmapNoMemory when the header block
// cannot be had; kBitmapFileFailed for a file that cannot be made or written
// (nothing is left behind then) and for bad arguments: no path, another bit
// count, a width below 1, a negative height, a dpi below 1, or a file larger
// than the 32-bit size fields can tell.
int CreateBitmapFile(const char* path, int bits, int32_t dpi, int32_t width, int32_t height);
