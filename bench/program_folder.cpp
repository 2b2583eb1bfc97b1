#include "bench/program_folder.h"

#include <windows.h>

#include <vector>

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

void PutScannerOnPath(const std::string& scannerFolder) {
    const DWORD size = GetEnvironmentVariableA("PATH", nullptr, 0);
    std::vector<char> path(size + 1);
    if (size > 0) GetEnvironmentVariableA("PATH", path.data(), size + 1);
    SetEnvironmentVariableA("PATH", (scannerFolder + ";" + path.data()).c_str());
}
