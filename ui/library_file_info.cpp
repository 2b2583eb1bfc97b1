#include "ui/library_file_info.h"

#include "engine/scanner_io.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {
constexpr const char* kNoVersion = "---";
constexpr const char* kNoDate = "0-0-0";
}  // namespace

std::string SystemScannerLibraryPath() {
    // The first call tells the size a long folder name needs.
    std::vector<char> folder(MAX_PATH, '\0');
    UINT length = GetSystemDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
    if (length >= folder.size()) {
        folder.assign(static_cast<size_t>(length) + 1, '\0');
        length = GetSystemDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
    }
    if (length == 0 || length >= folder.size()) return std::string();
    std::string path(folder.data(), length);
    if (path.back() != '\\') path += '\\';
    return path + kScannerLibraryName;
}

std::string LibraryVersionText(const std::string& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return kNoVersion;
    std::vector<char> block(size, '\0');
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return kNoVersion;
    void* root = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\", &root, &length) || !root) return kNoVersion;
    // A damaged resource may hand back less than the fixed part, or something
    // that is not one: its fields would be read from beyond it.
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(root);
    if (length < sizeof *fixed || fixed->dwSignature != VS_FFI_SIGNATURE) return kNoVersion;
    char text[48];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", HIWORD(fixed->dwFileVersionMS),
                  LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                  LOWORD(fixed->dwFileVersionLS));
    return text;
}

std::string LibraryDateText(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (path.empty() || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return kNoDate;
    // The local time of that day (with its own daylight saving rule), not
    // shifted by today's.
    SYSTEMTIME universal = {}, local = {};
    if (!FileTimeToSystemTime(&data.ftLastWriteTime, &universal) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
        return kNoDate;
    char text[32];
    std::snprintf(text, sizeof text, "%d-%d-%d", local.wYear, local.wMonth, local.wDay);
    return text;
}
