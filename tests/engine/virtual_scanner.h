// The virtual scanner BRSVIO.DLL for engine tests: its path and its control
// exports.
#pragma once

#include "framework/proc_address.h"
#include "support/scanner_call_log.h"

#include <windows.h>

#include <cstdint>
#include <string>

std::string VirtualScannerPath();

struct VirtualScannerControl {
    typedef int32_t(__cdecl* ConfigureProc)(const char* key, const char* value);
    typedef void(__cdecl* ResetProc)();
    typedef int32_t(__cdecl* CallLogProc)(char* buffer, int32_t size);

    explicit VirtualScannerControl(HMODULE library)
        : library_(library),
          configure(ProcAddress<ConfigureProc>(library, "BRSVIO_Configure")),
          reset(ProcAddress<ResetProc>(library, "BRSVIO_Reset")),
          callLog(ProcAddress<CallLogProc>(library, "BRSVIO_GetCallLog")) {}

    bool Valid() const { return configure && reset && callLog; }
    std::string CallLog() const { return ReadCallLog(library_); }
    // How often `name` was called, as the log tells.
    size_t Calls(const std::string& name) const { return static_cast<size_t>(CountCalls(CallLog(), name)); }

    HMODULE library_;
    ConfigureProc configure;
    ResetProc reset;
    CallLogProc callLog;
};
