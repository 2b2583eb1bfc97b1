// Global memory: an owner that frees its block unless it hands it on, and a
// guard that keeps a block locked for as long as it lives.
#pragma once

#include <windows.h>

#include <cstddef>
#include <utility>

// An HGLOBAL, freed with GlobalFree unless Release() hands it to someone else
// (a capability container, a native-transfer DIB).
class GlobalBlock {
public:
    GlobalBlock() = default;
    explicit GlobalBlock(HGLOBAL block) : block_(block) {}
    ~GlobalBlock() { Reset(); }
    GlobalBlock(GlobalBlock&& other) noexcept : block_(other.Release()) {}
    GlobalBlock& operator=(GlobalBlock&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;

    // A moveable, zero-filled block of `bytes`; empty when it cannot be had.
    static GlobalBlock Allocate(size_t bytes) {
        return GlobalBlock(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes));
    }

    HGLOBAL Get() const { return block_; }
    explicit operator bool() const { return block_ != nullptr; }
    HGLOBAL Release() { return std::exchange(block_, nullptr); }
    void Reset(HGLOBAL block = nullptr) {
        if (block_) GlobalFree(block_);
        block_ = block;
    }

private:
    HGLOBAL block_ = nullptr;
};

// Locks a block (owned by someone else) and unlocks it when it goes. The size
// is taken before locking: GlobalSize answers 0 for a handle that is not a
// block, and such a handle is then never locked.
class GlobalBlockLock {
public:
    explicit GlobalBlockLock(HGLOBAL block) : block_(block) {
        if (!block_) return;
        size_ = GlobalSize(block_);
        if (size_ == 0) return;
        data_ = GlobalLock(block_);
        if (!data_) size_ = 0;
    }
    ~GlobalBlockLock() {
        if (data_) GlobalUnlock(block_);
    }
    GlobalBlockLock(const GlobalBlockLock&) = delete;
    GlobalBlockLock& operator=(const GlobalBlockLock&) = delete;

    explicit operator bool() const { return data_ != nullptr; }
    // The locked bytes, or null when the block could not be locked.
    unsigned char* Bytes() const { return static_cast<unsigned char*>(data_); }
    // Bytes of the block; 0 when it could not be locked.
    size_t Size() const { return size_; }

private:
    HGLOBAL block_ = nullptr;
    void* data_ = nullptr;
    size_t size_ = 0;
};
