// Building scan records, reading pages through IO_GetImageBlock, and working
// out the rows the virtual scanner should deliver for its test page.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include "brsvio_library.h"
#include "scanner-sim/test_page.h"

struct ScanRecordBytes {
    uint8_t bytes[BRSVIO_RECORD_SIZE] = {};

    ScanRecordBytes& Set(int offset, int value);
    int Get(int offset) const;
    const void* Data() const { return bytes; }
};

// The record as the data source hands it to IO_StartScanPage: neutral tone
// (gamma 1.8 stored as 18 - 8), highlight 255, start flag 1.
ScanRecordBytes PageRecord(int mode, int dpi, int top, int left, int bottom, int right);
// The same with gamma 1.0 (stored as 2): an identity tone table.
ScanRecordBytes LinearRecord(int mode, int dpi, int top, int left, int bottom, int right);

int BitsOf(int mode);
int StrideOf(int bits, int width);

struct PageShape {
    int width = 0;
    int lines = 0;
    int stride = 0;
    int bits = 0;
};
PageShape ShapeOf(const ScanRecordBytes& record);

// Reads `rows` rows of `side` in blocks of `block` rows; stops early at a
// failure or at a call that delivers nothing.
std::vector<uint8_t> ReadRows(const BrsvioLibrary& io, const PageShape& shape, int rows, int side,
                              int block);

// Tone table for the record's own tone words, from IO_AdjustChannelValue.
void ToneTableOf(const BrsvioLibrary& io, const ScanRecordBytes& record, uint8_t table[256]);

// Packs pixel levels into one row of the scanner's formats: 1 bit MSB first
// with 1 white, 8-bit gray, 24-bit R, G, B.
class RowWriter {
public:
    RowWriter(int bits, int stride);
    void Put(int x, Rgb level);  // already toned (and inverted)
    const std::vector<uint8_t>& Row() const { return row_; }

private:
    int bits_;
    std::vector<uint8_t> row_;
};

// The row the scanner should deliver for frame row `frameRow` of the test page.
std::vector<uint8_t> ExpectedTestPageRow(const ScanRecordBytes& record,
                                         const test_page::Sheet& sheet, int side, int frameRow,
                                         const uint8_t tone[256]);

// Empty when equal; otherwise where and how the first difference shows.
std::string FirstDifference(const std::vector<uint8_t>& actual,
                            const std::vector<uint8_t>& expected, int stride);
