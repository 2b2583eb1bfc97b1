// The built TAVIXSRC.ds loaded into the bench and driven through DS_Entry the
// way an application reaches it through the manager, as "Tavix Bench".
#pragma once

#include "datasource/twain.h"
#include "framework/handles.h"

#include <string>

class DataSourceSession {
public:
    // Loads the module at `path`; false, with `error`, when it cannot be
    // loaded or has no DS_Entry.
    bool Load(const std::string& path, std::string& error);

    TW_UINT16 Call(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data);
    // A call that must answer `expected`; otherwise false, with `error`
    // naming the step, its answer and the condition code.
    bool Expect(const char* step, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data,
                TW_UINT16 expected, std::string& error);

    bool Open(std::string& error);
    // MSG_SET of a one-value container; `item` is the container's 32-bit word.
    bool SetOneValue(const char* step, TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 item,
                     std::string& error);
    bool SetFix32(const char* step, TW_UINT16 cap, double value, std::string& error);
    // DAT_USERINTERFACE MSG_ENABLEDS without the dialog, `parent` the
    // application's window.
    bool Enable(HWND parent, std::string& error);
    // MSG_ENABLEDS with the scanner dialog; it returns once the dialog has
    // ended.
    bool EnableWithDialog(HWND parent, std::string& error);
    bool EndTransfer(std::string& error);
    // MSG_RESET of the pending transfers: the page announced is dropped.
    bool ResetTransfers(std::string& error);
    bool Disable(HWND parent, std::string& error);
    bool Close(std::string& error);
    // Frees the module; the source should be closed first.
    void Unload() { module_.Reset(); }

private:
    TW_UINT16 Condition();

    ModuleHandle module_;
    DSENTRYPROC entry_ = nullptr;
    TW_IDENTITY app_{};
    TW_IDENTITY source_{};
};

// A TW_FIX32 for `value`, to 1/65536.
TW_FIX32 Fix32(double value);
