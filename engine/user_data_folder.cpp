#include "engine/user_data_folder.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

bool GetUserDataFolder(char* buffer) {
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, folder)))
        return false;
    static const char kSubfolder[] = "\\Orvane\\";
    if (std::strlen(folder) + sizeof kSubfolder > MAX_PATH) return false;
    std::strcat(folder, kSubfolder);
    if (GetFileAttributesA(folder) == INVALID_FILE_ATTRIBUTES && !CreateDirectoryA(folder, nullptr))
        return false;
    std::memcpy(buffer, folder, std::strlen(folder) + 1);
    return true;
}
