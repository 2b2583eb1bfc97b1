// Draws the data source's artwork into the folder named on the command line:
// the RAW strips of the round buttons, the bitmaps, the icon and the cursor
// that resources/artwork.rc puts into TAVIXSRC.ds.
#include "image_files.h"
#include "pictures.h"
#include "text.h"

#include <cstdio>
#include <string>

namespace {

bool Report(bool ok, const std::string& path) {
    if (!ok) std::fprintf(stderr, "make-artwork: cannot write %s\n", path.c_str());
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-artwork <output folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    Font bold(TAVIX_FONT_BOLD), regular(TAVIX_FONT_REGULAR);
    if (!bold.Ok() || !regular.Ok()) {
        std::fprintf(stderr, "make-artwork: cannot read the fonts %s and %s\n", TAVIX_FONT_BOLD, TAVIX_FONT_REGULAR);
        return 1;
    }
    const Fonts fonts{bold, regular};
    bool ok = true;

    struct PresetFile {
        Preset preset;
        const char* name;
        int width, height;
    };
    const PresetFile presets[] = {{Preset::Repeat, "preset_repeat.raw", 252, 82},
                                  {Preset::Fax, "preset_fax.raw", 270, 94},
                                  {Preset::Mail, "preset_mail.raw", 288, 98},
                                  {Preset::Ocr, "preset_ocr.raw", 246, 92},
                                  {Preset::Custom, "preset_custom.raw", 258, 86}};
    for (const PresetFile& p : presets)
        ok &= Report(WriteRaw(folder + p.name, PresetStrip(p.preset, p.width, p.height, fonts), 3), p.name);
    ok &= Report(WriteRaw(folder + "language_lamp.raw", LanguageLampStrip(140, 36), 4), "language_lamp.raw");

    int width = 0, height = 0;
    const std::vector<uint8_t> lamps = SensorLamps(&width, &height);
    ok &= Report(WriteBitmap24(folder + "sensor_lamps.bmp", width, height, lamps), "sensor_lamps.bmp");
    ok &= Report(WriteBitmap8(folder + "logo.bmp", 196, 37, Logo(196, 37, fonts)), "logo.bmp");
    ok &= Report(WriteBitmap24(folder + "language_page.bmp", 488, 405, LanguagePicture(488, 405, fonts)),
                 "language_page.bmp");
    ok &= Report(WriteIcon(folder + "prompt.ico", {PromptIcon(48), PromptIcon(32), PromptIcon(16)}), "prompt.ico");
    int hotX = 0, hotY = 0;
    const RgbaImage cursor = ZoomCursor(&hotX, &hotY);
    ok &= Report(WriteCursor(folder + "zoom.cur", cursor, hotX, hotY), "zoom.cur");
    return ok ? 0 : 1;
}
