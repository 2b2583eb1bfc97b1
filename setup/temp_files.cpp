#include "setup/temp_files.h"

#include "setup/setup_language.h"
#include "setup/setup_resources.h"
#include "setup/setup_state.h"
#include "framework/handles.h"

#include <windows.h>

#include <cstdio>

bool WriteResourceToTemp(const char* resourceName, std::string& fileName) {
    const void* data = nullptr;
    std::size_t size = 0;
    if (!GetResourceData(resourceName, data, size)) return false;

    char folder[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH) return false;
    const std::string fullPath = folder + fileName;
    if (fullPath.size() >= MAX_PATH) return false;

    UniqueHandle file(CreateFileA(fullPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const std::string message = "Could not create a file named: " + fullPath +
                                    ". Please make sure that file doesn't already exist and you have write "
                                    "permission to the directory.";
        MessageBoxA(nullptr, message.c_str(), State().productName.c_str(), MB_OK);
        return false;
    }
    DWORD written = 0;
    const BOOL ok = WriteFile(file.Get(), data, static_cast<DWORD>(size), &written, nullptr);
    file.Reset();
    if (!ok || written != size) {
        DeleteFileA(fullPath.c_str());
        return false;
    }
    fileName = fullPath;
    return true;
}

bool ExtractPackage() {
    SetupState& state = State();
    char transformResource[16];
    std::snprintf(transformResource, sizeof transformResource, "LANG%u", unsigned{CurrentLanguageId()});

    if (!WriteResourceToTemp("PACKAGEFILE", state.packagePath)) return false;
    state.packageWritten = true;

    if (CurrentLanguageId() != kEnglishLanguage && ResourceExists(transformResource)) {
        if (!WriteResourceToTemp(transformResource, state.transformPath)) {
            DeleteFileA(state.packagePath.c_str());
            state.packageWritten = false;
            return false;
        }
        state.transformWritten = true;
    } else {
        // The package then installs in its own language.
        state.transformPath.clear();
    }
    return true;
}

void DeleteWrittenTempFiles() {
    SetupState& state = State();
    if (!state.extracted) return;
    if (state.packageWritten) DeleteFileA(state.packagePath.c_str());
    if (state.transformWritten) DeleteFileA(state.transformPath.c_str());
    state.packageWritten = false;
    state.transformWritten = false;
}
