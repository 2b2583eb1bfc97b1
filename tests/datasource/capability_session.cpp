#include "tests/datasource/capability_session.h"
#include "support/scanner_call_log.h"

#include "framework/proc_address.h"
#include "scanner-sim/brsvio.h"

#include <windows.h>

#include <cmath>
#include <cstring>
#include <sstream>
#include <vector>

namespace {

const TW_UINT16 kAllCapabilities[] = {
    0x0001, 0x0100, 0x0101, 0x0102, 0x0103, 0x1002, 0x1003, 0x1005, 0x1007, 0x100B, 0x100D,
    0x100E, 0x100F, 0x1014, 0x102D, 0x1030, 0x1101, 0x1103, 0x1108, 0x110A, 0x110C, 0x1111,
    0x1112, 0x1113, 0x1116, 0x1117, 0x1118, 0x1119, 0x111C, 0x111F, 0x1120, 0x1122, 0x1123,
    0x112B, 0x112C, 0xBC00, 0xBC01, 0xBE00, 0xBE01, 0xBE02, 0xBE03};

HMODULE ScannerModule() { return GetModuleHandleA("BRSVIO.DLL"); }

Bytes BlockBytes(TW_HANDLE handle) {
    Bytes bytes(GlobalSize(handle));
    if (void* data = GlobalLock(handle)) {
        if (!bytes.empty()) std::memcpy(bytes.data(), data, bytes.size());
        GlobalUnlock(handle);
    }
    return bytes;
}

}  // namespace

uint32_t FixOf(double value) {
    double scaled = value * 65536.0;
    scaled += scaled >= 0 ? 0.5 : -0.5;
    const int32_t v = static_cast<int32_t>(std::trunc(scaled));
    return static_cast<uint32_t>(v >> 16 & 0xFFFF) | (static_cast<uint32_t>(v & 0xFFFF) << 16);
}

Container OneValue(TW_UINT16 itemType, uint32_t item) {
    return {TWON_ONEVALUE, OneValueBytes(itemType, item)};
}

Container Enum16(std::initializer_list<uint16_t> items, uint32_t currentIndex) {
    return {TWON_ENUMERATION, Enumeration16Bytes(TWTY_UINT16, items, currentIndex, 0)};
}

Bytes Enumeration32Of(uint16_t itemType, const std::vector<uint32_t>& items, uint32_t currentIndex,
                      uint32_t defaultIndex) {
    Bytes bytes;
    auto add = [&bytes](uint32_t value, int width) {
        for (int shift = 0; shift < 8 * width; shift += 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
    };
    add(itemType, 2);
    add(static_cast<uint32_t>(items.size()), 4);
    add(currentIndex, 4);
    add(defaultIndex, 4);
    for (uint32_t item : items) add(item, 4);
    add(0, 2);
    return bytes;
}

Container EnumFix(std::initializer_list<double> items, uint32_t currentIndex) {
    std::vector<uint32_t> words;
    for (double item : items) words.push_back(FixOf(item));
    return {TWON_ENUMERATION, Enumeration32Of(TWTY_FIX32, words, currentIndex, 0)};
}

Container RangeFix(double low, double high, double step, double current) {
    return {TWON_RANGE, RangeBytes(TWTY_FIX32, FixOf(low), FixOf(high), FixOf(step), FixOf(0), FixOf(current))};
}

void CapabilitySession::SetUp() {
    DataSourceModule::SetUp();
    path_.emplace(true);
}

void CapabilitySession::TearDown() {
    DataSourceModule::TearDown();
    path_.reset();
    // Last reference: the library goes, and with it its configuration.
    preloaded_.Reset();
}

void CapabilitySession::OpenSource(bool online) {
    if (!online) {
        // Loaded first and told to refuse the open, so the source finds it
        // already in the process.
        preloaded_.Reset(LoadLibraryA((ScannerFolder() + "BRSVIO.DLL").c_str()));
        ASSERT_TRUE(preloaded_);
        ASSERT_TRUE(Configure("open_fails", "1"));
    }
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_NE(nullptr, ScannerModule());
    ASSERT_EQ(OneValueBytes(TWTY_BOOL, online ? 1 : 0), Current(CAP_DEVICEONLINE));
}

TW_UINT16 CapabilitySession::Set(TW_UINT16 id, const Container& container) {
    TestBlock block(container.bytes);
    EXPECT_NE(nullptr, block.Get());
    TW_CAPABILITY cap{id, container.conType, block.Get()};
    const TW_UINT16 rc = Call(DG_CONTROL, DAT_CAPABILITY, MSG_SET, &cap);
    EXPECT_EQ(id, cap.Cap);
    EXPECT_EQ(container.conType, cap.ConType) << "capability " << id;
    EXPECT_EQ(block.Get(), cap.hContainer) << "capability " << id;
    EXPECT_EQ(0u, GlobalFlags(block.Get()) & GMEM_LOCKCOUNT) << "capability " << id;
    EXPECT_EQ(Hex(container.bytes), Hex(BlockBytes(block.Get()))) << "capability " << id;
    return rc;
}

TW_UINT16 CapabilitySession::SetHandle(TW_UINT16 id, TW_UINT16 conType, TW_HANDLE handle) {
    TW_CAPABILITY cap{id, conType, handle};
    const TW_UINT16 rc = Call(DG_CONTROL, DAT_CAPABILITY, MSG_SET, &cap);
    EXPECT_EQ(handle, cap.hContainer);
    return rc;
}

Reply CapabilitySession::Ask(TW_UINT16 msg, TW_UINT16 id) {
    TW_CAPABILITY cap{id, TWON_DONTCARE16, nullptr};
    Reply reply;
    reply.rc = Call(DG_CONTROL, DAT_CAPABILITY, msg, &cap);
    reply.conType = cap.ConType;
    bool unlocked = true;
    reply.bytes = TakeContainer(cap, &unlocked);
    EXPECT_TRUE(unlocked) << "capability " << id << " message " << msg;
    return reply;
}

Bytes CapabilitySession::Current(TW_UINT16 id) {
    Reply reply = Ask(MSG_GETCURRENT, id);
    EXPECT_EQ(TWRC_SUCCESS, reply.rc) << "capability " << id;
    EXPECT_EQ(TWON_ONEVALUE, reply.conType) << "capability " << id;
    return reply.bytes;
}

std::map<TW_UINT16, std::pair<Bytes, Bytes>> CapabilitySession::Snapshot() {
    std::map<TW_UINT16, std::pair<Bytes, Bytes>> values;
    for (TW_UINT16 id : kAllCapabilities) {
        Reply get = Ask(MSG_GET, id);
        Reply current = Ask(MSG_GETCURRENT, id);
        EXPECT_EQ(TWRC_SUCCESS, get.rc) << id;
        EXPECT_EQ(TWRC_SUCCESS, current.rc) << id;
        values[id] = {get.bytes, current.bytes};
    }
    return values;
}

bool CapabilitySession::Configure(const char* key, const char* value) {
    auto configure = ProcAddress<BRSVIO_Configure_Fn>(ScannerModule(), "BRSVIO_Configure");
    return configure && configure(key, value) == 1;
}

std::string CapabilitySession::CallLog() { return ReadCallLog(ScannerModule()); }

int CapabilitySession::Calls(const std::string& name) { return CountCalls(CallLog(), name); }
