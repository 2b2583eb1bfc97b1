#include "tests/engine/virtual_scanner.h"

std::string VirtualScannerPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1) + "scanner\\BRSVIO.DLL";
}
