#include "engine/palettes.h"

#include <cstdint>

namespace {

constexpr int kEntries = 256;

struct LogPalette256 {
    WORD version;
    WORD entries;
    PALETTEENTRY entry[kEntries];
};
static_assert(sizeof(LogPalette256) == 4 + 4 * kEntries, "LOGPALETTE with 256 entries");

void Set(PALETTEENTRY& e, int red, int green, int blue) {
    e.peRed = static_cast<BYTE>(red);
    e.peGreen = static_cast<BYTE>(green);
    e.peBlue = static_cast<BYTE>(blue);
    e.peFlags = 0;
}

GdiObject<HPALETTE> Create(const LogPalette256& palette) {
    return GdiObject<HPALETTE>(CreatePalette(reinterpret_cast<const LOGPALETTE*>(&palette)));
}

}  // namespace

GdiObject<HPALETTE> MakeGrayPalette() {
    LogPalette256 palette{0x300, kEntries, {}};
    for (int i = 0; i < kEntries; ++i) Set(palette.entry[i], i, i, i);
    return Create(palette);
}

GdiObject<HPALETTE> MakeColorPalette() {
    LogPalette256 palette{0x300, kEntries, {}};
    int i = 0;
    for (int k = 0; k < 36; ++k, ++i) Set(palette.entry[i], 3 + 7 * k, 3 + 7 * k, 3 + 7 * k);
    for (int blue = 0; blue < 6; ++blue)
        for (int green = 0; green < 6; ++green)
            for (int red = 0; red < 6; ++red, ++i)
                Set(palette.entry[i], 51 * red, 51 * green, 51 * blue);
    for (; i < kEntries; ++i) Set(palette.entry[i], 255, 255, 255);
    return Create(palette);
}
