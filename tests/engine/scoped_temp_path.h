// Points the process's temporary folder (TMP and TEMP, which GetTempPathA
// reads) at another folder for as long as the object lives, and lists what a
// folder holds, so tests can prove that nothing was left behind.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class ScopedTempPath {
public:
    explicit ScopedTempPath(const std::string& folder) {
        Save("TMP", tmp_, hadTmp_);
        Save("TEMP", temp_, hadTemp_);
        SetEnvironmentVariableA("TMP", folder.c_str());
        SetEnvironmentVariableA("TEMP", folder.c_str());
    }
    ~ScopedTempPath() {
        SetEnvironmentVariableA("TMP", hadTmp_ ? tmp_.c_str() : nullptr);
        SetEnvironmentVariableA("TEMP", hadTemp_ ? temp_.c_str() : nullptr);
    }
    ScopedTempPath(const ScopedTempPath&) = delete;
    ScopedTempPath& operator=(const ScopedTempPath&) = delete;

private:
    static void Save(const char* name, std::string& value, bool& had) {
        char buffer[32768];
        const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
        had = length > 0 && length < sizeof buffer;
        if (had) value.assign(buffer, length);
    }

    std::string tmp_, temp_;
    bool hadTmp_ = false, hadTemp_ = false;
};

// Names of the files and folders in `folder` (with or without its trailing backslash).
inline std::vector<std::string> FilesIn(const std::string& folder) {
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\') pattern += '\\';
    pattern += '*';
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}
