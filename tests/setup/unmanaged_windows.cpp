#include "unmanaged_windows.h"

namespace {
constexpr const char* kKey = "Software\\Wine\\X11 Driver";
constexpr const char* kValue = "Managed";
}  // namespace

UnmanagedWindows::UnmanagedWindows() {
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                        &disposition) != ERROR_SUCCESS) {
        key_ = nullptr;
        return;
    }
    char value[16] = {};
    DWORD size = sizeof value;
    DWORD type = 0;
    had_ = RegQueryValueExA(key_, kValue, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS &&
           type == REG_SZ;
    if (had_) previous_ = value;
    createdKey_ = disposition == REG_CREATED_NEW_KEY;
    RegSetValueExA(key_, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
}

UnmanagedWindows::~UnmanagedWindows() {
    if (key_ == nullptr) return;
    if (had_) {
        RegSetValueExA(key_, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(previous_.c_str()),
                       static_cast<DWORD>(previous_.size() + 1));
    } else {
        RegDeleteValueA(key_, kValue);
    }
    RegCloseKey(key_);
    if (createdKey_) RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
}
