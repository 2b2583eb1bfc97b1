#include "setup/version.h"

#include "framework/handles.h"

#include <windows.h>

namespace {

// msi.dll's MsiGetProductInfoA, imported by its ordinal.
using ProductInfoFn = UINT(WINAPI*)(LPCSTR product, LPCSTR property, LPSTR value, DWORD* size);
constexpr WORD kProductInfoOrdinal = 67;
constexpr DWORD kVersionBufferChars = 36;

// Loaded on first use and kept for the rest of the run.
ProductInfoFn ProductInfo() {
    static ModuleHandle msi(LoadLibraryA("msi.dll"));
    static const ProductInfoFn function = msi ? reinterpret_cast<ProductInfoFn>(reinterpret_cast<void*>(
                                                    GetProcAddress(msi.Get(), MAKEINTRESOURCEA(kProductInfoOrdinal))))
                                              : nullptr;
    return function;
}

}  // namespace

VersionCheck CheckInstalledVersion(const char* productCode, std::uint32_t high, std::uint32_t low) {
    const ProductInfoFn query = ProductInfo();
    if (query == nullptr) return VersionCheck::QueryFailed;
    char installed[kVersionBufferChars] = {};
    DWORD size = kVersionBufferChars;
    const UINT result = query(productCode, "VersionString", installed, &size);
    if (result == ERROR_UNKNOWN_PRODUCT || result == ERROR_UNKNOWN_PROPERTY) return VersionCheck::NotInstalled;
    if (result != ERROR_SUCCESS) return VersionCheck::QueryFailed;

    std::uint32_t installedHigh = 0, installedLow = 0;
    // An empty installed text cannot be compared; treated as a failed query.
    if (!ParseVersion(installed, installedHigh, installedLow)) return VersionCheck::QueryFailed;
    // The revision is not part of the comparison.
    if (installedHigh == high && (installedLow >> 16) == (low >> 16)) return VersionCheck::NotInstalled;
    if (high > installedHigh || (high == installedHigh && low > installedLow)) return VersionCheck::Upgrade;
    return VersionCheck::LaterInstalled;
}
