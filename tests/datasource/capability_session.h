// An open source negotiated through DS_Entry: MSG_SET with containers the
// test builds byte for byte, the answers of the other capability messages,
// snapshots of every capability's values, and the virtual scanner the source
// loaded (its configuration and call log).
#pragma once

#include "framework/handles.h"
#include "tests/datasource/container_bytes.h"
#include "tests/datasource/data_source_module.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// FIX32 word of `value` by the rounding the source uses (nearest 1/65536,
// halves away from zero), worked out here in double precision.
uint32_t FixOf(double value);

// An enumeration of 32-bit items laid out like Enumeration32Bytes, from a vector.
Bytes Enumeration32Of(uint16_t itemType, const std::vector<uint32_t>& items, uint32_t currentIndex,
                      uint32_t defaultIndex);

// A container as an application sends it.
struct Container {
    TW_UINT16 conType;
    Bytes bytes;
};
Container OneValue(TW_UINT16 itemType, uint32_t item);
Container Enum16(std::initializer_list<uint16_t> items, uint32_t currentIndex);
Container EnumFix(std::initializer_list<double> items, uint32_t currentIndex);
Container RangeFix(double low, double high, double step, double current);

// What a capability message answered.
struct Reply {
    TW_UINT16 rc = TWRC_FAILURE;
    TW_UINT16 conType = 0;
    Bytes bytes;
};

class CapabilitySession : public DataSourceModule {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the source with the virtual scanner on PATH (online, one sheet
    // at the sensor); `online` false makes its interface refuse to open.
    void OpenSource(bool online = true);

    // MSG_SET with a block holding `container.bytes`; checks that the source
    // left the block, its handle and the structure as they were.
    TW_UINT16 Set(TW_UINT16 id, const Container& container);
    // MSG_SET with a handle the test made up.
    TW_UINT16 SetHandle(TW_UINT16 id, TW_UINT16 conType, TW_HANDLE handle);
    Reply Ask(TW_UINT16 msg, TW_UINT16 id);
    // The MSG_GETCURRENT block, which must be a one-value.
    Bytes Current(TW_UINT16 id);

    // MSG_GET and MSG_GETCURRENT of all 41 capabilities, by id.
    std::map<TW_UINT16, std::pair<Bytes, Bytes>> Snapshot();

    // The virtual scanner the source loaded.
    bool Configure(const char* key, const char* value);
    std::string CallLog();
    // Lines of the call log that record a call of `name`.
    int Calls(const std::string& name);

private:
    std::optional<ScopedScannerOnPath> path_;
    ModuleHandle preloaded_;
};
