// A loaded library, freed when its owner goes.
#pragma once

#include <windows.h>

#include <utility>

class ModuleHandle {
public:
    explicit ModuleHandle(HMODULE module = nullptr) : module_(module) {}
    ~ModuleHandle() {
        if (module_) FreeLibrary(module_);
    }
    ModuleHandle(ModuleHandle&& other) noexcept : module_(std::exchange(other.module_, nullptr)) {}
    ModuleHandle(const ModuleHandle&) = delete;
    ModuleHandle& operator=(const ModuleHandle&) = delete;
    ModuleHandle& operator=(ModuleHandle&&) = delete;

    HMODULE Get() const { return module_; }
    explicit operator bool() const { return module_ != nullptr; }

private:
    HMODULE module_ = nullptr;
};
