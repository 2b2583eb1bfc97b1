#include "installed_product.h"

#include <windows.h>
#include <msi.h>

#include <vector>

std::string InstalledProperty(const char* property) {
    char value[256] = {};
    DWORD size = sizeof value;
    if (MsiGetProductInfoA(kProductCode, property, value, &size) != ERROR_SUCCESS) return std::string();
    return value;
}

bool ProductInstalled() { return !InstalledProperty("VersionString").empty(); }

unsigned RunMsiexec(const std::string& arguments) {
    std::string line = "msiexec.exe " + arguments;
    std::vector<char> mutableLine(line.begin(), line.end());
    mutableLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
        return GetLastError();
    }
    WaitForSingleObject(info.hProcess, 120000);
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return code;
}

bool InstallPackage(const std::string& package) {
    return RunMsiexec("/qn /i \"" + package + "\"") == ERROR_SUCCESS && ProductInstalled();
}

bool UninstallProduct() {
    if (ProductInstalled()) RunMsiexec(std::string("/qn /x ") + kProductCode);
    return !ProductInstalled();
}

ProductAbsentGuard::ProductAbsentGuard() { UninstallProduct(); }
ProductAbsentGuard::~ProductAbsentGuard() { UninstallProduct(); }
