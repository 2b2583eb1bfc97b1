#include "engine/palettes.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

namespace {

std::vector<PALETTEENTRY> Entries(HPALETTE palette) {
    std::vector<PALETTEENTRY> entries(256);
    const UINT count = GetPaletteEntries(palette, 0, 256, entries.data());
    entries.resize(count);
    return entries;
}

void ExpectEntry(const PALETTEENTRY& e, int red, int green, int blue, int index) {
    EXPECT_EQ(e.peRed, red) << "entry " << index;
    EXPECT_EQ(e.peGreen, green) << "entry " << index;
    EXPECT_EQ(e.peBlue, blue) << "entry " << index;
}

TEST(MakeGrayPalette, EntryIIsGrayI) {
    GdiObject<HPALETTE> palette = MakeGrayPalette();
    ASSERT_TRUE(palette);
    const std::vector<PALETTEENTRY> entries = Entries(palette.Get());
    ASSERT_EQ(entries.size(), 256u);
    for (int i = 0; i < 256; ++i) ExpectEntry(entries[i], i, i, i, i);
}

TEST(MakeColorPalette, GraysThenColorCubeThenWhite) {
    GdiObject<HPALETTE> palette = MakeColorPalette();
    ASSERT_TRUE(palette);
    const std::vector<PALETTEENTRY> entries = Entries(palette.Get());
    ASSERT_EQ(entries.size(), 256u);
    for (int k = 0; k < 36; ++k) ExpectEntry(entries[k], 3 + 7 * k, 3 + 7 * k, 3 + 7 * k, k);
    ExpectEntry(entries[35], 248, 248, 248, 35);
    const int levels[6] = {0, 51, 102, 153, 204, 255};
    for (int b = 0; b < 6; ++b)
        for (int g = 0; g < 6; ++g)
            for (int r = 0; r < 6; ++r) {
                const int index = 36 + r + 6 * g + 36 * b;
                ExpectEntry(entries[index], levels[r], levels[g], levels[b], index);
            }
    ExpectEntry(entries[37], 51, 0, 0, 37);   // red changes fastest
    ExpectEntry(entries[42], 0, 51, 0, 42);   // then green
    ExpectEntry(entries[72], 0, 0, 51, 72);   // then blue
    ExpectEntry(entries[251], 255, 255, 255, 251);
    for (int i = 252; i < 256; ++i) ExpectEntry(entries[i], 255, 255, 255, i);
}

TEST(GdiObject, DeletesItsObjectAndHandsItOnWhenReleased) {
    HPALETTE raw = nullptr;
    {
        GdiObject<HPALETTE> palette = MakeGrayPalette();
        raw = palette.Get();
        ASSERT_NE(GetObjectType(raw), 0u);
        GdiObject<HPALETTE> moved(std::move(palette));
        EXPECT_FALSE(palette);
        EXPECT_EQ(moved.Get(), raw);
    }
    EXPECT_EQ(GetObjectType(raw), 0u);  // deleted with its owner

    GdiObject<HPALETTE> kept = MakeGrayPalette();
    HPALETTE released = kept.Release();
    kept.Reset();
    EXPECT_EQ(GetObjectType(released), static_cast<DWORD>(OBJ_PAL));
    DeleteObject(released);
}

}  // namespace
