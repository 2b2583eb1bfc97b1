// Capability containers as bytes: what a test received from the source, and
// the blocks it expects, laid out here independently of the source's builders.
#pragma once

#include "datasource/twain.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Takes the container the source handed over in `cap`: returns its bytes and
// frees it (the application owns it). `unlocked` tells whether the source
// left the block unlocked. Empty when there is no readable block.
Bytes TakeContainer(TW_CAPABILITY& cap, bool* unlocked = nullptr);

// A test-owned global block holding `bytes`, freed when the object goes.
class TestBlock {
public:
    explicit TestBlock(const Bytes& bytes);
    ~TestBlock();
    TestBlock(const TestBlock&) = delete;
    TestBlock& operator=(const TestBlock&) = delete;
    TW_HANDLE Get() const { return handle_; }

private:
    TW_HANDLE handle_ = nullptr;
};

// FIX32 word: Whole in the low half, Frac in the high half.
constexpr uint32_t FixWord(int16_t whole, uint16_t frac = 0) {
    return static_cast<uint16_t>(whole) | (static_cast<uint32_t>(frac) << 16);
}

// Expected blocks.
Bytes OneValueBytes(uint16_t itemType, uint32_t item);
Bytes Enumeration16Bytes(uint16_t itemType, std::initializer_list<uint16_t> items,
                         uint32_t currentIndex, uint32_t defaultIndex);
Bytes Enumeration32Bytes(uint16_t itemType, std::initializer_list<uint32_t> items,
                         uint32_t currentIndex, uint32_t defaultIndex);
Bytes Array16Bytes(uint16_t itemType, const std::vector<uint16_t>& items);
Bytes RangeBytes(uint16_t itemType, uint32_t minValue, uint32_t maxValue, uint32_t step,
                 uint32_t defaultValue, uint32_t current);

std::string Hex(const Bytes& bytes);
