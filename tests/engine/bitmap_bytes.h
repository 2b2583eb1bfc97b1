// Little-endian fields of a bitmap file read straight from its bytes, at the
// offsets of the file format, so that the checks do not lean on the writer's
// own header structs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline uint32_t U16At(const std::string& bytes, size_t offset) {
    if (offset + 2 > bytes.size()) return 0xFFFFFFFFu;
    const uint32_t low = static_cast<uint8_t>(bytes[offset]);
    const uint32_t high = static_cast<uint8_t>(bytes[offset + 1]);
    return low | high << 8;
}

inline uint32_t U32At(const std::string& bytes, size_t offset) {
    if (offset + 4 > bytes.size()) return 0xFFFFFFFFu;
    return U16At(bytes, offset) | U16At(bytes, offset + 2) << 16;
}

inline int32_t I32At(const std::string& bytes, size_t offset) {
    return static_cast<int32_t>(U32At(bytes, offset));
}

// Offsets of the fields checked.
namespace bmp {
constexpr size_t kType = 0, kFileSize = 2, kReserved1 = 6, kReserved2 = 8, kOffBits = 10;
constexpr size_t kInfoSize = 14, kWidth = 18, kHeight = 22, kPlanes = 26, kBitCount = 28;
constexpr size_t kCompression = 30, kSizeImage = 34, kXPels = 38, kYPels = 42;
constexpr size_t kClrUsed = 46, kClrImportant = 50, kPalette = 54;
}  // namespace bmp
