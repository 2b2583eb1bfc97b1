// Writing the pages the client receives as BMP files.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Writes a packed DIB (BITMAPINFOHEADER, colour table, bits) as a BMP file.
bool WriteDibFile(const std::string& path, const void* dib, size_t dibBytes);

// Writes top-down rows as they come from a memory transfer: 1-bit (1 white),
// 8-bit gray or 24-bit red-green-blue, `stride` bytes a row.
bool WriteRowsFile(const std::string& path, int bits, int32_t width, int32_t height,
                   int32_t stride, const std::vector<uint8_t>& rows, int32_t dpi);

// Size of a packed DIB from its header, or 0 when the header makes no sense.
size_t PackedDibBytes(const BITMAPINFOHEADER& header);
