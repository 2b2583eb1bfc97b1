#include "scan_record.h"

#include "brsvio.h"

namespace {

// The scanner's glass: 8.64 by 14.00 inches; its optics stop at 2400 dpi.
constexpr int32_t kMaxRight = 864;
constexpr int32_t kMaxBottom = 1400;
constexpr int32_t kMaxDpi = 2400;

int16_t Word(const unsigned char* bytes, int offset) {
    return static_cast<int16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

}  // namespace

ScanRecord ReadScanRecord(const void* data) {
    const auto* b = static_cast<const unsigned char*>(data);
    ScanRecord r{};
    r.scanMode = Word(b, BRSVIO_OFFSET_SCANMODE);
    r.dpi = Word(b, BRSVIO_OFFSET_DPI);
    r.brightness = Word(b, BRSVIO_OFFSET_BRIGHTNESS);
    r.contrast = Word(b, BRSVIO_OFFSET_CONTRAST);
    r.gamma = Word(b, BRSVIO_OFFSET_GAMMA);
    r.highlight = Word(b, BRSVIO_OFFSET_HIGHLIGHT);
    r.shadow = Word(b, BRSVIO_OFFSET_SHADOW);
    r.startFlag = Word(b, BRSVIO_OFFSET_STARTFLAG);
    r.detectEop = Word(b, BRSVIO_OFFSET_DETECTEOP);
    r.doubleSided = Word(b, BRSVIO_OFFSET_DOUBLESIDED);
    r.filter = Word(b, BRSVIO_OFFSET_FILTER);
    r.invert = Word(b, BRSVIO_OFFSET_INVERT);
    r.top = Word(b, BRSVIO_OFFSET_TOP);
    r.left = Word(b, BRSVIO_OFFSET_LEFT);
    r.bottom = Word(b, BRSVIO_OFFSET_BOTTOM);
    r.right = Word(b, BRSVIO_OFFSET_RIGHT);
    return r;
}

std::string RecordHex(const void* data) {
    static const char digits[] = "0123456789ABCDEF";
    const auto* b = static_cast<const unsigned char*>(data);
    std::string text(2 * BRSVIO_RECORD_SIZE, '0');
    for (int i = 0; i < BRSVIO_RECORD_SIZE; ++i) {
        text[2 * i] = digits[b[i] >> 4];
        text[2 * i + 1] = digits[b[i] & 15];
    }
    return text;
}

int32_t BitsPerPixel(int32_t scanMode) {
    if (scanMode == BRSVIO_MODE_GRAY) return 8;
    if (scanMode == BRSVIO_MODE_COLOR) return 24;
    return 1;
}

int32_t BytesPerLine(int32_t bits, int32_t width) {
    return static_cast<int32_t>((static_cast<int64_t>(bits) * width + 31) / 32 * 4);
}

bool GeometryOf(const ScanRecord& r, PageGeometry& g, const char*& reason) {
    if (r.dpi <= 0 || r.dpi > kMaxDpi) {
        reason = "resolution out of range";
        return false;
    }
    if (r.top < 0 || r.left < 0 || r.right > kMaxRight || r.bottom > kMaxBottom ||
        r.right <= r.left || r.bottom <= r.top) {
        reason = "frame outside the scan area";
        return false;
    }
    g.dpi = r.dpi;
    g.pixelsPerLine = (r.right - r.left) * r.dpi / 100;
    g.lines = (r.bottom - r.top) * r.dpi / 100;
    g.firstColumn = r.left * r.dpi / 100;
    g.firstRow = r.top * r.dpi / 100;
    if (g.pixelsPerLine < 1 || g.lines < 1) {
        reason = "frame smaller than one pixel";
        return false;
    }
    g.bitsPerPixel = BitsPerPixel(r.scanMode);
    g.stride = BytesPerLine(g.bitsPerPixel, g.pixelsPerLine);
    return true;
}
