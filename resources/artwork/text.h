// Letters for the artwork, rendered with FreeType from a font file.
#pragma once

#include "raster.h"

#include <memory>
#include <string>

class Font {
public:
    // False from Ok() when the file cannot be read as a font.
    explicit Font(const std::string& path);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    bool Ok() const { return face_ != nullptr; }

    // Width in pixels of UTF-8 `text` at `size` pixels per em.
    float Measure(const std::string& text, float size) const;
    // Height above the baseline of a capital letter at `size`.
    float CapHeight(float size) const;
    // The coverage of `text` with its baseline starting at (x, y).
    Mask Render(int width, int height, const std::string& text, float size, float x, float y) const;

private:
    struct Library;
    std::unique_ptr<Library> library_;
    void* face_ = nullptr;  // FT_Face
};
