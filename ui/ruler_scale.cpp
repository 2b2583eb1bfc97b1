#include "ui/ruler_scale.h"

namespace {

constexpr int kNumberRoom = 14;

std::vector<RulerMark> InchMarks(bool vertical, int z, int offset, int length) {
    const int canvas = vertical ? 1400 : 864;
    const int halves = vertical ? 2800 : 1728;
    const int count = vertical ? (z + 13) / z : (z + 7) / z + 1;
    const int first = (offset + 99) / 100;
    int rest = offset % 100;
    if (rest != 0) rest = 100 - rest;
    const int start = z * rest * length / canvas;
    const int half = z * length * 100 / halves;
    std::vector<RulerMark> marks;
    auto add = [&](int position, bool longMark, bool numbered, int number) {
        if (position >= 0 && position < length) marks.push_back({position, longMark, numbered, number});
    };
    if (rest > 50) add(start - half, false, false, 0);
    for (int k = 0; k < count; ++k) {
        const int position = z * k * length * 100 / canvas + start;
        if (position >= length) break;
        add(position, true, true, first + k);
        add(position + half, false, false, 0);
    }
    return marks;
}

std::vector<RulerMark> CentimetreMarks(bool vertical, int z, int offset, int length) {
    const int canvas = vertical ? 355600 : 219456;  // tenths of a millimetre x 100
    const int count = vertical ? (z + 34) / z : (z + 20) / z + 1;
    const int tenths = offset * 254 / 100;
    const int first = (tenths + 99) / 100;
    const int rest = tenths % 100 != 0 ? 100 - tenths % 100 : 0;
    const long long start = static_cast<long long>(z) * rest * length * 100 / canvas;
    std::vector<RulerMark> marks;
    for (int k = 0; k < count; ++k) {
        const int position =
            static_cast<int>(static_cast<long long>(z) * k * length * 10000 / canvas + start);
        if (position >= length) break;
        const int value = first + k;
        const bool major = value % 5 == 0;
        marks.push_back({position, major, major, value});
    }
    return marks;
}

}  // namespace

std::vector<RulerMark> RulerMarks(int unit, bool vertical, int zoom, int offset, int length) {
    if (zoom < 1 || length <= 0) return {};
    return unit == 0 ? CentimetreMarks(vertical, zoom, offset, length)
                     : InchMarks(vertical, zoom, offset, length);
}

int RulerNumberPosition(int unit, const RulerMark& mark) {
    return unit == 0 ? mark.position : mark.position - 2;
}

bool RulerNumberFits(int unit, const RulerMark& mark, int length) {
    return mark.numbered && length - RulerNumberPosition(unit, mark) >= kNumberRoom;
}
