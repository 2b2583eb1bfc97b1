// The module's one data source object: all connection state of the source.
#pragma once

#include "datasource/host_wnd.h"
#include "datasource/manager_link.h"
#include "datasource/memory_transfer.h"
#include "datasource/notification.h"
#include "datasource/twain.h"
#include "engine/measure_unit.h"
#include "engine/negotiation_state.h"
#include "engine/page_bracket.h"
#include "engine/page_store.h"
#include "engine/scan_context.h"
#include "engine/scan_settings.h"
#include "engine/scanner_io.h"
#include "framework/win_app.h"
#include "ui/dialog_acquisition_ui.h"

#include <cstdint>

// Bit masks of TWAIN states 3..7 for the accepted-states rules.
constexpr unsigned StateBit(int state) { return 1u << state; }
constexpr unsigned kStates3to7 = StateBit(3) | StateBit(4) | StateBit(5) | StateBit(6) | StateBit(7);
constexpr unsigned kStates4to7 = StateBit(4) | StateBit(5) | StateBit(6) | StateBit(7);
constexpr unsigned kStates4to6 = StateBit(4) | StateBit(5) | StateBit(6);
constexpr unsigned kStates5to7 = StateBit(5) | StateBit(6) | StateBit(7);
constexpr unsigned kStates6to7 = StateBit(6) | StateBit(7);

class CDataSourceApp : public CWinApp {
public:
    ScanSettings Settings{};
    // What the application negotiated through capabilities.
    Negotiation Negotiated;
    // The unit the dialog shows lengths in, asked once for the module's life.
    MeasureUnit Units;
    TW_STATUS Status{};
    int16_t State = 3;
    char SectionName[16] = {};
    int32_t AcquireResult = 0;
    int16_t PendingXfers = -1;
    int32_t ImageLength = 0;
    int32_t ImageWidth = 0;
    int32_t UiMode = 0;
    int32_t DeviceOnline = 0;
    // An operation that changes the session is running: its dialog or
    // progress window may hand the application's messages to it, and the
    // application may call the source again from there.
    bool OperationRunning = false;
    CHostWnd HostWnd;
    char HelpPath[MAX_PATH] = {};
    char ProfilePath[MAX_PATH] = {};
    const char* SavedHelpFilePath = nullptr;
    const char* SavedProfileName = nullptr;
    ScannerIo Io;
    // Set once the scanner library file has been found on the DLL search path.
    bool ScannerLibraryFound = false;
    // The windows a scan shows: the data source's own dialogs.
    DialogAcquisitionUi AcquisitionWindows{Io};
    // The sheet the scanner reads, and the rows kept of it.
    PageBracket Sheet{Io};
    PageStore Pages;
    // A memory transfer between its first buffer and its last.
    MemoryTransfer MemoryPage;
    TW_IDENTITY SourceIdentity{};
    TW_IDENTITY AppIdentity{};
    // The manager that opened the source, and the return address of the
    // DS_Entry call that carried MSG_OPENDS (set just before it runs).
    ManagerLink Manager;
    // Where the notifications of the current enable go.
    Notifier Notifications;
    const void* OpeningCaller = nullptr;

    // Records a condition code for DAT_STATUS.
    void SetCondition(TW_UINT16 code) {
        Status.ConditionCode = code;
        Status.Reserved = 0;
    }
    // Records the condition and answers TWRC_FAILURE, for one-line failure paths.
    TW_UINT16 Fail(TW_UINT16 code) {
        SetCondition(code);
        return TWRC_FAILURE;
    }
    bool InState(unsigned acceptedStates) const { return (acceptedStates & StateBit(State)) != 0; }

    // What reading the sheet works with, for the engine.
    ScanContext Scan() { return ScanContext{Io, Sheet, Pages, &AcquisitionWindows}; }
};

// The data source object of this module.
CDataSourceApp& TheApp();
