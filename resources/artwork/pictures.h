// The pictures of the data source, drawn at their resource sizes.
#pragma once

#include "image_files.h"
#include "text.h"

struct Fonts {
    const Font& bold;
    const Font& regular;
};

enum class Preset { Repeat, Fax, Mail, Ocr, Custom };

// A three-frame strip (normal, pressed, hover) of `width` x `height` pixels.
RgbaImage PresetStrip(Preset preset, int width, int height, const Fonts& fonts);
// The four-frame language lamp (purple, green, glowing green, gray).
RgbaImage LanguageLampStrip(int width, int height);
// The three 16 x 16 sensor lamps side by side on magenta, as RGB.
std::vector<uint8_t> SensorLamps(int* width, int* height);
// The product logo on magenta, as RGB.
std::vector<uint8_t> Logo(int width, int height, const Fonts& fonts);
// The picture behind the language buttons, as RGB.
std::vector<uint8_t> LanguagePicture(int width, int height, const Fonts& fonts);
// The calibration prompt icon at `size` x `size`.
RgbaImage PromptIcon(int size);
// The zoom cursor, 32 x 32; its hot spot is the centre of the lens.
RgbaImage ZoomCursor(int* hotX, int* hotY);
