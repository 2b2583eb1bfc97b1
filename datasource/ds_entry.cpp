// The data source's only export.
#include "datasource/data_source_app.h"
#include "datasource/triplet_table.h"

#include <new>

extern "C" TW_UINT16 WINAPI DS_Entry(pTW_IDENTITY pOrigin, TW_UINT32 DG,
                                                           TW_UINT16 DAT, TW_UINT16 MSG,
                                                           TW_MEMREF pData) {
    // Nothing may escape into the application: an unexpected failure inside
    // an operation becomes an ordinary TWAIN failure.
    try {
        // The module making this call is the manager the notifications of
        // the session go back through.
        if (DG == DG_CONTROL && DAT == DAT_IDENTITY && MSG == MSG_OPENDS)
            TheApp().OpeningCaller = __builtin_return_address(0);
        return DispatchTriplet(pOrigin, DG, DAT, MSG, pData);
    } catch (const std::bad_alloc&) {
        return TheApp().Fail(TWCC_LOWMEMORY);
    } catch (...) {
        return TheApp().Fail(TWCC_BUMMER);
    }
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        TheApp().SetModuleHandle(instance);
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
