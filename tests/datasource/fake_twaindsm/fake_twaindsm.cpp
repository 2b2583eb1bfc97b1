// A small TWAIN 2 style data source manager named TWAINDSM.DLL, for tests of
// a source used through a manager other than TWAIN_32.DLL. It knows one
// source, the module named by TAVIX_FAKE_DSM_SOURCE, loads it at MSG_OPENDS
// and passes the application's triplets to its DS_Entry. As the TWAIN 2
// manager does for an application without a callback, it keeps a DAT_NULL
// notification of the source and hands it over in TW_EVENT.TWMessage at the
// application's next MSG_PROCESSEVENT, posting WM_NULL to the application's
// window so that its loop comes round. Every DAT_NULL it receives is written
// as a line to the file named by TAVIX_FAKE_DSM_LOG.
#include "datasource/twain.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr TW_UINT32 kApplicationId = 1;
constexpr TW_UINT32 kSourceId = 2;

struct Manager {
    bool open = false;
    HWND parent = nullptr;
    HMODULE source = nullptr;
    DSENTRYPROC sourceEntry = nullptr;
    TW_IDENTITY sourceIdentity{};
    bool listed = false;
    TW_UINT16 pendingMessage = MSG_NULL;
    TW_UINT16 condition = TWCC_SUCCESS;
};

Manager manager;

bool Environment(const char* name, char (&value)[MAX_PATH]) {
    const DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH;
}

void Log(const char* line) {
    char path[MAX_PATH];
    if (!Environment("TAVIX_FAKE_DSM_LOG", path)) return;
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD done = 0;
    WriteFile(file, line, static_cast<DWORD>(std::strlen(line)), &done, nullptr);
    CloseHandle(file);
}

TW_UINT16 Fail(TW_UINT16 condition) {
    manager.condition = condition;
    return TWRC_FAILURE;
}

bool LoadSource() {
    if (manager.source) return true;
    char path[MAX_PATH];
    if (!Environment("TAVIX_FAKE_DSM_SOURCE", path)) return false;
    manager.source = LoadLibraryA(path);
    if (!manager.source) return false;
    manager.sourceEntry =
        reinterpret_cast<DSENTRYPROC>(reinterpret_cast<void (*)()>(GetProcAddress(manager.source, "DS_Entry")));
    if (manager.sourceEntry) return true;
    FreeLibrary(manager.source);
    manager.source = nullptr;
    return false;
}

void UnloadSource() {
    if (manager.source) FreeLibrary(manager.source);
    manager.source = nullptr;
    manager.sourceEntry = nullptr;
}

// DAT_PARENT's data is a pointer to the application's window handle. It is
// read without trusting it, so that a client passing the handle itself is
// refused instead of crashing the test.
bool ReadParent(TW_MEMREF data, HWND& parent) {
    SIZE_T read = 0;
    if (!data || !ReadProcessMemory(GetCurrentProcess(), data, &parent, sizeof parent, &read)) return false;
    return read == sizeof parent && IsWindow(parent);
}

TW_UINT16 Identity(pTW_IDENTITY origin, TW_UINT16 msg, TW_MEMREF data) {
    auto* identity = static_cast<pTW_IDENTITY>(data);
    if (!identity) return Fail(TWCC_BADVALUE);
    switch (msg) {
    case MSG_GETFIRST:
    case MSG_GETDEFAULT:
    case MSG_GETNEXT: {
        if (msg == MSG_GETNEXT && manager.listed) return TWRC_ENDOFLIST;
        if (!LoadSource()) return Fail(TWCC_NODS);
        TW_IDENTITY found{};
        const TW_UINT16 rc = manager.sourceEntry(origin, DG_CONTROL, DAT_IDENTITY, MSG_GET, &found);
        if (rc != TWRC_SUCCESS) return Fail(TWCC_NODS);
        found.Id = kSourceId;
        *identity = found;
        manager.listed = true;
        return TWRC_SUCCESS;
    }
    case MSG_OPENDS: {
        if (!LoadSource()) return Fail(TWCC_NODS);
        origin->Id = kApplicationId;
        identity->Id = kSourceId;
        const TW_UINT16 rc = manager.sourceEntry(origin, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, identity);
        if (rc == TWRC_SUCCESS) manager.sourceIdentity = *identity;
        return rc;
    }
    case MSG_CLOSEDS: {
        if (!manager.sourceEntry) return Fail(TWCC_SEQERROR);
        const TW_UINT16 rc = manager.sourceEntry(origin, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, identity);
        manager.pendingMessage = MSG_NULL;
        UnloadSource();
        return rc;
    }
    default:
        return Fail(TWCC_BADPROTOCOL);
    }
}

TW_UINT16 ToManager(pTW_IDENTITY origin, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) {
    if (dg == DG_CONTROL && dat == DAT_PARENT && msg == MSG_OPENDSM) {
        HWND parent = nullptr;
        if (!ReadParent(data, parent)) {
            Log("MSG_OPENDSM refused: the data is no pointer to a window handle\n");
            return Fail(TWCC_BADVALUE);
        }
        manager.parent = parent;
        manager.open = true;
        manager.listed = false;
        return TWRC_SUCCESS;
    }
    if (dg == DG_CONTROL && dat == DAT_PARENT && msg == MSG_CLOSEDSM) {
        manager.open = false;
        return TWRC_SUCCESS;
    }
    if (dg == DG_CONTROL && dat == DAT_STATUS && msg == MSG_GET) {
        auto* status = static_cast<TW_STATUS*>(data);
        if (!status) return TWRC_FAILURE;
        status->ConditionCode = manager.condition;
        manager.condition = TWCC_SUCCESS;
        return TWRC_SUCCESS;
    }
    if (!manager.open) return Fail(TWCC_SEQERROR);
    if (dg == DG_CONTROL && dat == DAT_IDENTITY) return Identity(origin, msg, data);
    return Fail(TWCC_BADPROTOCOL);
}

// The source's notification: kept for the application's next event.
TW_UINT16 FromSource(pTW_IDENTITY origin, TW_UINT16 msg) {
    char line[128];
    std::snprintf(line, sizeof line, "DAT_NULL from %lu:%.33s msg=0x%04x\n",
                  origin ? static_cast<unsigned long>(origin->Id) : 0ul, origin ? origin->ProductName : "null",
                  msg);
    Log(line);
    manager.pendingMessage = msg;
    if (manager.parent) PostMessageA(manager.parent, WM_NULL, 0, 0);
    return TWRC_SUCCESS;
}

TW_UINT16 ProcessEvent(pTW_IDENTITY origin, TW_MEMREF data) {
    auto* event = static_cast<TW_EVENT*>(data);
    if (!event) return Fail(TWCC_BADVALUE);
    const TW_UINT16 kept = manager.pendingMessage;
    manager.pendingMessage = MSG_NULL;
    TW_UINT16 rc = manager.sourceEntry(origin, DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, event);
    if (kept != MSG_NULL) {
        event->TWMessage = kept;
        rc = TWRC_DSEVENT;
    }
    return rc;
}

}  // namespace

extern "C" TW_UINT16 WINAPI DSM_Entry(pTW_IDENTITY pOrigin, pTW_IDENTITY pDest, TW_UINT32 DG,
                                      TW_UINT16 DAT, TW_UINT16 MSG, TW_MEMREF pData) {
    if (DG == DG_CONTROL && DAT == DAT_NULL) return FromSource(pOrigin, MSG);
    if (!pDest) return ToManager(pOrigin, DG, DAT, MSG, pData);
    if (!manager.sourceEntry || pDest->Id != kSourceId) return Fail(TWCC_BADDEST);
    if (DG == DG_CONTROL && DAT == DAT_EVENT && MSG == MSG_PROCESSEVENT) return ProcessEvent(pOrigin, pData);
    return manager.sourceEntry(pOrigin, DG, DAT, MSG, pData);
}
