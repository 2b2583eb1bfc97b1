#include "tests/datasource/container_bytes.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

void Add16(Bytes& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void Add32(Bytes& out, uint32_t value) {
    Add16(out, static_cast<uint16_t>(value));
    Add16(out, static_cast<uint16_t>(value >> 16));
}

Bytes EnumerationHeader(uint16_t itemType, size_t count, uint32_t currentIndex,
                        uint32_t defaultIndex) {
    Bytes out;
    Add16(out, itemType);
    Add32(out, static_cast<uint32_t>(count));
    Add32(out, currentIndex);
    Add32(out, defaultIndex);
    return out;
}

}  // namespace

Bytes TakeContainer(TW_CAPABILITY& cap, bool* unlocked) {
    HGLOBAL handle = cap.hContainer;
    cap.hContainer = nullptr;
    if (!handle) return {};
    if (unlocked) *unlocked = (GlobalFlags(handle) & GMEM_LOCKCOUNT) == 0;
    Bytes bytes(GlobalSize(handle));
    if (void* data = GlobalLock(handle)) {
        if (!bytes.empty()) std::memcpy(bytes.data(), data, bytes.size());
        GlobalUnlock(handle);
    } else {
        bytes.clear();
    }
    GlobalFree(handle);
    return bytes;
}

TestBlock::TestBlock(const Bytes& bytes) {
    handle_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size());
    if (!handle_) return;
    if (void* data = GlobalLock(handle_)) {
        if (!bytes.empty()) std::memcpy(data, bytes.data(), bytes.size());
        GlobalUnlock(handle_);
    }
}

TestBlock::~TestBlock() {
    if (handle_) GlobalFree(handle_);
}

Bytes OneValueBytes(uint16_t itemType, uint32_t item) {
    Bytes out;
    Add16(out, itemType);
    Add32(out, item);
    return out;
}

Bytes Enumeration16Bytes(uint16_t itemType, std::initializer_list<uint16_t> items,
                         uint32_t currentIndex, uint32_t defaultIndex) {
    Bytes out = EnumerationHeader(itemType, items.size(), currentIndex, defaultIndex);
    for (uint16_t item : items) Add16(out, item);
    Add16(out, 0);
    return out;
}

Bytes Enumeration32Bytes(uint16_t itemType, std::initializer_list<uint32_t> items,
                         uint32_t currentIndex, uint32_t defaultIndex) {
    Bytes out = EnumerationHeader(itemType, items.size(), currentIndex, defaultIndex);
    for (uint32_t item : items) Add32(out, item);
    Add16(out, 0);
    return out;
}

Bytes Array16Bytes(uint16_t itemType, const std::vector<uint16_t>& items) {
    Bytes out;
    Add16(out, itemType);
    Add32(out, static_cast<uint32_t>(items.size()));
    for (uint16_t item : items) Add16(out, item);
    Add16(out, 0);
    return out;
}

Bytes RangeBytes(uint16_t itemType, uint32_t minValue, uint32_t maxValue, uint32_t step,
                 uint32_t defaultValue, uint32_t current) {
    Bytes out;
    Add16(out, itemType);
    for (uint32_t value : {minValue, maxValue, step, defaultValue, current}) Add32(out, value);
    return out;
}

std::string Hex(const Bytes& bytes) {
    std::string text;
    char digits[4];
    for (uint8_t byte : bytes) {
        std::snprintf(digits, sizeof digits, "%02X ", byte);
        text += digits;
    }
    if (!text.empty()) text.pop_back();
    return text;
}
