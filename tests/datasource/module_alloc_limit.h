// Makes GlobalAlloc refuse large blocks for the loaded TAVIXSRC.ds while the
// object lives, by pointing the module's import of it at a stand-in: the
// small blocks of headers and containers are still given, the block of a
// whole page is not.
#pragma once

#include <windows.h>

#include <cstddef>

class ModuleAllocLimit {
public:
    ModuleAllocLimit(HMODULE module, size_t largestBlock);
    ~ModuleAllocLimit();
    ModuleAllocLimit(const ModuleAllocLimit&) = delete;
    ModuleAllocLimit& operator=(const ModuleAllocLimit&) = delete;

    // Whether the import was found and replaced.
    bool Active() const { return slot_ != nullptr; }
    // Blocks that were refused.
    int Refused() const;

private:
    void** slot_ = nullptr;
    void* original_ = nullptr;
};
