#include "scan_helpers.h"

#include <sstream>

ScanRecordBytes& ScanRecordBytes::Set(int offset, int value) {
    bytes[offset] = static_cast<uint8_t>(value & 0xFF);
    bytes[offset + 1] = static_cast<uint8_t>((value >> 8) & 0xFF);
    return *this;
}

int ScanRecordBytes::Get(int offset) const {
    return static_cast<int16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

ScanRecordBytes PageRecord(int mode, int dpi, int top, int left, int bottom, int right) {
    ScanRecordBytes r;
    r.Set(BRSVIO_OFFSET_SCANMODE, mode)
        .Set(BRSVIO_OFFSET_DPI, dpi)
        .Set(BRSVIO_OFFSET_GAMMA, 10)
        .Set(BRSVIO_OFFSET_HIGHLIGHT, 255)
        .Set(BRSVIO_OFFSET_STARTFLAG, 1)
        .Set(BRSVIO_OFFSET_TOP, top)
        .Set(BRSVIO_OFFSET_LEFT, left)
        .Set(BRSVIO_OFFSET_BOTTOM, bottom)
        .Set(BRSVIO_OFFSET_RIGHT, right);
    return r;
}

ScanRecordBytes LinearRecord(int mode, int dpi, int top, int left, int bottom, int right) {
    return PageRecord(mode, dpi, top, left, bottom, right).Set(BRSVIO_OFFSET_GAMMA, 2);
}

int BitsOf(int mode) { return mode == 1 ? 8 : mode == 4 ? 24 : 1; }

int StrideOf(int bits, int width) { return (bits * width + 31) / 32 * 4; }

PageShape ShapeOf(const ScanRecordBytes& r) {
    PageShape s;
    const int dpi = r.Get(BRSVIO_OFFSET_DPI);
    s.width = (r.Get(BRSVIO_OFFSET_RIGHT) - r.Get(BRSVIO_OFFSET_LEFT)) * dpi / 100;
    s.lines = (r.Get(BRSVIO_OFFSET_BOTTOM) - r.Get(BRSVIO_OFFSET_TOP)) * dpi / 100;
    s.bits = BitsOf(r.Get(BRSVIO_OFFSET_SCANMODE));
    s.stride = StrideOf(s.bits, s.width);
    return s;
}

std::vector<uint8_t> ReadRows(const BrsvioLibrary& io, const PageShape& shape, int rows, int side,
                              int block) {
    std::vector<uint8_t> out;
    std::vector<uint8_t> buffer(static_cast<size_t>(block) * shape.stride);
    int done = 0;
    while (done < rows) {
        const int want = block < rows - done ? block : rows - done;
        int32_t eop = 0;
        const int got = io.GetImageBlock(buffer.data(), want, &eop, shape.width, side);
        if (got <= 0) break;
        out.insert(out.end(), buffer.begin(),
                   buffer.begin() + static_cast<size_t>(got) * shape.stride);
        done += got;
    }
    return out;
}

void ToneTableOf(const BrsvioLibrary& io, const ScanRecordBytes& r, uint8_t table[256]) {
    auto word = [&](int offset) { return static_cast<int32_t>(r.Get(offset) & 0xFFFF); };
    io.AdjustChannelValue(table, word(BRSVIO_OFFSET_BRIGHTNESS), word(BRSVIO_OFFSET_CONTRAST),
                          word(BRSVIO_OFFSET_GAMMA), word(BRSVIO_OFFSET_HIGHLIGHT),
                          word(BRSVIO_OFFSET_SHADOW));
}

RowWriter::RowWriter(int bits, int stride) : bits_(bits), row_(static_cast<size_t>(stride), 0) {}

void RowWriter::Put(int x, Rgb level) {
    if (bits_ == 24) {
        row_[3 * x] = level.r;
        row_[3 * x + 1] = level.g;
        row_[3 * x + 2] = level.b;
    } else if (bits_ == 8) {
        row_[x] = level.r;
    } else if (level.r >= 128) {
        row_[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
}

std::vector<uint8_t> ExpectedTestPageRow(const ScanRecordBytes& r, const test_page::Sheet& sheet,
                                         int side, int frameRow, const uint8_t tone[256]) {
    const PageShape shape = ShapeOf(r);
    const int dpi = r.Get(BRSVIO_OFFSET_DPI);
    const int left = r.Get(BRSVIO_OFFSET_LEFT) * dpi / 100;
    const int top = r.Get(BRSVIO_OFFSET_TOP) * dpi / 100;
    const bool invert = r.Get(BRSVIO_OFFSET_INVERT) != 0;
    RowWriter writer(shape.bits, shape.stride);
    auto toned = [&](uint8_t v) {
        const uint8_t t = tone[v];
        return static_cast<uint8_t>(invert ? 255 - t : t);
    };
    for (int i = 0; i < shape.width; ++i) {
        const int x = left + i, y = top + frameRow;
        if (!test_page::OnSheet(x, y, dpi, sheet)) {
            writer.Put(i, kWhite);  // no paper there: white whatever the tone
            continue;
        }
        const Rgb p = test_page::Pixel(side, x, y, dpi, sheet);
        if (shape.bits == 24) {
            writer.Put(i, Rgb{toned(p.r), toned(p.g), toned(p.b)});
        } else {
            const uint8_t g = toned(GrayLevel(p));
            writer.Put(i, Rgb{g, g, g});
        }
    }
    return writer.Row();
}

std::string FirstDifference(const std::vector<uint8_t>& actual,
                            const std::vector<uint8_t>& expected, int stride) {
    std::ostringstream out;
    if (actual.size() != expected.size()) {
        out << "size " << actual.size() << " instead of " << expected.size();
        return out.str();
    }
    for (size_t i = 0; i < actual.size(); ++i) {
        if (actual[i] != expected[i]) {
            out << "row " << i / stride << " byte " << i % stride << ": "
                << static_cast<int>(actual[i]) << " instead of " << static_cast<int>(expected[i]);
            return out.str();
        }
    }
    return std::string();
}
