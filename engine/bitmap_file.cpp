#include "engine/bitmap_file.h"

#include "engine/pixel_rows.h"
#include "framework/global_block.h"
#include "framework/handles.h"

#include <windows.h>

#include <cstring>
#include <limits>

namespace {

bool SupportedBits(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 24; }

uint8_t PaletteGray(int bits, int entry) {
    switch (bits) {
        case 1: return entry == 0 ? 0 : 255;
        // Sixteen steps of 16, the last one pulled up to full white.
        case 4: return entry == 15 ? 255 : static_cast<uint8_t>(16 * entry);
        default: return static_cast<uint8_t>(entry);
    }
}

void FillHeaders(uint8_t* bytes, int bits, int32_t dpi, int32_t width, int32_t height,
                 uint32_t headerBytes, uint32_t fileBytes) {
    const int entries = BitmapPaletteEntries(bits);
    BitmapHeaders headers{};
    headers.File.Type = kBitmapFileType;
    headers.File.Size = fileBytes;
    headers.File.OffBits = headerBytes;
    headers.Info.Size = sizeof(BitmapInfoHeader);
    headers.Info.Width = width;
    headers.Info.Height = height;
    headers.Info.Planes = 1;
    headers.Info.BitCount = static_cast<uint16_t>(bits);
    headers.Info.Compression = 0;
    headers.Info.SizeImage = fileBytes - headerBytes;
    headers.Info.XPelsPerMeter = PixelsPerMeter(dpi);
    headers.Info.YPelsPerMeter = PixelsPerMeter(dpi);
    headers.Info.ClrUsed = static_cast<uint32_t>(entries);
    headers.Info.ClrImportant = static_cast<uint32_t>(entries);
    std::memcpy(bytes, &headers, sizeof headers);
    for (int i = 0; i < entries; ++i) {
        const uint8_t gray = PaletteGray(bits, i);
        const BitmapPaletteEntry entry{gray, gray, gray, 0};
        std::memcpy(bytes + sizeof headers + i * sizeof entry, &entry, sizeof entry);
    }
}

}  // namespace

int BitmapPaletteEntries(int bits) {
    switch (bits) {
        case 1: return 2;
        case 4: return 16;
        case 8: return 256;
        default: return 0;
    }
}

uint32_t BitmapHeaderBytes(int bits) {
    return static_cast<uint32_t>(sizeof(BitmapHeaders) +
                                 BitmapPaletteEntries(bits) * sizeof(BitmapPaletteEntry));
}

int32_t PixelsPerMeter(int32_t dpi) {
    return static_cast<int32_t>(static_cast<int64_t>(dpi) * 10000 / 254);
}

int CreateBitmapFile(const char* path, int bits, int32_t dpi, int32_t width, int32_t height) {
    if (!path || !*path || !SupportedBits(bits) || width < 1 || height < 0 || dpi < 1)
        return kBitmapFileFailed;
    const int32_t stride = BytesPerLine(bits, width);
    if (stride <= 0) return kBitmapFileFailed;
    const uint32_t headerBytes = BitmapHeaderBytes(bits);
    const uint64_t fileBytes = headerBytes + static_cast<uint64_t>(height) * static_cast<uint64_t>(stride);
    if (fileBytes > std::numeric_limits<uint32_t>::max()) return kBitmapFileFailed;

    GlobalBlock block = GlobalBlock::Allocate(headerBytes);
    if (!block) return kBitmapNoMemory;
    GlobalBlockLock locked(block.Get());
    if (!locked) return kBitmapNoMemory;
    FillHeaders(locked.Bytes(), bits, dpi, width, height, headerBytes,
                static_cast<uint32_t>(fileBytes));

    UniqueHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return kBitmapFileFailed;
    DWORD written = 0;
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(fileBytes);
    // The whole pixel area exists from here on, so rows can be written from
    // the end of the file backwards.
    bool ok = WriteFile(file.Get(), locked.Bytes(), headerBytes, &written, nullptr) &&
              written == headerBytes && SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN) &&
              SetEndOfFile(file.Get());
    ok = CloseHandle(file.Release()) && ok;
    if (!ok) {
        // A header without its pixel area is no bitmap; do not leave it.
        DeleteFileA(path);
        return kBitmapFileFailed;
    }
    return kBitmapWritten;
}
