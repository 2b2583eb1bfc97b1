#include "bench/bench_page.h"

#include "engine/bitmap_file.h"
#include "engine/lines_per_block.h"
#include "engine/pixel_rows.h"

#include <cstdio>
#include <cstring>

namespace {

const BenchPage kFullPages[] = {
    {"color600", "600 dpi colour Letter", kScanModeColor, 600, true},
    {"bw300", "300 dpi black-and-white Letter", kScanModeBlackWhite, 300, false},
};

// 75 dpi: the lowest resolution the data source offers.
const BenchPage kQuickPages[] = {
    {"color75", "75 dpi colour Letter", kScanModeColor, 75, true},
    {"bw75", "75 dpi black-and-white Letter", kScanModeBlackWhite, 75, false},
};

// The record without the scanner's adjustments, as LinesPerBlock reads it.
ScanSettings FrameRecord(const BenchPage& page) {
    ScanSettings record{};
    record.ScanMode = page.scanMode;
    record.DPI = page.dpi;
    record.Top = kPageTop;
    record.Left = kPageLeft;
    record.Bottom = kPageBottom;
    record.Right = kPageRight;
    return record;
}

}  // namespace

std::vector<BenchPage> BenchPages(bool quick) {
    if (quick) return std::vector<BenchPage>(std::begin(kQuickPages), std::end(kQuickPages));
    return std::vector<BenchPage>(std::begin(kFullPages), std::end(kFullPages));
}

bool FindBenchPage(const std::string& name, BenchPage& page) {
    for (const bool quick : {false, true}) {
        for (const BenchPage& candidate : BenchPages(quick)) {
            if (name == candidate.name) {
                page = candidate;
                return true;
            }
        }
    }
    return false;
}

ScanSettings ScannerRecord(const BenchPage& page) {
    ScanSettings record = FrameRecord(page);
    record.Brightness = 0;
    record.Contrast = 0;
    record.Gamma = 2;
    record.Highlight = 255;
    record.Shadow = 0;
    record.StartFlag = 1;
    return record;
}

std::string RecordHex(const ScanSettings& record) {
    unsigned char bytes[sizeof record];
    std::memcpy(bytes, &record, sizeof record);
    std::string hex;
    for (unsigned char b : bytes) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", b);
        hex += digits;
    }
    return hex;
}

int32_t PageWidth(const BenchPage& page) { return (kPageRight - kPageLeft) * page.dpi / 100; }

int32_t PageLength(const BenchPage& page) { return (kPageBottom - kPageTop) * page.dpi / 100; }

int PageBits(const BenchPage& page) { return ScanModeBits(page.scanMode); }

int32_t PageRowBytes(const BenchPage& page) { return BytesPerLine(PageBits(page), PageWidth(page)); }

int32_t PagePixelBytes(const BenchPage& page) {
    return static_cast<int32_t>((static_cast<int64_t>(PageBits(page)) * PageWidth(page) + 7) / 8);
}

int32_t PageBlockLines(const BenchPage& page) { return LinesPerBlock(FrameRecord(page)); }

uint64_t PageDibBytes(const BenchPage& page) {
    return BitmapHeaderBytes(PageBits(page)) - sizeof(BitmapFileHeader) +
           static_cast<uint64_t>(PageRowBytes(page)) * static_cast<uint64_t>(PageLength(page));
}
