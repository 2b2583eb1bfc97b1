#include "tests/datasource/module_alloc_limit.h"

#include "support/import_slot.h"


namespace {

typedef HGLOBAL(WINAPI* GlobalAllocProc)(UINT, SIZE_T);

GlobalAllocProc original = nullptr;
size_t limit = 0;
int refused = 0;

HGLOBAL WINAPI LimitedGlobalAlloc(UINT flags, SIZE_T bytes) {
    if (bytes > limit) {
        ++refused;
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return original(flags, bytes);
}

}  // namespace

ModuleAllocLimit::ModuleAllocLimit(HMODULE module, size_t largestBlock) {
    if (!module) return;
    slot_ = FindImportSlot(module, "GlobalAlloc");
    if (!slot_) return;
    original_ = *slot_;
    original = reinterpret_cast<GlobalAllocProc>(original_);
    limit = largestBlock;
    refused = 0;
    WriteImportSlot(slot_, reinterpret_cast<void*>(&LimitedGlobalAlloc));
}

ModuleAllocLimit::~ModuleAllocLimit() {
    if (slot_) WriteImportSlot(slot_, original_);
}

int ModuleAllocLimit::Refused() const { return refused; }
