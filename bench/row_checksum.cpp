#include "bench/row_checksum.h"

#include <cstring>

namespace {
constexpr uint64_t kPrime = 0x100000001B3ull;
}

void RowChecksum::AddRow(const uint8_t* row) {
    // Eight bytes a step keeps the check cheap next to the scan; the row
    // number goes in too, so rows in the wrong order do not add up alike.
    uint64_t h = (hash_ ^ static_cast<uint64_t>(rows_)) * kPrime;
    int32_t i = 0;
    for (; i + 8 <= pixelBytes_; i += 8) {
        uint64_t word;
        std::memcpy(&word, row + i, sizeof word);
        h = (h ^ word) * kPrime;
    }
    for (; i < pixelBytes_; ++i) h = (h ^ row[i]) * kPrime;
    hash_ = h;
    ++rows_;
}

void RowChecksum::AddRows(const uint8_t* rows, int32_t count, int32_t stride) {
    for (int32_t i = 0; i < count; ++i) AddRow(rows + static_cast<int64_t>(i) * stride);
}
