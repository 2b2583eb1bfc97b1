#include "dialog_template_font.h"

#include <cstring>

namespace {

constexpr size_t kHeaderSize = 18;  // style, extended style, count, x, y, cx, cy
static_assert(sizeof(DLGTEMPLATE) == kHeaderSize, "DLGTEMPLATE is packed on WORD boundaries");

// The size in bytes of the sz_Or_Ord field at `offset` (menu, class): a
// zero WORD, 0xFFFF and an ordinal, or a string; 0 when it runs past `size`.
size_t StringOrOrdinalSize(const uint8_t* data, size_t size, size_t offset) {
    if (offset + 2 > size) return 0;
    uint16_t first = 0;
    std::memcpy(&first, data + offset, 2);
    if (first == 0) return 2;
    if (first == 0xFFFF) return offset + 4 <= size ? 4 : 0;
    for (size_t at = offset; at + 2 <= size; at += 2) {
        uint16_t unit = 0;
        std::memcpy(&unit, data + at, 2);
        if (unit == 0) return at + 2 - offset;
    }
    return 0;
}

size_t AlignedToDword(size_t offset) { return (offset + 3) & ~size_t{3}; }

}  // namespace

std::vector<uint8_t> TemplateWithFont(HINSTANCE module, int templateId, uint16_t pointSize,
                                      const std::wstring& face) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));  // RT_DIALOG
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* data = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    const size_t size = found ? SizeofResource(module, found) : 0;
    if (!data || size < kHeaderSize) return {};
    DLGTEMPLATE header = {};
    std::memcpy(&header, data, kHeaderSize);
    if (HIWORD(header.style) == 0xFFFF || !(header.style & DS_SETFONT)) return {};

    size_t offset = kHeaderSize;
    for (int field = 0; field < 3; ++field) {  // menu, class, title
        const size_t length = StringOrOrdinalSize(data, size, offset);
        if (!length) return {};
        offset += length;
    }
    // The old font: its point size and face name.
    const size_t faceLength = StringOrOrdinalSize(data, size, offset + 2);
    if (!faceLength) return {};
    const size_t items = AlignedToDword(offset + 2 + faceLength);
    if (items > size) return {};

    std::vector<uint8_t> result(data, data + offset);
    result.insert(result.end(), reinterpret_cast<const uint8_t*>(&pointSize),
                  reinterpret_cast<const uint8_t*>(&pointSize) + 2);
    const auto* faceBytes = reinterpret_cast<const uint8_t*>(face.c_str());
    result.insert(result.end(), faceBytes, faceBytes + (face.size() + 1) * 2);
    result.resize(AlignedToDword(result.size()), 0);
    // The items keep their DWORD alignment: they start on one here as there.
    result.insert(result.end(), data + items, data + size);
    return result;
}
