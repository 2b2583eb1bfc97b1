#include "bench/machine_note.h"

#include "bench/stopwatch.h"
#include "framework/proc_address.h"

#include <windows.h>

#include <cstdio>

namespace {

typedef const char*(__cdecl* WineGetVersion)();
typedef void(__cdecl* WineGetHostVersion)(const char** sysname, const char** release);

std::string Architecture() {
#if defined(_WIN64)
    return "x86_64";
#else
    return "i686";
#endif
}

std::string ProcessorName() {
    char name[128] = {};
    DWORD size = sizeof name;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0",
                     "ProcessorNameString", RRF_RT_REG_SZ, nullptr, name, &size) != ERROR_SUCCESS)
        return "processor unknown";
    std::string text = name;
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? "processor unknown" : text.substr(first);
}

}  // namespace

std::string MachineNote() {
    std::string note = Architecture() + " build";
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    const auto wineVersion = ntdll ? ProcAddress<WineGetVersion>(ntdll, "wine_get_version") : nullptr;
    const auto hostVersion = ntdll ? ProcAddress<WineGetHostVersion>(ntdll, "wine_get_host_version") : nullptr;
    if (wineVersion) {
        note += " running under Wine " + std::string(wineVersion());
        if (hostVersion) {
            const char* system = nullptr;
            const char* release = nullptr;
            hostVersion(&system, &release);
            if (system && release) note += " on " + std::string(system) + " " + release;
        }
        note += " (not Windows: the costs of files, memory and windows are Wine's)";
    } else {
        note += " on Windows";
    }
    SYSTEM_INFO system{};
    GetNativeSystemInfo(&system);
    char tail[160];
    std::snprintf(tail, sizeof tail, "; %lu logical processors, %s; QueryPerformanceCounter at %.3f MHz",
                  static_cast<unsigned long>(system.dwNumberOfProcessors), ProcessorName().c_str(),
                  Stopwatch::Frequency() / 1e6);
    return note + tail;
}
