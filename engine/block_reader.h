// Block reads from the scanner with a bound on empty answers: a library that
// keeps answering 0 rows would otherwise hold the application for ever.
#pragma once

#include <cstdint>

class ScannerIo;

class BlockReader {
public:
    // Consecutive empty answers, and seconds without a row, that no working
    // scanner reaches; past either the read fails.
    static constexpr int kMaxEmptyAnswers = 1000;
    static constexpr uint32_t kMaxMillisecondsWithoutRows = 30000;

    BlockReader(const ScannerIo& io, int32_t width, int side) : io_(io), width_(width), side_(side) {}

    // Rows delivered (0 or more, 0 only with end of page), or -1 when the
    // scanner failed or stopped delivering. `endOfPage` (may be null) gets
    // the low 16 bits of the scanner's flag.
    int Read(uint8_t* buffer, int lines, int32_t* endOfPage);

private:
    const ScannerIo& io_;
    int32_t width_;
    int side_;
};
