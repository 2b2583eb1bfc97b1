#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cmath>
#include <vector>

struct Font::Library {
    FT_Library handle = nullptr;
};

namespace {

std::vector<uint32_t> CodePoints(const std::string& text) {
    std::vector<uint32_t> out;
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        uint32_t code;
        int extra;
        if (byte < 0x80) { code = byte; extra = 0; }
        else if ((byte & 0xE0) == 0xC0) { code = byte & 0x1F; extra = 1; }
        else if ((byte & 0xF0) == 0xE0) { code = byte & 0x0F; extra = 2; }
        else { code = byte & 0x07; extra = 3; }
        ++i;
        for (int k = 0; k < extra && i < text.size(); ++k, ++i)
            code = (code << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
        out.push_back(code);
    }
    return out;
}

// Sizes are set in 1/64 pixel so that fractional sizes stay as asked.
void SetSize(FT_Face face, float size) {
    FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(size * 64)), 72, 72);
}

// Unhinted outlines: the letters are drawn once, at their design shapes.
constexpr FT_Int32 kLoadFlags = FT_LOAD_NO_HINTING;

// The kerning between two glyphs in pixels, 0 for the first glyph of a text.
float Kerning(FT_Face face, FT_UInt previous, FT_UInt glyph) {
    if (!previous || !FT_HAS_KERNING(face)) return 0;
    FT_Vector kern;
    FT_Get_Kerning(face, previous, glyph, FT_KERNING_UNFITTED, &kern);
    return kern.x / 64.0f;
}

}  // namespace

Font::Font(const std::string& path) : library_(new Library) {
    if (FT_Init_FreeType(&library_->handle) != 0) {
        library_->handle = nullptr;
        return;
    }
    FT_Face face = nullptr;
    if (FT_New_Face(library_->handle, path.c_str(), 0, &face) == 0) face_ = face;
}

Font::~Font() {
    if (face_) FT_Done_Face(static_cast<FT_Face>(face_));
    if (library_->handle) FT_Done_FreeType(library_->handle);
}

float Font::Measure(const std::string& text, float size) const {
    auto face = static_cast<FT_Face>(face_);
    SetSize(face, size);
    float width = 0;
    FT_UInt previous = 0;
    for (uint32_t code : CodePoints(text)) {
        const FT_UInt glyph = FT_Get_Char_Index(face, code);
        width += Kerning(face, previous, glyph);
        if (FT_Load_Glyph(face, glyph, kLoadFlags) == 0) width += face->glyph->linearHoriAdvance / 65536.0f;
        previous = glyph;
    }
    return width;
}

float Font::CapHeight(float size) const {
    auto face = static_cast<FT_Face>(face_);
    SetSize(face, size);
    if (FT_Load_Char(face, 'H', kLoadFlags) != 0) return size * 0.7f;
    return face->glyph->metrics.horiBearingY / 64.0f;
}

Mask Font::Render(int width, int height, const std::string& text, float size, float x, float y) const {
    Mask mask(width, height);
    auto face = static_cast<FT_Face>(face_);
    SetSize(face, size);
    float pen = x;
    FT_UInt previous = 0;
    for (uint32_t code : CodePoints(text)) {
        const FT_UInt glyph = FT_Get_Char_Index(face, code);
        pen += Kerning(face, previous, glyph);
        previous = glyph;
        if (FT_Load_Glyph(face, glyph, kLoadFlags) != 0) continue;
        // Place the outline at the fractional pen position before rendering.
        const float fx = pen - std::floor(pen), fy = y - std::floor(y);
        FT_Vector shift = {static_cast<FT_Pos>(std::lround(fx * 64)), static_cast<FT_Pos>(std::lround(-fy * 64))};
        FT_Outline_Translate(&face->glyph->outline, shift.x, shift.y);
        if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0) {
            const FT_Bitmap& bitmap = face->glyph->bitmap;
            const int left = static_cast<int>(std::floor(pen)) + face->glyph->bitmap_left;
            const int top = static_cast<int>(std::floor(y)) - face->glyph->bitmap_top;
            for (unsigned row = 0; row < bitmap.rows; ++row) {
                for (unsigned column = 0; column < bitmap.width; ++column) {
                    const int tx = left + static_cast<int>(column), ty = top + static_cast<int>(row);
                    if (tx < 0 || ty < 0 || tx >= width || ty >= height) continue;
                    const float v = bitmap.buffer[row * bitmap.pitch + column] / 255.0f;
                    float& m = mask(tx, ty);
                    m = m + v - m * v;
                }
            }
        }
        pen += face->glyph->linearHoriAdvance / 65536.0f;
    }
    return mask;
}
