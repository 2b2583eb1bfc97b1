#include "engine/temp_file_name.h"

#include "framework/handles.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kFallbackTries = 32;

// The system's temporary folder with its trailing backslash, or empty.
std::string SystemTempFolder() {
    char folder[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder) return std::string();
    return std::string(folder, length);
}

std::string WithTrailingBackslash(std::string dir) {
    if (!dir.empty() && dir.back() != '\\' && dir.back() != '/') dir += '\\';
    return dir;
}

}  // namespace

std::string MakeFallbackTempFileName(const char* prefix, const std::string& dir,
                                     const std::function<unsigned()>& nextNumber) {
    const std::string folder = WithTrailingBackslash(dir);
    if (folder.empty()) return std::string();
    for (int attempt = 0; attempt < kFallbackTries; ++attempt) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof name, "%3s%04x.tmp", prefix ? prefix : "",
                      nextNumber() & 0xFFFFu);
        std::string path = folder + name;
        UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) return path;
    }
    // Every try failed: the folder cannot take a file, and handing out a name
    // that was never created would only move the failure to the caller's write.
    return std::string();
}

std::string MakeTempFileName(const char* prefix, const char* dir) {
    const std::string folder =
        (dir && *dir) ? WithTrailingBackslash(dir) : SystemTempFolder();
    if (folder.empty()) return std::string();

    char name[MAX_PATH] = {};
    if (GetTempFileNameA(folder.c_str(), prefix ? prefix : "", 0, name) != 0)
        return name;

    std::srand(GetTickCount());
    return MakeFallbackTempFileName(prefix, folder,
                                    [] { return static_cast<unsigned>(std::rand()); });
}
