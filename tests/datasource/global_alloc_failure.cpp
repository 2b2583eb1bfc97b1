#include "tests/datasource/global_alloc_failure.h"

#include "support/import_slot.h"

#include <windows.h>


namespace {

int refused = 0;

HGLOBAL WINAPI RefuseGlobalAlloc(UINT, SIZE_T) {
    ++refused;
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

}  // namespace

GlobalAllocFailure::GlobalAllocFailure() {
    slot_ = FindImportSlot(GetModuleHandleA(nullptr), "GlobalAlloc");
    if (!slot_) return;
    refused = 0;
    original_ = *slot_;
    WriteImportSlot(slot_, reinterpret_cast<void*>(&RefuseGlobalAlloc));
}

GlobalAllocFailure::~GlobalAllocFailure() {
    if (slot_) WriteImportSlot(slot_, original_);
}

int GlobalAllocFailure::Refused() const { return refused; }
