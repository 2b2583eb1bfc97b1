// Owners of Win32 handles: each closes what it holds when it goes.
#pragma once

#include <windows.h>

#include <utility>

// A loaded library, freed with FreeLibrary.
class ModuleHandle {
public:
    ModuleHandle() = default;
    explicit ModuleHandle(HMODULE module) : module_(module) {}
    ~ModuleHandle() { Reset(); }
    ModuleHandle(ModuleHandle&& other) noexcept : module_(other.Release()) {}
    ModuleHandle& operator=(ModuleHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    ModuleHandle(const ModuleHandle&) = delete;
    ModuleHandle& operator=(const ModuleHandle&) = delete;

    HMODULE Get() const { return module_; }
    explicit operator bool() const { return module_ != nullptr; }
    HMODULE Release() { return std::exchange(module_, nullptr); }
    void Reset(HMODULE module = nullptr) {
        if (module_) FreeLibrary(module_);
        module_ = module;
    }

private:
    HMODULE module_ = nullptr;
};

// A kernel object handle, closed with CloseHandle. INVALID_HANDLE_VALUE and
// null both count as empty.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    explicit operator bool() const { return Valid(); }
    HANDLE Release() { return std::exchange(handle_, nullptr); }
    void Reset(HANDLE handle = nullptr) {
        if (Valid()) CloseHandle(handle_);
        handle_ = handle;
    }

private:
    HANDLE handle_ = nullptr;
};

// Pages reserved and committed with VirtualAlloc, released with VirtualFree.
// Fresh pages read as zero and cost no memory until they are first touched.
class VirtualBlock {
public:
    VirtualBlock() = default;
    explicit VirtualBlock(size_t size)
        : bytes_(size ? static_cast<unsigned char*>(
                            VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE))
                      : nullptr),
          size_(bytes_ ? size : 0) {}
    ~VirtualBlock() { Reset(); }
    VirtualBlock(VirtualBlock&& other) noexcept
        : bytes_(std::exchange(other.bytes_, nullptr)), size_(std::exchange(other.size_, 0)) {}
    VirtualBlock& operator=(VirtualBlock&& other) noexcept {
        if (this != &other) {
            Reset();
            bytes_ = std::exchange(other.bytes_, nullptr);
            size_ = std::exchange(other.size_, 0);
        }
        return *this;
    }
    VirtualBlock(const VirtualBlock&) = delete;
    VirtualBlock& operator=(const VirtualBlock&) = delete;

    unsigned char* Bytes() const { return bytes_; }
    size_t Size() const { return size_; }
    explicit operator bool() const { return bytes_ != nullptr; }
    void Reset() {
        if (bytes_) VirtualFree(bytes_, 0, MEM_RELEASE);
        bytes_ = nullptr;
        size_ = 0;
    }

private:
    unsigned char* bytes_ = nullptr;
    size_t size_ = 0;
};
