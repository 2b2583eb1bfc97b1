// A connection to a TWAIN data source manager (TWAIN_32.DLL unless told
// otherwise): loads it, opens it with a hidden window of its own, and lists
// and opens sources.
#pragma once

#include "datasource/twain.h"
#include "tools/twain_client/options.h"
#include "tools/twain_client/window_thread.h"

#include <memory>

#include <string>
#include <vector>

class DsmSession {
public:
    DsmSession();
    ~DsmSession();
    DsmSession(const DsmSession&) = delete;
    DsmSession& operator=(const DsmSession&) = delete;

    // Loads the manager `managerFile` and opens it with the window
    // `managerWindow` names; false with Error() set on failure.
    bool Open(const std::string& managerFile, ManagerWindow managerWindow = ManagerWindow::Own);
    void Close();
    const std::string& Error() const { return error_; }

    // Every source the manager knows, in its order.
    bool ListSources(std::vector<TW_IDENTITY>& sources);
    // Opens the source whose product name is `productName`.
    bool OpenSource(const char* productName);
    // Closes the open source; false when it refused (it was not back in state 4).
    bool CloseSource();
    const TW_IDENTITY& Source() const { return source_; }
    // The client's own window, which its message loop serves.
    HWND Window() const { return window_; }

    // Hands a window message to the source through the manager; the TWAIN
    // message it carried, or MSG_NULL.
    TW_UINT16 ProcessEvent(MSG& message);

    // A triplet to the open source; `status` receives its condition code on failure.
    TW_UINT16 ToSource(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data);
    TW_UINT16 SourceCondition();

private:
    // DAT_PARENT's data: a pointer to the window handle, or for Wine's own
    // manager the handle itself.
    TW_MEMREF ParentData();
    TW_UINT16 ToManager(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data);
    std::string Fail(const std::string& what, TW_UINT16 rc);

    HMODULE library_ = nullptr;
    DSMENTRYPROC entry_ = nullptr;
    HWND window_ = nullptr;
    // The window handed to the manager at MSG_OPENDSM.
    HWND managerWindow_ = nullptr;
    std::unique_ptr<WindowThread> otherThread_;
    bool parentless_ = false;  // DAT_PARENT gets no data
    bool managerOpen_ = false;
    bool sourceOpen_ = false;
    TW_IDENTITY app_{};
    TW_IDENTITY source_{};
    std::string error_;
};
