// Block reads from the scanner into a block of the reader's own, so that
// whatever the scanner library writes stays inside memory the reader owns:
// rows are then copied out in the number and size the page announced. A
// library that answers more rows than asked, or writes rows wider than the
// page's, fails the read instead of overrunning the buffer behind it; so
// does one that keeps answering 0 rows, which would otherwise hold the
// application for ever.
#pragma once

#include "framework/handles.h"

#include <cstdint>

class ScannerIo;

class BlockReader {
public:
    // Consecutive empty answers, and seconds without a row, that no working
    // scanner reaches; past either the read fails.
    static constexpr int kMaxEmptyAnswers = 1000;
    static constexpr uint32_t kMaxMillisecondsWithoutRows = 30000;

    // Reads rows of `width` pixels padded to `rowBytes`, from `side`, at most
    // `maxLines` at a time.
    BlockReader(const ScannerIo& io, int32_t width, int side, int32_t rowBytes, int32_t maxLines);

    // False when the reader's block could not be allocated.
    bool Ready() const { return static_cast<bool>(block_); }
    int32_t MaxLines() const { return maxLines_; }
    int32_t RowBytes() const { return rowBytes_; }

    // Reads up to `lines` rows (1 to MaxLines) into Rows(): the rows
    // delivered (0 or more, 0 only with end of page), or -1 when the scanner
    // failed, stopped delivering, or wrote beyond the rows asked for.
    // `endOfPage` (may be null) gets the low 16 bits of the scanner's flag.
    int Read(int32_t lines, int32_t* endOfPage);
    // The rows of the last read, each RowBytes() long.
    const uint8_t* Rows() const { return block_.Bytes(); }
    uint8_t* Rows() { return block_.Bytes(); }

private:
    // The scanner's answer to one call, checked; -1 for a broken answer.
    int ReadOnce(int32_t lines, int32_t* endOfPage);

    const ScannerIo& io_;
    int32_t width_;
    int side_;
    int32_t rowBytes_;
    int32_t maxLines_;
    VirtualBlock block_;
};
