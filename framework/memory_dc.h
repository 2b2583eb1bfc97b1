// A memory device context compatible with another DC, with one bitmap
// selected into it; the previous selection is put back and the DC deleted
// when the object goes. The bitmap stays its owner's.
#pragma once

#include <windows.h>

class CMemoryDC {
public:
    CMemoryDC(HDC compatibleWith, HBITMAP bitmap)
        : dc_(CreateCompatibleDC(compatibleWith)),
          previous_(dc_ && bitmap ? SelectObject(dc_, bitmap) : nullptr) {}
    ~CMemoryDC() {
        if (!dc_) return;
        if (previous_) SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;

    HDC Get() const { return dc_; }
    // Whether the DC exists and holds the bitmap.
    explicit operator bool() const { return dc_ != nullptr && previous_ != nullptr; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};
