#include "bench/bitmap_check.h"

#include "engine/bitmap_file.h"
#include "framework/handles.h"

#include <windows.h>

#include <cstring>
#include <utility>
#include <vector>

namespace {

// Unmaps a view when it goes.
class MappedView {
public:
    explicit MappedView(const void* view) : view_(view) {}
    ~MappedView() {
        if (view_) UnmapViewOfFile(view_);
    }
    MappedView(const MappedView&) = delete;
    MappedView& operator=(const MappedView&) = delete;
    const uint8_t* Bytes() const { return static_cast<const uint8_t*>(view_); }

private:
    const void* view_;
};

bool HeaderFits(const BitmapInfoHeader& info, const BenchPage& page, std::string& error) {
    if (info.Size != sizeof(BitmapInfoHeader) || info.Width != PageWidth(page) ||
        info.Height != PageLength(page) || info.BitCount != PageBits(page) || info.Compression != 0) {
        error = "the bitmap is " + std::to_string(info.Width) + " x " + std::to_string(info.Height) +
                " at " + std::to_string(info.BitCount) + " bits, not the page's " +
                std::to_string(PageWidth(page)) + " x " + std::to_string(PageLength(page)) + " at " +
                std::to_string(PageBits(page));
        return false;
    }
    return true;
}

// Black-and-white bitmaps must keep the scanner's meaning of a bit: 1 white.
bool PaletteFits(const uint8_t* palette, const BenchPage& page, std::string& error) {
    if (PageBits(page) != 1) return true;
    BitmapPaletteEntry entries[2];
    std::memcpy(entries, palette, sizeof entries);
    if (entries[0].Red == 0 && entries[0].Green == 0 && entries[0].Blue == 0 && entries[1].Red == 255 &&
        entries[1].Green == 255 && entries[1].Blue == 255)
        return true;
    error = "the black-and-white bitmap's colour table is not black, white";
    return false;
}

}  // namespace

bool ChecksumPackedDib(const uint8_t* dib, uint64_t size, const BenchPage& page,
                       RowChecksum& checksum, std::string& error) {
    const uint64_t expected = PageDibBytes(page);
    if (!dib || size < expected) {
        error = "the bitmap holds " + std::to_string(size) + " bytes, the page needs " +
                std::to_string(expected);
        return false;
    }
    BitmapInfoHeader info;
    std::memcpy(&info, dib, sizeof info);
    if (!HeaderFits(info, page, error)) return false;
    const uint8_t* palette = dib + sizeof info;
    if (!PaletteFits(palette, page, error)) return false;

    const uint8_t* pixels = palette + BitmapPaletteEntries(PageBits(page)) * sizeof(BitmapPaletteEntry);
    const int32_t stride = PageRowBytes(page);
    const int32_t pixelBytes = PagePixelBytes(page);
    const int32_t length = PageLength(page);
    std::vector<uint8_t> row(static_cast<size_t>(stride));
    for (int32_t y = 0; y < length; ++y) {
        // The bitmap's last row is the top of the page.
        const uint8_t* source = pixels + static_cast<uint64_t>(length - 1 - y) * stride;
        std::memcpy(row.data(), source, static_cast<size_t>(stride));
        if (PageBits(page) == 24)
            for (int32_t x = 0; x + 2 < pixelBytes; x += 3) std::swap(row[x], row[x + 2]);
        checksum.AddRow(row.data());
    }
    return true;
}

bool ChecksumBitmapFile(const std::string& path, const BenchPage& page, RowChecksum& checksum,
                        std::string& error) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        error = "the transferred file " + path + " cannot be opened, error " + std::to_string(GetLastError());
        return false;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < static_cast<LONGLONG>(sizeof(BitmapHeaders))) {
        error = "the transferred file " + path + " is too short for a bitmap";
        return false;
    }
    UniqueHandle mapping(CreateFileMappingA(file.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    MappedView view(mapping ? MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, 0) : nullptr);
    if (!view.Bytes()) {
        error = "the transferred file " + path + " cannot be mapped, error " + std::to_string(GetLastError());
        return false;
    }
    BitmapFileHeader header;
    std::memcpy(&header, view.Bytes(), sizeof header);
    const auto fileBytes = static_cast<uint64_t>(size.QuadPart);
    if (header.Type != kBitmapFileType || header.Size != fileBytes ||
        header.OffBits != BitmapHeaderBytes(PageBits(page))) {
        error = "the transferred file " + path + " has a damaged bitmap file header";
        return false;
    }
    return ChecksumPackedDib(view.Bytes() + sizeof header, fileBytes - sizeof header, page, checksum, error);
}
