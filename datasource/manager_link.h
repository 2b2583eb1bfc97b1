// The data source manager the application talks to the source through.
// Notifications go back to the application by that manager's DSM_Entry: a
// TWAIN 2 manager (TWAINDSM.DLL) knows nothing of a TWAIN_32.DLL call, and
// the application may never have loaded TWAIN_32.DLL at all.
#pragma once

#include "datasource/twain.h"

class ManagerLink {
public:
    // Binds to the module that holds `callerAddress` (the return address of
    // the DS_Entry call that opened the source) when that module exports
    // DSM_Entry; otherwise the link stays unbound. The manager loaded this
    // module and outlives it, so no reference is taken.
    void BindToCaller(const void* callerAddress);
    void Unbind();
    HMODULE Module() const { return module_; }

    // Calls DSM_Entry(origin, dest, DG_CONTROL, DAT_NULL, code, null) of the
    // bound manager, or of "TWAIN_32.DLL" when none is bound. False when no
    // manager could be called; `answer` (may be null) gets the manager's TWRC.
    bool ForwardNotification(TW_IDENTITY& origin, TW_IDENTITY& dest, TW_UINT16 code,
                             TW_UINT16* answer = nullptr) const;

private:
    HMODULE module_ = nullptr;
    DSMENTRYPROC entry_ = nullptr;
};
