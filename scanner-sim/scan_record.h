// The 86-byte scan record the data source hands over, read field by field,
// and the page geometry it asks for.
#pragma once

#include <stdint.h>

#include <string>

struct ScanRecord {
    int16_t scanMode;
    int16_t dpi;
    int16_t brightness;
    int16_t contrast;
    int16_t gamma;  // in the copy given to IO_StartScanPage: gamma x 10 - 8
    int16_t highlight;
    int16_t shadow;
    int16_t startFlag;
    int16_t detectEop;
    int16_t doubleSided;
    int16_t filter;
    int16_t invert;
    int16_t top;  // frame, hundredths of an inch from the sheet's top-left
    int16_t left;
    int16_t bottom;
    int16_t right;
};

ScanRecord ReadScanRecord(const void* bytes);

// The 86 bytes as 172 upper-case hex digits, for the call log.
std::string RecordHex(const void* bytes);

int32_t BitsPerPixel(int32_t scanMode);
// Rows are padded to a multiple of 4 bytes.
int32_t BytesPerLine(int32_t bits, int32_t width);

struct PageGeometry {
    int32_t dpi;
    int32_t pixelsPerLine;
    int32_t lines;
    int32_t firstColumn;  // sheet pixel under the frame's left edge
    int32_t firstRow;     // sheet row under the frame's top edge
    int32_t bitsPerPixel;
    int32_t stride;
};

// False, with the reason, for a resolution or frame the scanner cannot scan.
bool GeometryOf(const ScanRecord& record, PageGeometry& geometry, const char*& reason);
