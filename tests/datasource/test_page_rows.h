// The rows the virtual scanner delivers for its test sheet, worked out from
// the sheet's pixel function: top-down, each row padded to whole 32-bit
// words, 1 bit (MSB first, 1 white), 8-bit gray or 24-bit red-green-blue.
// The scan's tone is neutral with gamma 1.0, so every level is the sheet's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ScannedPage {
    int scanMode;     // 1 gray, 2 black and white, 4 color
    int dpi;
    int top;          // frame in hundredths of an inch
    int left;
    int32_t width;    // pixels
    int32_t length;   // lines delivered
    int sheetWidth = 850;    // hundredths of an inch
    int sheetLength = 1100;
};

int BitsOfMode(int scanMode);
int32_t RowBytesOf(int scanMode, int32_t width);

// All rows of the page, top row first.
std::vector<uint8_t> ExpectedScannerRows(const ScannedPage& page);

// Empty when equal; otherwise the first differing row and byte.
std::string FirstRowDifference(const std::vector<uint8_t>& actual,
                               const std::vector<uint8_t>& expected, int32_t rowBytes);

// The same rows as a bottom-up bitmap stores them: rows in reverse order and
// color pixels in blue-green-red order.
std::vector<uint8_t> AsBitmapRows(const std::vector<uint8_t>& rows, int scanMode, int32_t width,
                                  int32_t rowBytes);
