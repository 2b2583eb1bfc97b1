// A stand-in for the TWAIN manager TWAIN_32.DLL: its DSM_Entry writes every
// call it gets as one line to the file named by TAVIX_FAKE_MANAGER_LOG, so a
// test can see exactly what the data source forwarded. A DAT_NULL code named
// (in hex, e.g. 0x0103) by TAVIX_FAKE_MANAGER_REFUSE is logged and refused,
// as a manager that does not know it would.
#include "datasource/twain.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

void Describe(char* out, size_t size, const TW_IDENTITY* identity) {
    if (!identity) {
        std::snprintf(out, size, "null");
        return;
    }
    std::snprintf(out, size, "%lu:%.33s", static_cast<unsigned long>(identity->Id),
                  identity->ProductName);
}

}  // namespace

// Lets a test tell this library from the real manager.
extern "C" int TavixFakeManager() { return 1; }

extern "C" TW_UINT16 WINAPI DSM_Entry(pTW_IDENTITY pOrigin, pTW_IDENTITY pDest, TW_UINT32 DG,
                                      TW_UINT16 DAT, TW_UINT16 MSG, TW_MEMREF pData) {
    char logPath[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("TAVIX_FAKE_MANAGER_LOG", logPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return TWRC_FAILURE;
    char origin[64];
    char dest[64];
    Describe(origin, sizeof origin, pOrigin);
    Describe(dest, sizeof dest, pDest);
    char line[256];
    const int written = std::snprintf(line, sizeof line, "origin=%s dest=%s dg=%lu dat=%u msg=0x%04x data=%s\n",
                                      origin, dest, static_cast<unsigned long>(DG), DAT, MSG,
                                      pData ? "set" : "null");
    HANDLE file = CreateFileA(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return TWRC_FAILURE;
    DWORD done = 0;
    WriteFile(file, line, static_cast<DWORD>(written), &done, nullptr);
    CloseHandle(file);
    char refused[16] = {};
    if (DAT == DAT_NULL && GetEnvironmentVariableA("TAVIX_FAKE_MANAGER_REFUSE", refused, sizeof refused) &&
        std::strtoul(refused, nullptr, 16) == MSG)
        return TWRC_FAILURE;
    return TWRC_SUCCESS;
}
