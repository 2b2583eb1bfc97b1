#include "tools/twain_client/dsm_session.h"

#include "framework/proc_address.h"

#include <cstring>

namespace {

const char kWindowClass[] = "TavixTwainClientWindow";

HWND CreateHiddenWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kWindowClass;
    RegisterClassA(&wc);
    return CreateWindowA(kWindowClass, "tavix-twain", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr,
                         nullptr, wc.hInstance, nullptr);
}

// Wine's own twain_32.dll takes DAT_PARENT's data as the window handle
// itself, where the TWAIN specification (and every other manager) passes a
// pointer to it. Wine marks its built-in modules after the DOS header.
bool IsWineOwnTwain32(HMODULE module) {
    static const char kWineBuiltin[] = "Wine builtin DLL";
    const auto* image = reinterpret_cast<const char*>(module);
    if (std::memcmp(image + 0x40, kWineBuiltin, sizeof kWineBuiltin - 1) != 0) return false;
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    const char* name = path;
    for (const char* c = path; *c; ++c)
        if (*c == '\\' || *c == '/') name = c + 1;
    return _stricmp(name, "twain_32.dll") == 0;
}

}  // namespace

DsmSession::DsmSession() {
    app_.Version.MajorNum = 1;
    app_.Version.Language = TWLG_USA;
    app_.Version.Country = TWCY_USA;
    std::strcpy(app_.Version.Info, "1.0");
    app_.ProtocolMajor = TWON_PROTOCOLMAJOR;
    app_.ProtocolMinor = TWON_PROTOCOLMINOR;
    app_.SupportedGroups = DG_CONTROL | DG_IMAGE;
    std::strcpy(app_.Manufacturer, "Orvane Imaging Systems");
    std::strcpy(app_.ProductFamily, "Tools");
    std::strcpy(app_.ProductName, "Tavix TWAIN Client");
}

DsmSession::~DsmSession() { Close(); }

std::string DsmSession::Fail(const std::string& what, TW_UINT16 rc) {
    error_ = what + " failed (TWRC " + std::to_string(rc) + ")";
    return error_;
}

TW_MEMREF DsmSession::ParentData() {
    if (parentless_) return nullptr;
    if (IsWineOwnTwain32(library_)) return static_cast<TW_MEMREF>(managerWindow_);
    return static_cast<TW_MEMREF>(&managerWindow_);
}

TW_UINT16 DsmSession::ToManager(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) {
    return entry_(&app_, nullptr, dg, dat, msg, data);
}

TW_UINT16 DsmSession::ToSource(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) {
    return entry_(&app_, &source_, dg, dat, msg, data);
}

TW_UINT16 DsmSession::SourceCondition() {
    TW_STATUS status{};
    ToSource(DG_CONTROL, DAT_STATUS, MSG_GET, &status);
    return status.ConditionCode;
}

bool DsmSession::Open(const std::string& managerFile, ManagerWindow managerWindow) {
    library_ = LoadLibraryA(managerFile.c_str());
    if (!library_) {
        error_ = managerFile + " cannot be loaded (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    entry_ = ProcAddress<DSMENTRYPROC>(library_, "DSM_Entry");
    if (!entry_) entry_ = ProcAddress<DSMENTRYPROC>(library_, MAKEINTRESOURCEA(1));
    if (!entry_) {
        error_ = managerFile + " has no DSM_Entry";
        return false;
    }
    window_ = CreateHiddenWindow();
    switch (managerWindow) {
    case ManagerWindow::Own:
        managerWindow_ = window_;
        break;
    case ManagerWindow::OtherThread:
        otherThread_ = std::make_unique<WindowThread>();
        managerWindow_ = otherThread_->Window();
        if (!managerWindow_) {
            error_ = "no window could be made on another thread";
            return false;
        }
        break;
    case ManagerWindow::Null:
    case ManagerWindow::NullPointer:
        managerWindow_ = nullptr;
        break;
    }
    parentless_ = managerWindow == ManagerWindow::NullPointer;
    TW_UINT16 rc = ToManager(DG_CONTROL, DAT_PARENT, MSG_OPENDSM, ParentData());
    if (rc != TWRC_SUCCESS) {
        Fail("MSG_OPENDSM", rc);
        return false;
    }
    managerOpen_ = true;
    return true;
}

void DsmSession::Close() {
    CloseSource();
    if (managerOpen_) {
        ToManager(DG_CONTROL, DAT_PARENT, MSG_CLOSEDSM, ParentData());
        managerOpen_ = false;
    }
    if (window_) {
        DestroyWindow(window_);
        window_ = nullptr;
    }
    otherThread_.reset();
    managerWindow_ = nullptr;
    if (library_) {
        FreeLibrary(library_);
        library_ = nullptr;
    }
}

bool DsmSession::ListSources(std::vector<TW_IDENTITY>& sources) {
    TW_IDENTITY identity{};
    TW_UINT16 rc = ToManager(DG_CONTROL, DAT_IDENTITY, MSG_GETFIRST, &identity);
    while (rc == TWRC_SUCCESS) {
        sources.push_back(identity);
        std::memset(&identity, 0, sizeof identity);
        rc = ToManager(DG_CONTROL, DAT_IDENTITY, MSG_GETNEXT, &identity);
    }
    if (rc != TWRC_ENDOFLIST && !(rc == TWRC_FAILURE && !sources.empty())) {
        Fail("listing the sources", rc);
        return false;
    }
    return true;
}

bool DsmSession::OpenSource(const char* productName) {
    std::vector<TW_IDENTITY> sources;
    if (!ListSources(sources)) return false;
    for (const TW_IDENTITY& identity : sources) {
        if (std::strcmp(identity.ProductName, productName) != 0) continue;
        source_ = identity;
        TW_UINT16 rc = ToManager(DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &source_);
        if (rc != TWRC_SUCCESS) {
            Fail(std::string("opening \"") + productName + "\"", rc);
            return false;
        }
        sourceOpen_ = true;
        return true;
    }
    error_ = std::string("no source named \"") + productName + "\"";
    return false;
}

bool DsmSession::CloseSource() {
    if (!sourceOpen_) return true;
    const TW_UINT16 rc = ToManager(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, &source_);
    sourceOpen_ = false;
    return rc == TWRC_SUCCESS;
}

TW_UINT16 DsmSession::ProcessEvent(MSG& message) {
    TW_EVENT event{};
    event.pEvent = &message;
    event.TWMessage = MSG_NULL;
    TW_UINT16 rc = ToSource(DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event);
    return rc == TWRC_DSEVENT ? event.TWMessage : MSG_NULL;
}
