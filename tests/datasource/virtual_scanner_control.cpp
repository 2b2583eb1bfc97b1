#include "tests/datasource/virtual_scanner_control.h"

#include "framework/proc_address.h"
#include "support/temp_folder.h"

#include <windows.h>

#include <cstdint>

ScopedControlFile::ScopedControlFile(const std::string& path) : path_(path) {
    char buffer[32768];
    const DWORD length = GetEnvironmentVariableA("BRSVIO_CONTROL", buffer, sizeof buffer);
    hadValue_ = length > 0 && length < sizeof buffer;
    if (hadValue_) saved_.assign(buffer, length);
    Write("");
    SetEnvironmentVariableA("BRSVIO_CONTROL", path_.c_str());
}

ScopedControlFile::~ScopedControlFile() {
    SetEnvironmentVariableA("BRSVIO_CONTROL", hadValue_ ? saved_.c_str() : nullptr);
}

void ScopedControlFile::Write(const std::string& lines) const { WriteWholeFile(path_, "[scanner]\n" + lines); }

std::string ScannerCallLog() {
    typedef int32_t(__cdecl * CallLogProc)(char* buffer, int32_t size);
    HMODULE scanner = GetModuleHandleA("BRSVIO.DLL");
    if (!scanner) return std::string();
    auto callLog = ProcAddress<CallLogProc>(scanner, "BRSVIO_GetCallLog");
    if (!callLog) return std::string();
    std::string text(static_cast<size_t>(callLog(nullptr, 0)) + 1, '\0');
    callLog(&text[0], static_cast<int32_t>(text.size()));
    text.resize(text.size() - 1);
    return text;
}

size_t ScannerCalls(const std::string& name) {
    const std::string log = ScannerCallLog();
    size_t count = 0;
    for (size_t at = log.find(name + " "); at != std::string::npos; at = log.find(name + " ", at + 1))
        if (at == 0 || log[at - 1] == '\n') ++count;
    return count;
}
