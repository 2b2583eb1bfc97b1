// Row strides and the block operations done on rows on their way into a
// bitmap file: turning a block upside down and swapping red with blue.
#pragma once

#include <cstdint>

// Bits per pixel of a scan mode: 8 for grayscale, 24 for color, 1 otherwise.
int ScanModeBits(int16_t scanMode);

// Bytes of one row of `width` pixels of `bits` (1, 4, 8 or 24) padded to a
// multiple of 4; 0 for any other bit count, a negative width, or a row too
// long for 32 bits.
int32_t BytesPerLine(int bits, int32_t width);

// Swaps row i with row rows - 1 - i of a block of `rows` rows of `stride`
// bytes. False (block untouched) for a null buffer or a negative size.
bool ReverseRows(uint8_t* buffer, int32_t rows, int32_t stride);

// Exchanges the first and third byte of each 3-byte pixel of `width` pixels
// in every row, leaving the row padding alone. False (block untouched) for a
// null buffer, negative sizes or a stride shorter than the pixels.
bool SwapRedBlue(uint8_t* buffer, int32_t rows, int32_t width, int32_t stride);
