// The two 256-entry logical palettes used to show scanned pixels on
// palette displays.
#pragma once

#include "framework/gdi_object.h"

#include <windows.h>

// Entry i is the gray (i, i, i).
GdiObject<HPALETTE> MakeGrayPalette();
// Entries 0-35: grays 3, 10, ..., 248; 36-251: the 6 x 6 x 6 cube of levels
// 0, 51, ..., 255 with red changing fastest, then green, then blue;
// 252-255: white.
GdiObject<HPALETTE> MakeColorPalette();
