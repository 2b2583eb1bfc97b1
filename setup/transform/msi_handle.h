// An msi.dll handle, closed with MsiCloseHandle.
#pragma once

#include <windows.h>
#include <msiquery.h>

#include <utility>

class MsiHandle {
public:
    MsiHandle() = default;
    explicit MsiHandle(MSIHANDLE handle) : handle_(handle) {}
    ~MsiHandle() { Reset(); }
    MsiHandle(MsiHandle&& other) noexcept : handle_(std::exchange(other.handle_, 0)) {}
    MsiHandle& operator=(MsiHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, 0));
        return *this;
    }
    MsiHandle(const MsiHandle&) = delete;
    MsiHandle& operator=(const MsiHandle&) = delete;

    MSIHANDLE Get() const { return handle_; }
    MSIHANDLE* Out() {
        Reset();
        return &handle_;
    }
    void Reset(MSIHANDLE handle = 0) {
        if (handle_) MsiCloseHandle(handle_);
        handle_ = handle;
    }

private:
    MSIHANDLE handle_ = 0;
};
