#include "datasource/capability_containers.h"

#include "datasource/data_source_app.h"
#include "datasource/fix32.h"
#include "framework/global_block.h"

#include <cstdint>
#include <cstring>
#include <new>

namespace {

// Containers are packed little-endian blocks; fields are copied byte-wise so
// that no unaligned word is ever dereferenced.
void Put16(unsigned char* block, size_t offset, TW_UINT16 value) {
    std::memcpy(block + offset, &value, sizeof value);
}
void Put32(unsigned char* block, size_t offset, TW_UINT32 value) {
    std::memcpy(block + offset, &value, sizeof value);
}
TW_UINT16 Get16(const unsigned char* block, size_t offset) {
    TW_UINT16 value;
    std::memcpy(&value, block + offset, sizeof value);
    return value;
}
TW_UINT32 Get32(const unsigned char* block, size_t offset) {
    TW_UINT32 value;
    std::memcpy(&value, block + offset, sizeof value);
    return value;
}

// Allocates, fills through `fill` while locked, and hands the block to `cap`.
template <typename Fill>
TW_UINT16 BuildContainer(TW_CAPABILITY& cap, TW_UINT16 conType, size_t bytes, Fill fill) {
    GlobalBlock block = GlobalBlock::Allocate(bytes);
    if (!block) return TheApp().Fail(TWCC_LOWMEMORY);
    {
        GlobalBlockLock lock(block.Get());
        if (!lock || lock.Size() < bytes) return TheApp().Fail(TWCC_LOWMEMORY);
        fill(lock.Bytes());
    }
    cap.ConType = conType;
    cap.hContainer = block.Release();
    return TWRC_SUCCESS;
}

// Bytes of a list container of `count` items of `width` bytes after `header`
// bytes and the spare tail; 0 when that does not fit in a size_t.
size_t ListBytes(size_t header, TW_UINT32 count, size_t width) {
    const uint64_t bytes = header + static_cast<uint64_t>(count) * width + kContainerSpareBytes;
    return bytes > SIZE_MAX ? 0 : static_cast<size_t>(bytes);
}

template <typename T, typename Equal>
TW_UINT32 IndexOf(const T* items, TW_UINT32 count, T value, Equal equal) {
    for (TW_UINT32 i = 0; i < count; ++i)
        if (equal(items[i], value)) return i;
    return 0;
}

// An enumeration of 16 or 32-bit items; the current and default indexes are
// those of the first item `same` finds equal to the value.
template <typename T, typename Equal>
TW_UINT16 MakeEnumeration(TW_CAPABILITY& cap, TW_UINT16 itemType, TW_UINT32 count, const T* items,
                          T current, T defaultValue, Equal same) {
    static_assert(sizeof(T) == 2 || sizeof(T) == 4, "enumeration items are 16 or 32 bits");
    const size_t bytes = ListBytes(kEnumerationHeaderBytes, count, sizeof(T));
    if (bytes == 0) return TheApp().Fail(TWCC_LOWMEMORY);
    return BuildContainer(cap, TWON_ENUMERATION, bytes, [&](unsigned char* block) {
        Put16(block, offsetof(TW_ENUMERATION, ItemType), itemType);
        Put32(block, offsetof(TW_ENUMERATION, NumItems), count);
        Put32(block, offsetof(TW_ENUMERATION, CurrentIndex), IndexOf(items, count, current, same));
        Put32(block, offsetof(TW_ENUMERATION, DefaultIndex),
              IndexOf(items, count, defaultValue, same));
        for (TW_UINT32 i = 0; i < count; ++i) {
            const size_t at = kEnumerationHeaderBytes + size_t{i} * sizeof(T);
            if (sizeof(T) == 2) Put16(block, at, static_cast<TW_UINT16>(items[i]));
            else Put32(block, at, static_cast<TW_UINT32>(items[i]));
        }
    });
}

// Layout checks of a received enumeration: the header and all NumItems
// items of `width` bytes lie inside the block.
bool EnumerationFits(const GlobalBlockLock& lock, size_t width) {
    if (!lock || lock.Size() < kEnumerationHeaderBytes) return false;
    const uint64_t count = Get32(lock.Bytes(), offsetof(TW_ENUMERATION, NumItems));
    return kEnumerationHeaderBytes + count * width <= lock.Size();
}

template <typename T>
bool ReadEnumerationCurrent(TW_HANDLE container, T& value) {
    GlobalBlockLock lock(container);
    if (!EnumerationFits(lock, sizeof(T))) return false;
    const TW_UINT32 count = Get32(lock.Bytes(), offsetof(TW_ENUMERATION, NumItems));
    const TW_UINT32 current = Get32(lock.Bytes(), offsetof(TW_ENUMERATION, CurrentIndex));
    if (current >= count) return false;
    std::memcpy(&value, lock.Bytes() + kEnumerationHeaderBytes + size_t{current} * sizeof(T),
                sizeof(T));
    return true;
}

template <typename T>
bool ReadEnumerationItems(TW_HANDLE container, std::vector<T>& items) {
    GlobalBlockLock lock(container);
    if (!EnumerationFits(lock, sizeof(T))) return false;
    const TW_UINT32 count = Get32(lock.Bytes(), offsetof(TW_ENUMERATION, NumItems));
    try {
        std::vector<T> read(count);
        if (count) std::memcpy(read.data(), lock.Bytes() + kEnumerationHeaderBytes, count * sizeof(T));
        items.swap(read);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

}  // namespace

TW_UINT16 MakeOneValue(TW_CAPABILITY& cap, TW_UINT16 itemType, TW_UINT32 value) {
    cap.ConType = TWON_ONEVALUE;
    return BuildContainer(cap, TWON_ONEVALUE, kOneValueBytes, [&](unsigned char* block) {
        Put16(block, offsetof(TW_ONEVALUE, ItemType), itemType);
        Put32(block, offsetof(TW_ONEVALUE, Item), value);
    });
}

TW_UINT16 MakeEnumeration16(TW_CAPABILITY& cap, TW_UINT16 itemType, TW_UINT32 count,
                            const TW_UINT16* items, TW_UINT16 current, TW_UINT16 defaultValue) {
    auto same = [](TW_UINT16 a, TW_UINT16 b) { return a == b; };
    return MakeEnumeration(cap, itemType, count, items, current, defaultValue, same);
}

TW_UINT16 MakeEnumeration32(TW_CAPABILITY& cap, TW_UINT16 itemType, TW_UINT32 count,
                            const TW_UINT32* items, TW_UINT32 current, TW_UINT32 defaultValue) {
    auto same = [](TW_UINT32 a, TW_UINT32 b) { return Fix32Equal(WordToFix32(a), WordToFix32(b)); };
    return MakeEnumeration(cap, itemType, count, items, current, defaultValue, same);
}

TW_UINT16 MakeArray16(TW_CAPABILITY& cap, TW_UINT16 itemType, TW_UINT32 count,
                      const TW_UINT16* items) {
    const size_t bytes = ListBytes(kArrayHeaderBytes, count, sizeof(TW_UINT16));
    if (bytes == 0) return TheApp().Fail(TWCC_LOWMEMORY);
    return BuildContainer(cap, TWON_ARRAY, bytes, [&](unsigned char* block) {
        Put16(block, offsetof(TW_ARRAY, ItemType), itemType);
        Put32(block, offsetof(TW_ARRAY, NumItems), count);
        for (TW_UINT32 i = 0; i < count; ++i)
            Put16(block, kArrayHeaderBytes + size_t{i} * sizeof(TW_UINT16), items[i]);
    });
}

TW_UINT16 MakeRange(TW_CAPABILITY& cap, TW_UINT16 itemType, TW_UINT32 minValue,
                    TW_UINT32 maxValue, TW_UINT32 step, TW_UINT32 defaultValue,
                    TW_UINT32 current) {
    return BuildContainer(cap, TWON_RANGE, kRangeBytes, [&](unsigned char* block) {
        Put16(block, offsetof(TW_RANGE, ItemType), itemType);
        Put32(block, offsetof(TW_RANGE, MinValue), minValue);
        Put32(block, offsetof(TW_RANGE, MaxValue), maxValue);
        Put32(block, offsetof(TW_RANGE, StepSize), step);
        Put32(block, offsetof(TW_RANGE, DefaultValue), defaultValue);
        Put32(block, offsetof(TW_RANGE, CurrentValue), current);
    });
}

bool ReadOneValue16(TW_HANDLE container, TW_UINT16& value) {
    GlobalBlockLock lock(container);
    if (!lock || lock.Size() < kOneValueBytes) return false;
    value = Get16(lock.Bytes(), offsetof(TW_ONEVALUE, Item));
    return true;
}

bool ReadOneValue32(TW_HANDLE container, TW_UINT32& value) {
    GlobalBlockLock lock(container);
    if (!lock || lock.Size() < kOneValueBytes) return false;
    value = Get32(lock.Bytes(), offsetof(TW_ONEVALUE, Item));
    return true;
}

bool ReadEnumerationCurrent16(TW_HANDLE container, TW_UINT16& value) {
    return ReadEnumerationCurrent(container, value);
}

bool ReadEnumerationCurrent32(TW_HANDLE container, TW_UINT32& value) {
    return ReadEnumerationCurrent(container, value);
}

bool ReadEnumerationItems16(TW_HANDLE container, std::vector<TW_UINT16>& items) {
    return ReadEnumerationItems(container, items);
}

bool ReadEnumerationItems32(TW_HANDLE container, std::vector<TW_UINT32>& items) {
    return ReadEnumerationItems(container, items);
}

bool ReadRangeCurrent(TW_HANDLE container, TW_UINT32& value) {
    TW_RANGE range;
    if (!ReadRange(container, range)) return false;
    value = range.CurrentValue;
    return true;
}

bool ReadRange(TW_HANDLE container, TW_RANGE& range) {
    GlobalBlockLock lock(container);
    if (!lock || lock.Size() < kRangeBytes) return false;
    std::memcpy(&range, lock.Bytes(), kRangeBytes);
    return true;
}
