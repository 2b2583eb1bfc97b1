#include "system_scanner_library.h"

#include "framework/handles.h"

#include <vector>

namespace {

std::string SystemFolderFile(const char* name) {
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    return std::string(folder) + "\\" + name;
}

}  // namespace

SystemScannerLibrary::SystemScannerLibrary(const std::string& source)
    : path_(SystemFolderFile("BRSVIO.DLL")) {
    if (path_.empty()) return;
    if (GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES) {
        const std::string aside = aside_.File("BRSVIO.DLL");
        if (!MoveFileExA(path_.c_str(), aside.c_str(), MOVEFILE_COPY_ALLOWED)) return;
        kept_ = aside;
    }
    ready_ = source.empty() || CopyFileA(source.c_str(), path_.c_str(), FALSE) != FALSE;
}

SystemScannerLibrary::~SystemScannerLibrary() {
    if (path_.empty()) return;
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path_.c_str());
    if (!kept_.empty()) MoveFileExA(kept_.c_str(), path_.c_str(), MOVEFILE_COPY_ALLOWED);
}

std::string UnversionedScannerPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1) + "test-libraries\\BRSVIO_NOVERSION.DLL";
}

bool SetModifiedDay(const std::string& path, int year, int month, int day) {
    SYSTEMTIME local = {};
    local.wYear = static_cast<WORD>(year);
    local.wMonth = static_cast<WORD>(month);
    local.wDay = static_cast<WORD>(day);
    local.wHour = 12;
    SYSTEMTIME universal = {};
    FILETIME time = {};
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal) ||
        !SystemTimeToFileTime(&universal, &time))
        return false;
    UniqueHandle file(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && SetFileTime(file.Get(), nullptr, nullptr, &time) != FALSE;
}
