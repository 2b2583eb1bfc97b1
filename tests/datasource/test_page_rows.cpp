#include "tests/datasource/test_page_rows.h"

#include "scanner-sim/test_page.h"

#include <algorithm>
#include <sstream>
#include <utility>

int BitsOfMode(int scanMode) { return scanMode == 1 ? 8 : scanMode == 4 ? 24 : 1; }

int32_t RowBytesOf(int scanMode, int32_t width) {
    return static_cast<int32_t>((static_cast<int64_t>(width) * BitsOfMode(scanMode) + 31) / 32 * 4);
}

std::vector<uint8_t> ExpectedScannerRows(const ScannedPage& page) {
    const int32_t rowBytes = RowBytesOf(page.scanMode, page.width);
    std::vector<uint8_t> rows(static_cast<size_t>(rowBytes) * page.length, 0);
    const test_page::Sheet sheet{page.sheetWidth, page.sheetLength};
    const int32_t firstRow = page.top * page.dpi / 100;
    const int32_t firstColumn = page.left * page.dpi / 100;
    for (int32_t y = 0; y < page.length; ++y) {
        uint8_t* row = rows.data() + static_cast<size_t>(rowBytes) * y;
        for (int32_t x = 0; x < page.width; ++x) {
            const Rgb p = test_page::Pixel(0, firstColumn + x, firstRow + y, page.dpi, sheet);
            switch (page.scanMode) {
            case 4:
                row[3 * x] = p.r;
                row[3 * x + 1] = p.g;
                row[3 * x + 2] = p.b;
                break;
            case 1:
                row[x] = GrayLevel(p);
                break;
            default:
                if (GrayLevel(p) >= 128) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
                break;
            }
        }
    }
    return rows;
}

std::string FirstRowDifference(const std::vector<uint8_t>& actual,
                               const std::vector<uint8_t>& expected, int32_t rowBytes) {
    if (actual.size() != expected.size()) {
        std::ostringstream text;
        text << actual.size() << " bytes instead of " << expected.size();
        return text.str();
    }
    for (size_t i = 0; i < actual.size(); ++i) {
        if (actual[i] == expected[i]) continue;
        std::ostringstream text;
        text << "row " << i / rowBytes << " byte " << i % rowBytes << ": " << int(actual[i])
             << " instead of " << int(expected[i]);
        return text.str();
    }
    return std::string();
}

std::vector<uint8_t> AsBitmapRows(const std::vector<uint8_t>& rows, int scanMode, int32_t width,
                                  int32_t rowBytes) {
    const size_t count = rows.size() / rowBytes;
    std::vector<uint8_t> bitmap(rows.size());
    for (size_t y = 0; y < count; ++y) {
        const uint8_t* from = rows.data() + y * rowBytes;
        uint8_t* to = bitmap.data() + (count - 1 - y) * rowBytes;
        std::copy(from, from + rowBytes, to);
        if (scanMode == 4)
            for (int32_t x = 0; x < width; ++x) std::swap(to[3 * x], to[3 * x + 2]);
    }
    return bitmap;
}
