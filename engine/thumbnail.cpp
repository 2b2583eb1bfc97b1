#include "engine/thumbnail.h"

#include "engine/palettes.h"
#include "engine/pixel_rows.h"
#include "engine/scan_settings.h"

#include <algorithm>
#include <new>

namespace {

// Free pixels between the frame and the thumbnail on each side.
constexpr int kFrameMargin = 4;

// Lays `count` inputs out into `n` boxes (n <= count): box i starts at
// i*q + i*r/n with q = count / n, r = count % n, and is q long, plus one
// whenever an accumulator raised by r per box exceeds n.
class BoxLayout {
public:
    BoxLayout(int64_t count, int64_t n) : q_(count / n), r_(count % n), n_(n) {}
    void Next(int64_t& start, int64_t& length) {
        start = i_ * q_ + (i_ * r_) / n_;
        length = q_;
        accumulator_ += r_;
        if (accumulator_ > n_) {
            ++length;
            accumulator_ -= n_;
        }
        ++i_;
    }

private:
    int64_t q_, r_, n_;
    int64_t i_ = 0;
    int64_t accumulator_ = 0;
};

// 1 bits (white) among pixels [first, end) of a 1-bit row, most significant bit first.
uint64_t CountWhite(const uint8_t* row, int32_t first, int32_t end) {
    uint64_t ones = 0;
    int32_t x = first;
    for (; x < end && (x & 7); ++x) ones += (row[x >> 3] >> (7 - (x & 7))) & 1;
    for (; end - x >= 8; x += 8) ones += static_cast<uint64_t>(__builtin_popcount(row[x >> 3]));
    for (; x < end; ++x) ones += (row[x >> 3] >> (7 - (x & 7))) & 1;
    return ones;
}

// Selects and realizes a palette for as long as it lives, on a device that
// has one. A true-colour device shows the 24-bit rows as they are without
// it, and realizing costs as much as drawing the rows.
class PaletteSelection {
public:
    PaletteSelection(HDC dc, HPALETTE palette) : dc_(dc) {
        if (!palette || !(GetDeviceCaps(dc_, RASTERCAPS) & RC_PALETTE)) return;
        old_ = SelectPalette(dc_, palette, FALSE);
        RealizePalette(dc_);
    }
    ~PaletteSelection() {
        if (old_) SelectPalette(dc_, old_, FALSE);
    }
    PaletteSelection(const PaletteSelection&) = delete;
    PaletteSelection& operator=(const PaletteSelection&) = delete;

private:
    HDC dc_;
    HPALETTE old_ = nullptr;
};

void FillBox(HDC dc, int x, int y, int cx, int cy, HBRUSH brush) {
    if (cx <= 0 || cy <= 0) return;
    const RECT box{x, y, x + cx, y + cy};
    FillRect(dc, &box, brush);
}

}  // namespace

bool Thumbnail::InitThumbnail(int frameWidth, int frameHeight, int32_t imageWidth,
                              int32_t imageLength, int16_t scanMode) {
    bits_ = ScanModeBits(scanMode);
    imageWidth_ = std::max<int32_t>(imageWidth, 0);
    imageLength_ = std::max<int32_t>(imageLength, 0);
    inputStride_ = BytesPerLine(bits_, imageWidth_);
    width_ = height_ = rowsFilled_ = 0;
    rowsReceived_ = 0;
    pixels_.clear();
    columns_.clear();
    sums_.clear();
    palette_ = scanMode == kScanModeColor ? MakeColorPalette() : MakeGrayPalette();

    const int64_t areaWidth = static_cast<int64_t>(frameWidth) - 2 * kFrameMargin;
    const int64_t areaHeight = static_cast<int64_t>(frameHeight) - 2 * kFrameMargin;
    const int64_t w = imageWidth_, h = imageLength_;
    if (areaWidth <= 0 || areaHeight <= 0 || w <= 0 || h <= 0 || inputStride_ <= 0) return false;

    // Never larger than the image, and in its proportions.
    int64_t tw = areaWidth, th = areaHeight;
    if (w < areaWidth && h < areaHeight) {
        tw = w;
        th = h;
    }
    if (th * w > tw * h)
        th = tw * h / w;
    else
        tw = th * w / h;
    tw -= tw % 4;
    if (tw <= 0 || th <= 0) return false;

    try {
        pixels_.assign(static_cast<size_t>(tw * 3 * th), 0);
        sums_.assign(static_cast<size_t>(tw * 3), 0);
        columns_.resize(static_cast<size_t>(tw));
    } catch (const std::bad_alloc&) {
        pixels_.clear();
        sums_.clear();
        columns_.clear();
        return false;
    }
    BoxLayout layout(w, tw);
    for (Span& column : columns_) {
        int64_t start, length;
        layout.Next(start, length);
        column.start = static_cast<int32_t>(start);
        column.length = static_cast<int32_t>(std::min(length, w - start));
    }
    width_ = static_cast<int>(tw);
    height_ = static_cast<int>(th);
    return true;
}

int Thumbnail::Percent() const {
    if (imageLength_ <= 0) return 0;
    return static_cast<int>(std::min<int64_t>(rowsReceived_ * 100 / imageLength_, 100));
}

int Thumbnail::AddBlock(const uint8_t* rows, int32_t count) {
    if (count <= 0 || !rows || imageLength_ <= 0) return 0;
    rowsReceived_ += count;
    if (pixels_.empty()) return 0;
    int64_t n = static_cast<int64_t>(height_) * rowsReceived_ / imageLength_ - rowsFilled_;
    // More rows than the image announced must not run past the last thumbnail row.
    n = std::min<int64_t>({n, height_ - rowsFilled_, count});
    if (n <= 0) return 0;
    Shrink(rows, count, static_cast<int32_t>(n));
    rowsFilled_ += static_cast<int>(n);
    return static_cast<int>(n);
}

void Thumbnail::Shrink(const uint8_t* rows, int32_t count, int32_t outputRows) {
    BoxLayout layout(count, outputRows);
    for (int32_t i = 0; i < outputRows; ++i) {
        int64_t start, length;
        layout.Next(start, length);
        length = std::min<int64_t>(length, count - start);
        std::fill(sums_.begin(), sums_.end(), 0);
        for (int64_t y = start; y < start + length; ++y)
            AccumulateRow(rows + y * static_cast<int64_t>(inputStride_));
        StoreRow(pixels_.data() + static_cast<size_t>(rowsFilled_ + i) * Stride(),
                 static_cast<uint64_t>(length));
    }
}

void Thumbnail::AccumulateRow(const uint8_t* row) {
    uint64_t* sum = sums_.data();
    switch (bits_) {
        case 1:
            for (const Span& c : columns_) *sum++ += CountWhite(row, c.start, c.start + c.length);
            break;
        case 8:
            for (const Span& c : columns_) {
                uint64_t total = 0;
                for (const uint8_t *p = row + c.start, *end = p + c.length; p < end; ++p) total += *p;
                *sum++ += total;
            }
            break;
        default:
            for (const Span& c : columns_) {
                uint64_t red = 0, green = 0, blue = 0;
                for (const uint8_t *p = row + 3 * static_cast<int64_t>(c.start),
                                   *end = p + 3 * static_cast<int64_t>(c.length);
                     p < end; p += 3) {
                    red += p[0];
                    green += p[1];
                    blue += p[2];
                }
                sum[0] += red;
                sum[1] += green;
                sum[2] += blue;
                sum += 3;
            }
            break;
    }
}

void Thumbnail::StoreRow(uint8_t* out, uint64_t rowsInBox) const {
    const uint64_t* sum = sums_.data();
    for (const Span& c : columns_) {
        const uint64_t area = rowsInBox * static_cast<uint64_t>(c.length);
        if (bits_ == 24) {
            // The scanner's red, green, blue become the bitmap's blue, green, red.
            out[0] = static_cast<uint8_t>(area ? sum[2] / area : 0);
            out[1] = static_cast<uint8_t>(area ? sum[1] / area : 0);
            out[2] = static_cast<uint8_t>(area ? sum[0] / area : 0);
            sum += 3;
        } else {
            const uint64_t level = bits_ == 1 ? *sum * 255 : *sum;
            out[0] = out[1] = out[2] = static_cast<uint8_t>(area ? level / area : 0);
            ++sum;
        }
        out += 3;
    }
}

void Thumbnail::DrawThumbnail(HDC dc, const RECT& frame) const {
    if (!dc) return;
    const int x = frame.left + 1, y = frame.top + 1;
    const int cx = frame.right - frame.left - 2, cy = frame.bottom - frame.top - 2;
    if (cx > 0 && cy > 0) {
        // The stock brushes are exactly white and gray 128, and need no making.
        const auto light = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        const auto shadow = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        FillBox(dc, x, y, cx - 1, 1, light);
        FillBox(dc, x, y, 1, cy - 1, light);
        FillBox(dc, x + cx - 1, y, 1, cy, shadow);
        FillBox(dc, x, y + cy - 1, cx, 1, shadow);
    }
    DrawFilledRows(dc, frame);
}

void Thumbnail::DrawFilledRows(HDC dc, const RECT& frame) const {
    if (!dc || rowsFilled_ <= 0 || pixels_.empty()) return;

    PaletteSelection selection(dc, palette_.Get());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -rowsFilled_;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const int left = frame.left + (frame.right - frame.left - width_) / 2;
    const int top = frame.bottom - kFrameMargin - rowsFilled_;
    SetDIBitsToDevice(dc, left, top, static_cast<DWORD>(width_), static_cast<DWORD>(rowsFilled_), 0,
                      0, 0, static_cast<UINT>(rowsFilled_), pixels_.data(), &info, DIB_RGB_COLORS);
}
