#include "ui/bitmap_file_image.h"

#include <cmath>

#include "framework/handles.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

// The file layouts this reader takes apart.
static_assert(sizeof(BITMAPFILEHEADER) == 14, "BITMAPFILEHEADER is 14 bytes");
static_assert(offsetof(BITMAPFILEHEADER, bfSize) == 2, "bfSize");
static_assert(offsetof(BITMAPFILEHEADER, bfOffBits) == 10, "bfOffBits");
static_assert(sizeof(BITMAPINFOHEADER) == 40, "BITMAPINFOHEADER is 40 bytes");
static_assert(offsetof(BITMAPINFOHEADER, biWidth) == 4, "biWidth");
static_assert(offsetof(BITMAPINFOHEADER, biHeight) == 8, "biHeight");
static_assert(offsetof(BITMAPINFOHEADER, biPlanes) == 12, "biPlanes");
static_assert(offsetof(BITMAPINFOHEADER, biBitCount) == 14, "biBitCount");
static_assert(offsetof(BITMAPINFOHEADER, biCompression) == 16, "biCompression");
static_assert(offsetof(BITMAPINFOHEADER, biSizeImage) == 20, "biSizeImage");
static_assert(offsetof(BITMAPINFOHEADER, biXPelsPerMeter) == 24, "biXPelsPerMeter");
static_assert(offsetof(BITMAPINFOHEADER, biClrUsed) == 32, "biClrUsed");
static_assert(sizeof(BITMAPCOREHEADER) == 12, "BITMAPCOREHEADER is 12 bytes");
static_assert(offsetof(BITMAPCOREHEADER, bcWidth) == 4, "bcWidth");
static_assert(offsetof(BITMAPCOREHEADER, bcHeight) == 6, "bcHeight");
static_assert(offsetof(BITMAPCOREHEADER, bcPlanes) == 8, "bcPlanes");
static_assert(offsetof(BITMAPCOREHEADER, bcBitCount) == 10, "bcBitCount");
static_assert(sizeof(RGBTRIPLE) == 3, "RGBTRIPLE is 3 bytes");
static_assert(sizeof(RGBQUAD) == 4, "RGBQUAD is 4 bytes");
static_assert(offsetof(BITMAPINFO, bmiColors) == 40, "colours follow the information header");

namespace {

constexpr uint16_t kFileType = 0x4D42;  // "BM"
constexpr uint32_t kCoreHeaderBytes = sizeof(BITMAPCOREHEADER);
constexpr uint32_t kInfoHeaderBytes = sizeof(BITMAPINFOHEADER);
constexpr uint32_t kMaxColours = 256;
constexpr int32_t kMaxSide = 65535;
constexpr uint64_t kMaxPixelBytes = 256ull * 1024 * 1024;
// Pixel rows are read in pieces of this size, so that no single read asks
// for the whole picture at once.
constexpr DWORD kPixelChunkBytes = 409600;

// Reads up to `wanted` bytes, as many as the file still has; the count read.
DWORD ReadUpTo(HANDLE file, void* buffer, DWORD wanted) {
    auto* target = static_cast<uint8_t*>(buffer);
    DWORD total = 0;
    while (total < wanted) {
        DWORD got = 0;
        if (!ReadFile(file, target + total, wanted - total, &got, nullptr) || got == 0) break;
        total += got;
    }
    return total;
}

uint64_t RowBytes(int32_t width, int bits) {
    return (static_cast<uint64_t>(width) * static_cast<uint64_t>(bits) + 31) / 32 * 4;
}

// The bit counts a DIB section can be made for.
bool SupportedBits(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 24; }

// Turns the 12-byte core header and its 3-byte colours at the start of
// `block` (of which `held` bytes came from the file, `tableRoom` of them room
// for colours before the pixels) into the 40-byte form with 4-byte colours.
int ConvertCoreHeader(uint8_t* block, size_t held, uint64_t tableRoom) {
    BITMAPCOREHEADER core;
    std::memcpy(&core, block, sizeof core);
    const int bits = core.bcBitCount;
    if (!SupportedBits(bits)) return kBitmapUnsupportedBits;
    if (core.bcWidth == 0 || core.bcHeight == 0) return kBitmapNotBitmap;
    const uint32_t colours = bits <= 8 ? (1u << bits) : 0;
    if (static_cast<uint64_t>(colours) * sizeof(RGBTRIPLE) > tableRoom ||
        kCoreHeaderBytes + colours * sizeof(RGBTRIPLE) > held)
        return kBitmapNotBitmap;

    RGBTRIPLE triples[kMaxColours];
    std::memcpy(triples, block + kCoreHeaderBytes, colours * sizeof(RGBTRIPLE));
    std::memset(block, 0, kBitmapHeaderBlockBytes);

    BITMAPINFOHEADER info = {};
    info.biSize = kInfoHeaderBytes;
    info.biWidth = core.bcWidth;
    info.biHeight = core.bcHeight;
    info.biPlanes = 1;
    info.biBitCount = core.bcBitCount;
    std::memcpy(block, &info, sizeof info);
    auto* quads = reinterpret_cast<RGBQUAD*>(block + kInfoHeaderBytes);
    for (uint32_t i = 0; i < colours; ++i)
        quads[i] = RGBQUAD{triples[i].rgbtBlue, triples[i].rgbtGreen, triples[i].rgbtRed, 0};
    return kBitmapLoaded;
}

// Checks the 40-byte header at the start of `block` and its colour table;
// the bytes past the used colours are cleared, so that the block holds
// nothing but the header and its table.
int CheckInfoHeader(uint8_t* block, size_t held, uint64_t tableRoom) {
    auto* info = reinterpret_cast<BITMAPINFOHEADER*>(block);
    if (info->biCompression != BI_RGB) return kBitmapCompressed;
    const int bits = info->biBitCount;
    if (!SupportedBits(bits)) return kBitmapUnsupportedBits;
    const uint64_t possible = bits <= 8 ? (1ull << bits) : (1ull << 24);
    const uint64_t colours = info->biClrUsed != 0 ? info->biClrUsed : (bits <= 8 ? possible : 0);
    if (colours > possible || colours * sizeof(RGBQUAD) > tableRoom) return kBitmapNotBitmap;
    // The section is sized from the width, height and bits alone.
    info->biSizeImage = 0;
    if (bits > 8) {
        // A colour table beside true-colour pixels is only a display hint;
        // the block has no room for a long one, so it is not kept.
        info->biClrUsed = 0;
        info->biClrImportant = 0;
        std::memset(block + kInfoHeaderBytes, 0, kBitmapHeaderBlockBytes - kInfoHeaderBytes);
        return kBitmapLoaded;
    }
    const size_t tableEnd = kInfoHeaderBytes + static_cast<size_t>(colours) * sizeof(RGBQUAD);
    if (tableEnd > held) return kBitmapNotBitmap;
    std::memset(block + tableEnd, 0, kBitmapHeaderBlockBytes - tableEnd);
    return kBitmapLoaded;
}

}  // namespace

bool BitmapFileImage::Load(const char* fileName, int& status) {
    Clear();
    status = Read(fileName);
    if (status != kBitmapLoaded) {
        Clear();
        return false;
    }
    fileName_ = fileName;
    loaded_ = true;
    return true;
}

int BitmapFileImage::Read(const char* fileName) {
    if (!fileName || !*fileName) return kBitmapCannotOpen;
    UniqueHandle file(CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return kBitmapCannotOpen;
    BY_HANDLE_FILE_INFORMATION about = {};
    if (!GetFileInformationByHandle(file.Get(), &about) || (about.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return kBitmapCannotOpen;
    const uint64_t fileBytes = (static_cast<uint64_t>(about.nFileSizeHigh) << 32) | about.nFileSizeLow;

    uint8_t fileHeader[sizeof(BITMAPFILEHEADER)];
    if (ReadUpTo(file.Get(), fileHeader, sizeof fileHeader) != sizeof fileHeader) return kBitmapNotBitmap;
    std::memcpy(&fileHeader_, fileHeader, sizeof fileHeader_);
    if (fileHeader_.bfType != kFileType) return kBitmapNotBitmap;
    const uint64_t offBits = fileHeader_.bfOffBits;
    if (offBits < sizeof(BITMAPFILEHEADER) + kCoreHeaderBytes) return kBitmapNotBitmap;
    // Everything between the file header and the pixels is the information
    // header and its colours; the block takes the longest form of those and
    // never more.
    const uint64_t headerRoom = offBits - sizeof(BITMAPFILEHEADER);
    const DWORD wanted = static_cast<DWORD>(std::min<uint64_t>(headerRoom, kBitmapHeaderBlockBytes));

    GlobalBlock block = GlobalBlock::Allocate(kBitmapHeaderBlockBytes);
    if (!block) return kBitmapOutOfMemory;
    headerBlock_ = std::move(block);
    headerLock_.emplace(headerBlock_.Get());
    if (!*headerLock_ || headerLock_->Size() < kBitmapHeaderBlockBytes) return kBitmapOutOfMemory;
    uint8_t* bytes = headerLock_->Bytes();

    const DWORD held = ReadUpTo(file.Get(), bytes, wanted);
    uint32_t headerSize = 0;
    if (held < sizeof headerSize) return kBitmapNotBitmap;
    std::memcpy(&headerSize, bytes, sizeof headerSize);
    if (headerSize != kCoreHeaderBytes && headerSize != kInfoHeaderBytes) return kBitmapNotBitmap;
    if (headerRoom < headerSize || held < headerSize) return kBitmapNotBitmap;
    const uint64_t tableRoom = headerRoom - headerSize;
    const int checked = headerSize == kCoreHeaderBytes ? ConvertCoreHeader(bytes, held, tableRoom)
                                                       : CheckInfoHeader(bytes, held, tableRoom);
    if (checked != kBitmapLoaded) return checked;

    const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(bytes);
    // Only bottom-up pictures of a sane size; the pixels must all be there.
    if (info->biWidth <= 0 || info->biHeight <= 0) return kBitmapNotBitmap;
    if (info->biWidth > kMaxSide || info->biHeight > kMaxSide) return kBitmapNotBitmap;
    const uint64_t pixelBytes = RowBytes(info->biWidth, info->biBitCount) * static_cast<uint64_t>(info->biHeight);
    if (pixelBytes > kMaxPixelBytes) return kBitmapNotBitmap;
    if (fileBytes < offBits + pixelBytes) return kBitmapNotBitmap;
    return kBitmapLoaded;
}

bool BitmapFileImage::CreateSection(HDC dc) {
    section_.Reset();
    bits_ = nullptr;
    if (!loaded_) return false;

    void* bits = nullptr;
    GdiObject<HBITMAP> section(CreateDIBSection(dc, Info(), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || !bits) return false;

    UniqueHandle file(CreateFileA(fileName_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    LARGE_INTEGER size = {};
    LARGE_INTEGER offset = {};
    offset.QuadPart = static_cast<LONGLONG>(fileHeader_.bfOffBits);
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < offset.QuadPart) return false;
    if (!SetFilePointerEx(file.Get(), offset, nullptr, FILE_BEGIN)) return false;

    const uint64_t sectionBytes = RowBytes(Width(), BitCount()) * static_cast<uint64_t>(Height());
    const uint64_t inFile = static_cast<uint64_t>(size.QuadPart - offset.QuadPart) / 4 * 4;
    const uint64_t wanted = std::min(inFile, sectionBytes);
    GdiFlush();
    auto* target = static_cast<uint8_t*>(bits);
    for (uint64_t done = 0; done < wanted;) {
        const DWORD piece = static_cast<DWORD>(std::min<uint64_t>(wanted - done, kPixelChunkBytes));
        if (ReadUpTo(file.Get(), target + done, piece) != piece) return false;
        done += piece;
    }
    section_ = std::move(section);
    bits_ = target;
    return true;
}

const BITMAPINFO* BitmapFileImage::Info() const {
    if (!loaded_ || !headerLock_) return nullptr;
    return reinterpret_cast<const BITMAPINFO*>(headerLock_->Bytes());
}

const BITMAPINFOHEADER* BitmapFileImage::Header() const {
    const BITMAPINFO* info = Info();
    return info ? &info->bmiHeader : nullptr;
}

int32_t BitmapFileImage::Width() const { return loaded_ ? Header()->biWidth : 0; }
int32_t BitmapFileImage::Height() const { return loaded_ ? Header()->biHeight : 0; }
int BitmapFileImage::BitCount() const { return loaded_ ? Header()->biBitCount : 0; }

int BitmapFileImage::Resolution() const {
    if (!loaded_) return 0;
    // Rounded: files store dpi * 10000 / 254 truncated (2952 for 75 dpi),
    // which truncated back would read one dot less.
    return static_cast<int>(std::lround(Header()->biXPelsPerMeter * 2.54 / 100));
}

bool BitmapFileImage::IsGray8() const {
    if (!loaded_ || BitCount() != 8) return false;
    const RGBQUAD* colours = Info()->bmiColors;
    for (uint32_t i = 0; i < kMaxColours; ++i)
        if (colours[i].rgbRed != colours[i].rgbGreen || colours[i].rgbGreen != colours[i].rgbBlue) return false;
    return true;
}

HPALETTE BitmapFileImage::Palette() {
    if (!loaded_ || BitCount() > 8) return nullptr;
    if (!palette_) {
        const BITMAPINFO* info = Info();
        const uint32_t colours = info->bmiHeader.biClrUsed != 0 ? info->bmiHeader.biClrUsed : (1u << BitCount());
        alignas(LOGPALETTE) uint8_t storage[sizeof(LOGPALETTE) + (kMaxColours - 1) * sizeof(PALETTEENTRY)];
        auto* palette = reinterpret_cast<LOGPALETTE*>(storage);
        palette->palVersion = 0x300;
        palette->palNumEntries = static_cast<WORD>(colours);
        for (uint32_t i = 0; i < colours; ++i) {
            const RGBQUAD& colour = info->bmiColors[i];
            palette->palPalEntry[i] = PALETTEENTRY{colour.rgbRed, colour.rgbGreen, colour.rgbBlue, 0};
        }
        palette_.Reset(CreatePalette(palette));
    }
    return palette_.Get();
}

void BitmapFileImage::Clear() {
    palette_.Reset();
    section_.Reset();
    bits_ = nullptr;
    loaded_ = false;
    headerLock_.reset();
    headerBlock_.Reset();
    fileHeader_ = {};
    fileName_.clear();
}
