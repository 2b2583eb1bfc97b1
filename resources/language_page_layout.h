// Where the Language page's picture (IDB_LANGUAGE_PAGE) has room for the five
// lamp buttons: the artwork program draws each language's name beside its
// spot, and the page puts each button on its spot. Pixels, counted from the
// picture's top-left corner, so that names and lamps agree whatever the
// dialog font makes of the template's dialog units.
#pragma once

#include <cstdint>

struct LanguageLampSpot {
    int32_t left;
    int32_t top;
};

// The lamp picture's frame size (each of the four frames of IDR_LANGUAGE_LAMP).
constexpr int32_t kLanguageLampWidth = 35;
constexpr int32_t kLanguageLampHeight = 36;

// By selection index: English, French, Spanish, Italian, German.
constexpr LanguageLampSpot kLanguageLampSpots[] = {
    {39, 211}, {39, 249}, {175, 211}, {175, 249}, {312, 211}};

// The gap between a lamp's right edge and the first letter of its name.
constexpr int32_t kLanguageNameGap = 7;
