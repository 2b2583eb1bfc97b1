#include "bench/own_window_frames.h"

#include "framework/proc_address.h"

namespace {

constexpr const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\";
constexpr const char kDriverKey[] = "\\X11 Driver";
constexpr const char kValue[] = "Managed";

bool UnderWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && ProcAddress<FARPROC>(ntdll, "wine_get_version") != nullptr;
}

// "tavix-bench.exe": Wine looks the per-program options up by the file name.
std::string ProgramFileName() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    const std::string full(path, length);
    return full.substr(full.find_last_of("\\/") + 1);
}

}  // namespace

OwnWindowFrames::OwnWindowFrames() {
    if (!UnderWine()) return;
    const std::string program = ProgramFileName();
    if (program.empty()) return;
    const std::string appKey = kAppDefaults + program;
    HKEY key = nullptr;
    appKeyExisted_ = RegOpenKeyExA(HKEY_CURRENT_USER, appKey.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (key) RegCloseKey(key);
    key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, (appKey + kDriverKey).c_str(), 0, nullptr, 0,
                        KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    char value[64] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    hadValue_ = RegQueryValueExA(key, kValue, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
                    ERROR_SUCCESS &&
                type == REG_SZ;
    if (hadValue_) previous_ = value;
    if (RegSetValueExA(key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2) == ERROR_SUCCESS)
        appKey_ = appKey;
    RegCloseKey(key);
}

OwnWindowFrames::~OwnWindowFrames() {
    if (appKey_.empty()) return;
    if (!appKeyExisted_) {
        RegDeleteTreeA(HKEY_CURRENT_USER, appKey_.c_str());
        return;
    }
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, (appKey_ + kDriverKey).c_str(), 0, KEY_WRITE, &key) !=
        ERROR_SUCCESS)
        return;
    if (hadValue_)
        RegSetValueExA(key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(previous_.c_str()),
                       static_cast<DWORD>(previous_.size() + 1));
    else
        RegDeleteValueA(key, kValue);
    RegCloseKey(key);
}
