// The container builders, byte for byte, and the readers against short,
// foreign and inconsistent blocks.
#include "datasource/capability_containers.h"
#include "datasource/capability_table.h"
#include "datasource/data_source_app.h"
#include "datasource/fix32.h"
#include "tests/datasource/container_bytes.h"
#include "tests/datasource/global_alloc_failure.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class ContainerBuilders : public testing::Test {
protected:
    void SetUp() override { TheApp().SetCondition(TWCC_SUCCESS); }
    // A capability as an application hands it in: whatever was in it before.
    TW_CAPABILITY cap_{0x1234, 0xEEEE, reinterpret_cast<TW_HANDLE>(0x5150)};

    Bytes Take() {
        EXPECT_EQ(TWCC_SUCCESS, TheApp().Status.ConditionCode);
        bool unlocked = false;
        Bytes bytes = TakeContainer(cap_, &unlocked);
        EXPECT_TRUE(unlocked) << "the source must hand the block over unlocked";
        return bytes;
    }
};

TEST_F(ContainerBuilders, OneValueBoolTrueIsSixBytes) {
    ASSERT_EQ(TWRC_SUCCESS, MakeOneValue(cap_, TWTY_BOOL, TRUE));
    EXPECT_EQ(TWON_ONEVALUE, cap_.ConType);
    EXPECT_EQ(0x1234, cap_.Cap);
    EXPECT_EQ((Bytes{0x06, 0x00, 0x01, 0x00, 0x00, 0x00}), Take());
}

TEST_F(ContainerBuilders, OneValueWritesTheWholeItemWord) {
    ASSERT_EQ(TWRC_SUCCESS, MakeOneValue(cap_, TWTY_UINT16, 0x1234));
    EXPECT_EQ((Bytes{0x04, 0x00, 0x34, 0x12, 0x00, 0x00}), Take());
    ASSERT_EQ(TWRC_SUCCESS, MakeOneValue(cap_, TWTY_FIX32, Fix32ToWord(FloatToFix32(8.64f))));
    EXPECT_EQ((Bytes{0x07, 0x00, 0x08, 0x00, 0xD7, 0xA3}), Take());
}

TEST_F(ContainerBuilders, Enumeration16HasIndexesItemsAndASpareTail) {
    const TW_UINT16 items[] = {0, 1, 2};
    ASSERT_EQ(TWRC_SUCCESS, MakeEnumeration16(cap_, TWTY_UINT16, 3, items, 2, 0));
    EXPECT_EQ(TWON_ENUMERATION, cap_.ConType);
    Bytes bytes = Take();
    EXPECT_EQ(2u * 3 + 16, bytes.size());
    EXPECT_EQ((Bytes{0x04, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00,
                     0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00}),
              bytes);
}

TEST_F(ContainerBuilders, EnumerationIndexesAreZeroForValuesNotListed) {
    const TW_UINT16 items[] = {3, 4, 1};
    ASSERT_EQ(TWRC_SUCCESS, MakeEnumeration16(cap_, TWTY_UINT16, 3, items, 9, 1));
    EXPECT_EQ(Enumeration16Bytes(TWTY_UINT16, {3, 4, 1}, 0, 2), Take());
    ASSERT_EQ(TWRC_SUCCESS, MakeEnumeration16(cap_, TWTY_UINT16, 3, items, 4, 7));
    EXPECT_EQ(Enumeration16Bytes(TWTY_UINT16, {3, 4, 1}, 1, 0), Take());
}

TEST_F(ContainerBuilders, EmptyEnumerationIsJustItsHeaderAndTail) {
    ASSERT_EQ(TWRC_SUCCESS, MakeEnumeration16(cap_, TWTY_UINT16, 0, nullptr, 0, 0));
    EXPECT_EQ(Enumeration16Bytes(TWTY_UINT16, {}, 0, 0), Take());
}

TEST_F(ContainerBuilders, Enumeration32ComparesFix32Words) {
    const TW_UINT32 items[] = {FixWord(75), FixWord(150), FixWord(300), FixWord(299, 0x8000)};
    ASSERT_EQ(TWRC_SUCCESS, MakeEnumeration32(cap_, TWTY_FIX32, 4, items, FixWord(299, 0x8000),
                                              FixWord(300)));
    Bytes bytes = Take();
    EXPECT_EQ(4u * 4 + 16, bytes.size());
    EXPECT_EQ(Enumeration32Bytes(TWTY_FIX32,
                                 {FixWord(75), FixWord(150), FixWord(300), FixWord(299, 0x8000)},
                                 3, 2),
              bytes);
}

TEST_F(ContainerBuilders, SupportedCapsArrayIsNinetyBytesWithFortyOneIds) {
    ASSERT_EQ(TWRC_SUCCESS,
              MakeArray16(cap_, TWTY_UINT16, kSupportedCapCount, SupportedCapsList));
    EXPECT_EQ(TWON_ARRAY, cap_.ConType);
    Bytes bytes = Take();
    ASSERT_EQ(90u, bytes.size());
    EXPECT_EQ(0x04, bytes[0]);
    EXPECT_EQ(41, bytes[2]);
    EXPECT_EQ(0, bytes[3] | bytes[4] | bytes[5]);
    EXPECT_EQ(0x01, bytes[6]);  // CAP_XFERCOUNT first
    EXPECT_EQ(0x00, bytes[7]);
    EXPECT_EQ(0x03, bytes[86]);  // 0xBE03 last
    EXPECT_EQ(0xBE, bytes[87]);
    EXPECT_EQ(0, bytes[88] | bytes[89]);
}

TEST_F(ContainerBuilders, RangeIsTwentyTwoBytesInFieldOrder) {
    ASSERT_EQ(TWRC_SUCCESS, MakeRange(cap_, TWTY_FIX32, FixWord(-1000), FixWord(1000), FixWord(10),
                                      FixWord(0), FixWord(-250)));
    EXPECT_EQ(TWON_RANGE, cap_.ConType);
    EXPECT_EQ((Bytes{0x07, 0x00, 0x18, 0xFC, 0x00, 0x00, 0xE8, 0x03, 0x00, 0x00, 0x0A,
                     0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x06, 0xFF, 0x00, 0x00}),
              Take());
}

TEST_F(ContainerBuilders, AllocationFailureIsLowMemoryWithoutAHandle) {
    const TW_HANDLE before = cap_.hContainer;
    GlobalAllocFailure failure;
    ASSERT_TRUE(failure.Active());
    const TW_UINT16 items16[] = {1, 2};
    const TW_UINT32 items32[] = {1, 2};

    EXPECT_EQ(TWRC_FAILURE, MakeEnumeration16(cap_, TWTY_UINT16, 2, items16, 1, 1));
    EXPECT_EQ(TWRC_FAILURE, MakeEnumeration32(cap_, TWTY_FIX32, 2, items32, 1, 1));
    EXPECT_EQ(TWRC_FAILURE, MakeArray16(cap_, TWTY_UINT16, 2, items16));
    EXPECT_EQ(TWRC_FAILURE, MakeRange(cap_, TWTY_FIX32, 0, 1, 1, 0, 0));
    // These leave the application's structure as it was.
    EXPECT_EQ(0xEEEE, cap_.ConType);
    EXPECT_EQ(before, cap_.hContainer);
    EXPECT_EQ(TWCC_LOWMEMORY, TheApp().Status.ConditionCode);

    TheApp().SetCondition(TWCC_SUCCESS);
    EXPECT_EQ(TWRC_FAILURE, MakeOneValue(cap_, TWTY_BOOL, TRUE));
    EXPECT_EQ(TWCC_LOWMEMORY, TheApp().Status.ConditionCode);
    EXPECT_EQ(TWON_ONEVALUE, cap_.ConType);  // written before the allocation
    EXPECT_EQ(before, cap_.hContainer);
    EXPECT_EQ(5, failure.Refused());
}

// Readers.

TEST(ContainerReaders, OneValueGivesTheLowHalfOrTheWholeWord) {
    TestBlock block(OneValueBytes(TWTY_FIX32, 0xA3D70008));
    TW_UINT16 low = 0;
    TW_UINT32 word = 0;
    ASSERT_TRUE(ReadOneValue16(block.Get(), low));
    EXPECT_EQ(0x0008, low);
    ASSERT_TRUE(ReadOneValue32(block.Get(), word));
    EXPECT_EQ(0xA3D70008u, word);
}

TEST(ContainerReaders, ItemTypeIsNotExamined) {
    TestBlock block(OneValueBytes(0x7777, 300));
    TW_UINT16 value = 0;
    ASSERT_TRUE(ReadOneValue16(block.Get(), value));
    EXPECT_EQ(300, value);
}

TEST(ContainerReaders, EnumerationGivesTheItemAtCurrentIndex) {
    TestBlock narrow(Enumeration16Bytes(TWTY_UINT16, {1, 2}, 1, 0));
    TW_UINT16 value16 = 0;
    ASSERT_TRUE(ReadEnumerationCurrent16(narrow.Get(), value16));
    EXPECT_EQ(2, value16);

    TestBlock wide(Enumeration32Bytes(TWTY_FIX32, {FixWord(100), FixWord(200), FixWord(300)}, 2, 0));
    TW_UINT32 value32 = 0;
    ASSERT_TRUE(ReadEnumerationCurrent32(wide.Get(), value32));
    EXPECT_EQ(FixWord(300), value32);

    std::vector<TW_UINT32> items;
    ASSERT_TRUE(ReadEnumerationItems32(wide.Get(), items));
    EXPECT_EQ((std::vector<TW_UINT32>{FixWord(100), FixWord(200), FixWord(300)}), items);
    std::vector<TW_UINT16> items16;
    ASSERT_TRUE(ReadEnumerationItems16(narrow.Get(), items16));
    EXPECT_EQ((std::vector<TW_UINT16>{1, 2}), items16);
}

TEST(ContainerReaders, RangeGivesCurrentValueAndAllFields) {
    TestBlock block(RangeBytes(TWTY_FIX32, FixWord(100), FixWord(400), FixWord(100), FixWord(300),
                               FixWord(200)));
    TW_UINT32 current = 0;
    ASSERT_TRUE(ReadRangeCurrent(block.Get(), current));
    EXPECT_EQ(FixWord(200), current);
    TW_RANGE range{};
    ASSERT_TRUE(ReadRange(block.Get(), range));
    EXPECT_EQ(FixWord(100), range.MinValue);
    EXPECT_EQ(FixWord(400), range.MaxValue);
    EXPECT_EQ(FixWord(100), range.StepSize);
    EXPECT_EQ(FixWord(300), range.DefaultValue);
    EXPECT_EQ(FixWord(200), range.CurrentValue);
}

TEST(ContainerReaders, BlocksAreLeftUnlocked) {
    TestBlock block(OneValueBytes(TWTY_BOOL, 1));
    TW_UINT16 value = 0;
    ASSERT_TRUE(ReadOneValue16(block.Get(), value));
    EXPECT_EQ(0u, GlobalFlags(block.Get()) & GMEM_LOCKCOUNT);
}

TEST(ContainerReaders, NullAndForeignHandlesAreRefused) {
    int onTheStack = 0;
    const TW_HANDLE foreign[] = {
        nullptr,
        reinterpret_cast<TW_HANDLE>(&onTheStack),  // memory, but no global block
        reinterpret_cast<TW_HANDLE>(static_cast<uintptr_t>(0x12340000)),
        reinterpret_cast<TW_HANDLE>(static_cast<uintptr_t>(0x1234000A)),
        reinterpret_cast<TW_HANDLE>(static_cast<uintptr_t>(0x10)),
        INVALID_HANDLE_VALUE,
    };
    for (TW_HANDLE handle : foreign) {
        TW_UINT16 value16 = 0xABCD;
        TW_UINT32 value32 = 0xABCDEF01;
        TW_RANGE range{};
        std::vector<TW_UINT16> items{7};
        EXPECT_FALSE(ReadOneValue16(handle, value16)) << handle;
        EXPECT_FALSE(ReadOneValue32(handle, value32)) << handle;
        EXPECT_FALSE(ReadEnumerationCurrent16(handle, value16)) << handle;
        EXPECT_FALSE(ReadEnumerationCurrent32(handle, value32)) << handle;
        EXPECT_FALSE(ReadEnumerationItems16(handle, items)) << handle;
        EXPECT_FALSE(ReadRangeCurrent(handle, value32)) << handle;
        EXPECT_FALSE(ReadRange(handle, range)) << handle;
        EXPECT_EQ(0xABCD, value16);
        EXPECT_EQ(0xABCDEF01u, value32);
        EXPECT_EQ(std::vector<TW_UINT16>{7}, items);
    }
}

TEST(ContainerReaders, BlocksShorterThanTheirLayoutAreRefused) {
    TW_UINT16 value16 = 0;
    TW_UINT32 value32 = 0;
    TestBlock fiveBytes(Bytes{0x04, 0x00, 0x01, 0x00, 0x00});
    EXPECT_FALSE(ReadOneValue16(fiveBytes.Get(), value16));
    EXPECT_FALSE(ReadOneValue32(fiveBytes.Get(), value32));

    Bytes range = RangeBytes(TWTY_FIX32, 1, 2, 3, 4, 5);
    range.pop_back();
    TestBlock shortRange(range);
    EXPECT_FALSE(ReadRangeCurrent(shortRange.Get(), value32));

    TestBlock header(Bytes(13, 0));
    EXPECT_FALSE(ReadEnumerationCurrent16(header.Get(), value16));

    // NumItems 3 claimed, two 16-bit items present.
    Bytes enumeration = Enumeration16Bytes(TWTY_UINT16, {5, 6, 7}, 0, 0);
    enumeration.resize(14 + 2 * 2);
    TestBlock shortEnumeration(enumeration);
    EXPECT_FALSE(ReadEnumerationCurrent16(shortEnumeration.Get(), value16));
    std::vector<TW_UINT16> items;
    EXPECT_FALSE(ReadEnumerationItems16(shortEnumeration.Get(), items));

    // 16-bit items read as the 32-bit items a resolution expects.
    TestBlock narrow(Enumeration16Bytes(TWTY_UINT16, {1, 2, 3, 4}, 3, 0));
    EXPECT_FALSE(ReadEnumerationCurrent32(narrow.Get(), value32));
}

TEST(ContainerReaders, CurrentIndexAtOrBeyondNumItemsIsRefused) {
    TW_UINT16 value = 0;
    TestBlock atEnd(Enumeration16Bytes(TWTY_UINT16, {1, 2}, 2, 0));
    EXPECT_FALSE(ReadEnumerationCurrent16(atEnd.Get(), value));
    TestBlock farAway(Enumeration16Bytes(TWTY_UINT16, {1, 2}, 0xFFFFFFFF, 0));
    EXPECT_FALSE(ReadEnumerationCurrent16(farAway.Get(), value));
    TestBlock empty(Enumeration16Bytes(TWTY_UINT16, {}, 0, 0));
    EXPECT_FALSE(ReadEnumerationCurrent16(empty.Get(), value));
    std::vector<TW_UINT16> items{9};
    EXPECT_TRUE(ReadEnumerationItems16(empty.Get(), items));
    EXPECT_TRUE(items.empty());
}

TEST(ContainerReaders, HugeNumItemsIsRefusedNotAllocated) {
    Bytes enumeration = Enumeration16Bytes(TWTY_UINT16, {1, 2}, 0, 0);
    enumeration[2] = enumeration[3] = enumeration[4] = enumeration[5] = 0xFF;
    TestBlock block(enumeration);
    TW_UINT16 value = 0;
    std::vector<TW_UINT16> items;
    EXPECT_FALSE(ReadEnumerationCurrent16(block.Get(), value));
    EXPECT_FALSE(ReadEnumerationItems16(block.Get(), items));
}

TEST(ContainerReaders, BuiltContainersReadBack) {
    TheApp().SetCondition(TWCC_SUCCESS);
    TW_CAPABILITY cap{ICAP_XRESOLUTION, 0, nullptr};
    const TW_UINT32 items[] = {FixWord(75), FixWord(300)};
    ASSERT_EQ(TWRC_SUCCESS, MakeEnumeration32(cap, TWTY_FIX32, 2, items, FixWord(300), FixWord(75)));
    TW_UINT32 value = 0;
    EXPECT_TRUE(ReadEnumerationCurrent32(cap.hContainer, value));
    EXPECT_EQ(FixWord(300), value);
    GlobalFree(cap.hContainer);
}

}  // namespace
