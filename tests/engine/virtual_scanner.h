// The virtual scanner BRSVIO.DLL for engine tests: its path and its control
// exports.
#pragma once

#include "framework/proc_address.h"

#include <windows.h>

#include <cstdint>
#include <string>

std::string VirtualScannerPath();

struct VirtualScannerControl {
    typedef int32_t(__cdecl* ConfigureProc)(const char* key, const char* value);
    typedef void(__cdecl* ResetProc)();
    typedef int32_t(__cdecl* CallLogProc)(char* buffer, int32_t size);

    explicit VirtualScannerControl(HMODULE library)
        : configure(ProcAddress<ConfigureProc>(library, "BRSVIO_Configure")),
          reset(ProcAddress<ResetProc>(library, "BRSVIO_Reset")),
          callLog(ProcAddress<CallLogProc>(library, "BRSVIO_GetCallLog")) {}

    bool Valid() const { return configure && reset && callLog; }
    std::string CallLog() const {
        std::string text(static_cast<size_t>(callLog(nullptr, 0)) + 1, '\0');
        callLog(&text[0], static_cast<int32_t>(text.size()));
        text.resize(text.size() - 1);
        return text;
    }
    // How often `name` was called, as the log tells.
    size_t Calls(const std::string& name) const {
        const std::string log = CallLog();
        size_t count = 0;
        for (size_t at = log.find(name + " "); at != std::string::npos; at = log.find(name + " ", at + 1))
            if (at == 0 || log[at - 1] == '\n') ++count;
        return count;
    }

    ConfigureProc configure;
    ResetProc reset;
    CallLogProc callLog;
};
