// A module holding the page store, as the data source does, so that a test
// can unload it with rows still stored.
#include "engine/page_store.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// The module's store, destroyed when the module unloads, as the data source's.
PageStore moduleStore;

void CopyName(const std::string& name, char* out, int size) {
    if (!out || size <= 0) return;
    std::strncpy(out, name.c_str(), static_cast<size_t>(size) - 1);
    out[size - 1] = '\0';
}

}  // namespace

// Writes rows into both slots of the module's store and starts reading the
// front one, then returns without clearing the store. The files' names go
// to `front` and `back`. 0 when everything was written.
extern "C" __declspec(dllexport) int FillModuleStore(char* front, char* back, int size) {
    PageStore& store = moduleStore;
    const std::vector<uint8_t> rows(4 * 64, 0x5A);
    int result = store.SetRowBytes(64) ? 0 : 1;
    result |= store.WriteRows(rows.data(), 4);
    std::vector<uint8_t> buffer(64);
    result |= store.ReadRows(buffer.data(), 1);
    result |= store.SelectSlot(1) ? 0 : 1;
    result |= store.WriteRows(rows.data(), 4);
    // A write that fails on a slot being read leaves the slot's file as it was.
    result |= store.SelectSlot(0) ? 0 : 1;
    result |= store.WriteRows(rows.data(), 1) == kPageStoreFailed ? 0 : 1;
    CopyName(store.FileName(0), front, size);
    CopyName(store.FileName(1), back, size);
    return result;
}
