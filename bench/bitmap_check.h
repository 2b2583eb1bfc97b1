// Reading back what the native and file transfers handed over: the bitmap
// must be the page's, and its rows, turned top-down and red-green-blue
// again, go into a checksum comparable with the scanner's.
#pragma once

#include "bench/bench_page.h"
#include "bench/row_checksum.h"

#include <cstdint>
#include <string>

// A packed DIB of `size` bytes: BITMAPINFOHEADER, colour table, bottom-up rows.
bool ChecksumPackedDib(const uint8_t* dib, uint64_t size, const BenchPage& page,
                       RowChecksum& checksum, std::string& error);
// A bitmap file (its file header, then a packed DIB), mapped read-only.
bool ChecksumBitmapFile(const std::string& path, const BenchPage& page, RowChecksum& checksum,
                        std::string& error);
