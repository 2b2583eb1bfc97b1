// A memory device context compatible with another one, with one object
// selected into it; the previous object is selected back and the context
// deleted when it goes. The selected object stays with its own owner.
#pragma once

#include <windows.h>

class CMemoryDC {
public:
    explicit CMemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~CMemoryDC() {
        if (!dc_) return;
        if (previous_) SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

    // Selects `object` (a bitmap, for instance); the first previous object is
    // the one given back at the end. False when it cannot be selected.
    bool Select(HGDIOBJ object) {
        if (!dc_ || !object) return false;
        HGDIOBJ old = SelectObject(dc_, object);
        if (!old || old == HGDI_ERROR) return false;
        if (!previous_) previous_ = old;
        return true;
    }

private:
    HDC dc_;
    HGDIOBJ previous_ = nullptr;
};
