#include "bench/data_source_session.h"

#include "framework/global_block.h"
#include "framework/proc_address.h"

#include <cmath>
#include <cstring>

namespace {

void CopyName(TW_STR32 field, const char* text) {
    std::memset(field, 0, sizeof(TW_STR32));
    std::strncpy(field, text, sizeof(TW_STR32) - 1);
}

}  // namespace

TW_FIX32 Fix32(double value) {
    const auto scaled = static_cast<int32_t>(std::lround(value * 65536.0));
    TW_FIX32 fix;
    fix.Whole = static_cast<TW_INT16>(scaled >> 16);
    fix.Frac = static_cast<TW_UINT16>(scaled & 0xFFFF);
    return fix;
}

bool DataSourceSession::Load(const std::string& path, std::string& error) {
    module_.Reset(LoadLibraryA(path.c_str()));
    if (!module_) {
        error = "cannot load " + path + ", error " + std::to_string(GetLastError());
        return false;
    }
    entry_ = ProcAddress<DSENTRYPROC>(module_.Get(), "DS_Entry");
    if (!entry_) {
        error = path + " has no DS_Entry";
        module_.Reset();
        return false;
    }
    // A made-up application, as the manager would describe it.
    app_ = TW_IDENTITY{};
    app_.Id = 1;
    app_.Version.MajorNum = 1;
    CopyName(app_.Version.Info, "1.0");
    app_.ProtocolMajor = 1;
    app_.ProtocolMinor = 9;
    app_.SupportedGroups = DG_CONTROL | DG_IMAGE;
    CopyName(app_.Manufacturer, "Tavix Bench Maker");
    CopyName(app_.ProductFamily, "Benchmarks");
    CopyName(app_.ProductName, "Tavix Bench");
    source_ = TW_IDENTITY{};
    source_.Id = 2;
    CopyName(source_.ProductName, "Tavix Scanner");
    return true;
}

TW_UINT16 DataSourceSession::Call(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) {
    return entry_ ? entry_(&app_, dg, dat, msg, data) : TWRC_FAILURE;
}

TW_UINT16 DataSourceSession::Condition() {
    TW_STATUS status{};
    if (Call(DG_CONTROL, DAT_STATUS, MSG_GET, &status) != TWRC_SUCCESS) return 0xFFFF;
    return status.ConditionCode;
}

bool DataSourceSession::Expect(const char* step, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg,
                               TW_MEMREF data, TW_UINT16 expected, std::string& error) {
    const TW_UINT16 rc = Call(dg, dat, msg, data);
    if (rc == expected) return true;
    error = std::string(step) + " answered " + std::to_string(rc) + " (condition " +
            std::to_string(Condition()) + "), not " + std::to_string(expected);
    return false;
}

bool DataSourceSession::Open(std::string& error) {
    return Expect("MSG_OPENDS", DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &source_, TWRC_SUCCESS, error);
}

bool DataSourceSession::SetOneValue(const char* step, TW_UINT16 cap, TW_UINT16 itemType,
                                    TW_UINT32 item, std::string& error) {
    GlobalBlock container = GlobalBlock::Allocate(sizeof(TW_ONEVALUE));
    if (!container) {
        error = std::string(step) + ": no memory for the container";
        return false;
    }
    {
        GlobalBlockLock lock(container.Get());
        if (!lock) {
            error = std::string(step) + ": the container cannot be locked";
            return false;
        }
        TW_ONEVALUE value{itemType, item};
        std::memcpy(lock.Bytes(), &value, sizeof value);
    }
    TW_CAPABILITY capability{cap, TWON_ONEVALUE, container.Get()};
    // The container stays the application's; the source only reads it.
    return Expect(step, DG_CONTROL, DAT_CAPABILITY, MSG_SET, &capability, TWRC_SUCCESS, error);
}

bool DataSourceSession::SetFix32(const char* step, TW_UINT16 cap, double value, std::string& error) {
    const TW_FIX32 fix = Fix32(value);
    TW_UINT32 word = 0;
    static_assert(sizeof word == sizeof fix, "a TW_FIX32 fills the container's word");
    std::memcpy(&word, &fix, sizeof word);
    return SetOneValue(step, cap, TWTY_FIX32, word, error);
}

bool DataSourceSession::Enable(HWND parent, std::string& error) {
    TW_USERINTERFACE ui{FALSE, FALSE, parent};
    return Expect("MSG_ENABLEDS", DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui, TWRC_SUCCESS, error);
}

bool DataSourceSession::EnableWithDialog(HWND parent, std::string& error) {
    TW_USERINTERFACE ui{TRUE, FALSE, parent};
    return Expect("MSG_ENABLEDS (ShowUI)", DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui, TWRC_SUCCESS, error);
}

bool DataSourceSession::ResetTransfers(std::string& error) {
    TW_PENDINGXFERS pending{};
    return Expect("MSG_RESET", DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending, TWRC_SUCCESS, error);
}

bool DataSourceSession::EndTransfer(std::string& error) {
    TW_PENDINGXFERS pending{};
    if (!Expect("MSG_ENDXFER", DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending, TWRC_SUCCESS, error))
        return false;
    // One page per enable: nothing may be left pending.
    if (pending.Count == 0) return true;
    error = "MSG_ENDXFER left " + std::to_string(pending.Count) + " transfers pending";
    return false;
}

bool DataSourceSession::Disable(HWND parent, std::string& error) {
    TW_USERINTERFACE ui{FALSE, FALSE, parent};
    return Expect("MSG_DISABLEDS", DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui, TWRC_SUCCESS, error);
}

bool DataSourceSession::Close(std::string& error) {
    return Expect("MSG_CLOSEDS", DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, &source_, TWRC_SUCCESS, error);
}
