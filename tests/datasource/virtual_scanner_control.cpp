#include "tests/datasource/virtual_scanner_control.h"

#include "support/scanner_call_log.h"
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

std::string ScannerCallLog() { return ReadCallLog(GetModuleHandleA("BRSVIO.DLL")); }

size_t ScannerCalls(const std::string& name) { return static_cast<size_t>(CountCalls(ScannerCallLog(), name)); }
