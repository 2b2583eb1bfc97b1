// A Windows bitmap file read into a DIB section: the reader of the preview
// picture. Only uncompressed bottom-up files with 1 to 8 or 24 bits per
// pixel are taken; anything else is refused with a status and leaves no image.
#pragma once

#include "framework/gdi_object.h"
#include "framework/global_block.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

enum BitmapLoadStatus : int {
    kBitmapLoaded = 0,
    kBitmapOutOfMemory = 1,
    kBitmapCannotOpen = 2,
    kBitmapNotBitmap = 3,  // no "BM", a header size other than 12 or 40, a
                           // truncated file, a bad offset or an absurd size
    kBitmapCompressed = 4,
    kBitmapUnsupportedBits = 5,
};

// Bytes of the header block: the 40-byte information header and 256 colours.
constexpr size_t kBitmapHeaderBlockBytes = 40 + 256 * 4;
static_assert(kBitmapHeaderBlockBytes == 1064, "header block is 1064 bytes");

class BitmapFileImage {
public:
    BitmapFileImage() = default;
    BitmapFileImage(const BitmapFileImage&) = delete;
    BitmapFileImage& operator=(const BitmapFileImage&) = delete;

    // Reads the file header, the information header and the colour table of
    // `fileName`; a 12-byte core header and its 3-byte colours become the
    // 40-byte form. False with `status` set when the file is refused; any
    // earlier image is dropped either way.
    bool Load(const char* fileName, int& status);

    // Makes a DIB section for the loaded header (any previous section is
    // deleted) and reads the pixel rows into it. False when nothing is loaded
    // or the section cannot be made.
    bool CreateSection(HDC dc);

    // Whether a header is loaded.
    bool IsLoaded() const { return loaded_; }
    // The information header (biSizeImage 0) followed by its colour table;
    // null when nothing is loaded.
    const BITMAPINFO* Info() const;
    const BITMAPINFOHEADER* Header() const;
    int32_t Width() const;
    int32_t Height() const;
    int BitCount() const;
    // The section and its pixel rows (bottom-up, rows padded to 4 bytes);
    // null before CreateSection.
    HBITMAP Section() const { return section_.Get(); }
    const uint8_t* Bits() const { return bits_; }

    // Dots per inch: biXPelsPerMeter * 2.54 / 100, rounded to the nearest dot.
    int Resolution() const;
    // 8 bits per pixel and all 256 colours gray (red = green = blue).
    bool IsGray8() const;
    // A logical palette of the colour table, made on first use; null for
    // 24-bit images or when nothing is loaded.
    HPALETTE Palette();

private:
    void Clear();
    // Opens and checks the file, filling the file header and the header
    // block; the load status.
    int Read(const char* fileName);

    std::string fileName_;
    BITMAPFILEHEADER fileHeader_ = {};
    GlobalBlock headerBlock_;  // kBitmapHeaderBlockBytes, moveable
    // Keeps the block locked while the image is loaded, so that Info() and
    // Header() stay put; declared after the block, so it goes first.
    std::optional<GlobalBlockLock> headerLock_;
    bool loaded_ = false;
    GdiObject<HBITMAP> section_;
    uint8_t* bits_ = nullptr;
    GdiObject<HPALETTE> palette_;
};
