// TWAIN capability containers: the builders that answer MSG_GET and its
// relatives, and the readers that take a value out of an application's
// container.
//
// A built container belongs to the application as soon as the call returns;
// the source keeps no reference. Received containers are only locked for the
// time of one read, and every read first checks the block's real size, so a
// short, foreign or unlockable handle is refused instead of read past its end.
#pragma once

#include "datasource/twain.h"

#include <vector>

// Block sizes the builders allocate; applications rely on them byte for byte.
constexpr size_t kOneValueBytes = 6;
constexpr size_t kRangeBytes = 22;
constexpr size_t kEnumerationHeaderBytes = 14;  // items start here
constexpr size_t kArrayHeaderBytes = 6;
constexpr size_t kContainerSpareBytes = 2;  // zero tail of enumerations and arrays
static_assert(sizeof(TW_ONEVALUE) == kOneValueBytes, "one-value block");
static_assert(sizeof(TW_RANGE) == kRangeBytes, "range block");
static_assert(offsetof(TW_ENUMERATION, NumItems) == 2, "TW_ENUMERATION.NumItems");
static_assert(offsetof(TW_ENUMERATION, CurrentIndex) == 6, "TW_ENUMERATION.CurrentIndex");
static_assert(offsetof(TW_ENUMERATION, DefaultIndex) == 10, "TW_ENUMERATION.DefaultIndex");
static_assert(offsetof(TW_ENUMERATION, ItemList) == kEnumerationHeaderBytes, "enumeration items");
static_assert(offsetof(TW_ARRAY, NumItems) == 2, "TW_ARRAY.NumItems");
static_assert(offsetof(TW_ARRAY, ItemList) == kArrayHeaderBytes, "array items");
static_assert(offsetof(TW_RANGE, MinValue) == 2 && offsetof(TW_RANGE, MaxValue) == 6 &&
                  offsetof(TW_RANGE, StepSize) == 10 && offsetof(TW_RANGE, DefaultValue) == 14 &&
                  offsetof(TW_RANGE, CurrentValue) == 18,
              "TW_RANGE fields");

// Builders. Each fills ConType and hContainer of `cap` and answers
// TWRC_SUCCESS; when the block cannot be allocated it records TWCC_LOWMEMORY
// and answers TWRC_FAILURE without a handle (the one-value builder has set
// ConType by then, the others leave `cap` untouched).

// `value` is the full 32-bit Item; 16-bit values go in its low half.
TW_UINT16 MakeOneValue(TW_CAPABILITY& cap, TW_UINT16 itemType, TW_UINT32 value);
// Items are copied in the order given. CurrentIndex and DefaultIndex are the
// indexes of the first items equal to `current` and `defaultValue`, 0 when
// none is.
TW_UINT16 MakeEnumeration16(TW_CAPABILITY& cap, TW_UINT16 itemType, TW_UINT32 count,
                            const TW_UINT16* items, TW_UINT16 current, TW_UINT16 defaultValue);
// As above with 32-bit items (FIX32 words are compared with Fix32Equal).
TW_UINT16 MakeEnumeration32(TW_CAPABILITY& cap, TW_UINT16 itemType, TW_UINT32 count,
                            const TW_UINT32* items, TW_UINT32 current, TW_UINT32 defaultValue);
TW_UINT16 MakeArray16(TW_CAPABILITY& cap, TW_UINT16 itemType, TW_UINT32 count,
                      const TW_UINT16* items);
TW_UINT16 MakeRange(TW_CAPABILITY& cap, TW_UINT16 itemType, TW_UINT32 minValue,
                    TW_UINT32 maxValue, TW_UINT32 step, TW_UINT32 defaultValue,
                    TW_UINT32 current);

// Readers of received containers. Each answers false, leaving its output
// alone, for a null handle, a handle that is not a lockable block, or a block
// shorter than the layout it claims; the caller answers TWCC_BADVALUE. The
// ItemType of the container is never examined.

// The low 16 bits of a one-value's Item.
bool ReadOneValue16(TW_HANDLE container, TW_UINT16& value);
// All 32 bits of a one-value's Item.
bool ReadOneValue32(TW_HANDLE container, TW_UINT32& value);
// The item at CurrentIndex of an enumeration of 16-bit or 32-bit items; false
// also when CurrentIndex is not below NumItems.
bool ReadEnumerationCurrent16(TW_HANDLE container, TW_UINT16& value);
bool ReadEnumerationCurrent32(TW_HANDLE container, TW_UINT32& value);
// All NumItems items of an enumeration.
bool ReadEnumerationItems16(TW_HANDLE container, std::vector<TW_UINT16>& items);
bool ReadEnumerationItems32(TW_HANDLE container, std::vector<TW_UINT32>& items);
// CurrentValue of a range, and the whole range.
bool ReadRangeCurrent(TW_HANDLE container, TW_UINT32& value);
bool ReadRange(TW_HANDLE container, TW_RANGE& range);
