#include "datasource/manager_link.h"

#include "framework/handles.h"
#include "framework/proc_address.h"

namespace {

constexpr DWORD kModuleOfAddress =
    GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;

}  // namespace

void ManagerLink::BindToCaller(const void* callerAddress) {
    Unbind();
    HMODULE module = nullptr;
    if (!callerAddress ||
        !GetModuleHandleExA(kModuleOfAddress, static_cast<LPCSTR>(callerAddress), &module))
        return;
    // An application that loads the source itself and calls DS_Entry is no
    // manager: its notifications go by TWAIN_32.DLL as before.
    auto entry = ProcAddress<DSMENTRYPROC>(module, "DSM_Entry");
    if (!entry) return;
    module_ = module;
    entry_ = entry;
}

void ManagerLink::Unbind() {
    module_ = nullptr;
    entry_ = nullptr;
}

bool ManagerLink::ForwardNotification(TW_IDENTITY& origin, TW_IDENTITY& dest, TW_UINT16 code,
                                      TW_UINT16* answer) const {
    TW_UINT16 ignored = 0;
    TW_UINT16& result = answer ? *answer : ignored;
    if (entry_) {
        result = entry_(&origin, &dest, DG_CONTROL, DAT_NULL, code, nullptr);
        return true;
    }
    // The manager is already loaded in the application; this only takes a
    // reference for the length of the call.
    ModuleHandle manager(LoadLibraryA("TWAIN_32.DLL"));
    if (!manager) return false;
    auto entry = ProcAddress<DSMENTRYPROC>(manager.Get(), "DSM_Entry");
    if (!entry) return false;
    result = entry(&origin, &dest, DG_CONTROL, DAT_NULL, code, nullptr);
    return true;
}
