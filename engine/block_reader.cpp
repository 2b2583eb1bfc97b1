#include "engine/block_reader.h"

#include "engine/pixel_rows.h"
#include "engine/scan_settings.h"
#include "engine/scanner_io.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

// The widest row the scanner makes: a colour row across the whole glass at
// its highest resolution. The block has room for that many bytes per row
// asked for on top of the rows themselves, so a library that writes the
// rows of another page, or more rows than asked, still writes only into the
// block, where the mark behind the asked rows shows it.
constexpr int32_t kHighestResolution = 600;
const int32_t kWidestRowBytes = BytesPerLine(24, kMaxRight * kHighestResolution / 100);

// Bytes written just behind the rows asked for; a scanner that leaves them
// as they were wrote no more than it was asked to.
constexpr uint8_t kMark[32] = {0x5A, 0xC3, 0x96, 0x0F, 0xE1, 0x3C, 0x78, 0xA5, 0x1E, 0xD2, 0x69,
                               0xB4, 0x2D, 0xF0, 0x87, 0x4B, 0x96, 0x5A, 0x0F, 0xC3, 0x3C, 0xE1,
                               0xA5, 0x78, 0xD2, 0x1E, 0xB4, 0x69, 0xF0, 0x2D, 0x4B, 0x87};

size_t BlockSize(int32_t rowBytes, int32_t maxLines) {
    if (rowBytes <= 0 || maxLines <= 0) return 0;
    const size_t lines = static_cast<size_t>(maxLines);
    return lines * static_cast<size_t>(rowBytes) + lines * static_cast<size_t>(kWidestRowBytes) +
           sizeof kMark;
}

}  // namespace

BlockReader::BlockReader(const ScannerIo& io, int32_t width, int side, int32_t rowBytes,
                         int32_t maxLines)
    : io_(io),
      width_(width),
      side_(side),
      rowBytes_(rowBytes),
      maxLines_(std::max(maxLines, 1)),
      block_(BlockSize(rowBytes, maxLines_)) {}

int BlockReader::ReadOnce(int32_t lines, int32_t* endOfPage) {
    uint8_t* mark = block_.Bytes() + static_cast<size_t>(lines) * static_cast<size_t>(rowBytes_);
    std::memcpy(mark, kMark, sizeof kMark);
    int32_t flag = 0;
    const int rows = io_.GetImageBlock(block_.Bytes(), lines, endOfPage ? &flag : nullptr, width_, side_);
    if (endOfPage) *endOfPage = flag & 0xFFFF;
    if (rows < 0 || rows > lines || std::memcmp(mark, kMark, sizeof kMark) != 0) return -1;
    return rows;
}

int BlockReader::Read(int32_t lines, int32_t* endOfPage) {
    if (!block_ || lines < 1 || lines > maxLines_) return -1;
    int empty = 0;
    const DWORD start = GetTickCount();
    for (;;) {
        const int rows = ReadOnce(lines, endOfPage);
        if (rows < 0) return -1;
        if (rows > 0 || (endOfPage && *endOfPage)) return rows;
        // An empty answer is asked again, within bounds.
        if (++empty >= kMaxEmptyAnswers || GetTickCount() - start >= kMaxMillisecondsWithoutRows)
            return -1;
    }
}
