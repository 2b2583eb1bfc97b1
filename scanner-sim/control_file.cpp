#include "control_file.h"

#include <windows.h>

#include <cstring>

std::string ControlFilePath() {
    char name[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("BRSVIO_CONTROL", name, sizeof name);
    if (length == 0 || length >= sizeof name) return std::string();
    // The profile functions look for a bare name in the Windows folder; a
    // relative name is meant relative to the current folder.
    char full[MAX_PATH];
    const DWORD fullLength = GetFullPathNameA(name, sizeof full, full, nullptr);
    if (fullLength == 0 || fullLength >= sizeof full) return std::string(name);
    return std::string(full, fullLength);
}

bool ReadControlFile(const std::string& path,
                     std::vector<std::pair<std::string, std::string>>& entries) {
    entries.clear();
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    std::vector<char> buffer(4096);
    for (;;) {
        const DWORD got = GetPrivateProfileSectionA(
            "scanner", buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
        if (got + 2 < buffer.size() || buffer.size() >= 1024 * 1024) break;
        buffer.assign(buffer.size() * 4, '\0');
    }
    // "key=value\0key=value\0\0"
    for (const char* p = buffer.data(); *p; p += std::strlen(p) + 1) {
        const std::string line(p);
        if (line[0] == ';' || line[0] == '#') continue;
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        entries.emplace_back(line.substr(0, equals), line.substr(equals + 1));
    }
    return true;
}
