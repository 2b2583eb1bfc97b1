// A checksum over the pixel bytes of a page's rows, top row first, in the
// scanner's layout (red-green-blue, 1 = white), so that a page delivered by
// any method can be compared with the one the scanner gave the raw loop.
#pragma once

#include <cstdint>

class RowChecksum {
public:
    // `pixelBytes`: bytes of a row that carry pixels; row padding is left out.
    explicit RowChecksum(int32_t pixelBytes) : pixelBytes_(pixelBytes) {}

    void AddRow(const uint8_t* row);
    // `count` rows, top-down, `stride` bytes apart.
    void AddRows(const uint8_t* rows, int32_t count, int32_t stride);

    uint64_t Value() const { return hash_; }
    int32_t Rows() const { return rows_; }

private:
    int32_t pixelBytes_;
    uint64_t hash_ = 0xCBF29CE484222325ull;
    int32_t rows_ = 0;
};
