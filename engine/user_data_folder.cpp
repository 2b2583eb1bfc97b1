#include "engine/user_data_folder.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

bool GetUserDataFolder(char* buffer) {
    if (!buffer) return false;
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, folder)))
        return false;
    static const char kSubfolder[] = "\\Orvane\\";
    if (std::strlen(folder) + sizeof kSubfolder > MAX_PATH) return false;
    std::strcat(folder, kSubfolder);
    // A file of that name is no folder: the profile could not be written there.
    const DWORD attributes = GetFileAttributesA(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (!CreateDirectoryA(folder, nullptr)) return false;
    } else if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }
    std::memcpy(buffer, folder, std::strlen(folder) + 1);
    return true;
}
