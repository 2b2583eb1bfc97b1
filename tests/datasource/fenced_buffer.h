// An application's buffer whose last byte is followed by a page nobody may
// touch: a write past its end stops the program at once.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

class FencedBuffer {
public:
    explicit FencedBuffer(size_t size) {
        SYSTEM_INFO system{};
        GetSystemInfo(&system);
        const size_t page = system.dwPageSize;
        const size_t span = (size + page - 1) / page * page;
        base_ = static_cast<uint8_t*>(VirtualAlloc(nullptr, span + page, MEM_RESERVE, PAGE_NOACCESS));
        if (base_ && (span == 0 || VirtualAlloc(base_, span, MEM_COMMIT, PAGE_READWRITE)))
            bytes_ = base_ + span - size;
    }
    ~FencedBuffer() {
        if (base_) VirtualFree(base_, 0, MEM_RELEASE);
    }
    FencedBuffer(const FencedBuffer&) = delete;
    FencedBuffer& operator=(const FencedBuffer&) = delete;

    uint8_t* Bytes() const { return bytes_; }

private:
    uint8_t* base_ = nullptr;
    uint8_t* bytes_ = nullptr;
};
