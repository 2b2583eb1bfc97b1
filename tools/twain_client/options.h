// Command-line options of tavix-twain.
#pragma once

#include "datasource/twain.h"

#include <string>

// The client's own hidden window, the desktop window (as console tools and
// services pass), or none.
enum class ParentWindow { Own, Desktop, Null };
// The client's own window, a window of another thread of the client, none,
// or (as a broken application passes) no DAT_PARENT data at all.
enum class ManagerWindow { Own, OtherThread, Null, NullPointer };

struct ClientOptions {
    bool list = false;
    bool scan = false;
    bool open = false;  // open the source (--source, --scan, or no --list)
    std::string source = "Tavix Scanner";
    int pixelType = -1;      // TWPT_*, -1 = leave as the source has it
    int resolution = 0;      // dots per inch, 0 = leave
    bool haveFrame = false;  // frame in inches
    double left = 0, top = 0, right = 0, bottom = 0;
    int detectEop = -1;      // 0/1, -1 = leave
    TW_UINT16 mechanism = TWSX_NATIVE;
    int indicators = -1;     // 0/1, -1 = leave
    int pages = 1;           // CAP_XFERCOUNT asked for; -1 = all
    bool showUi = false;
    bool uiOnly = false;     // MSG_ENABLEDSUIONLY: the dialog edits the settings only
    bool batch = false;      // enable again while the feeder holds paper
    int scans = 1;           // enables of the source in one session
    bool reopen = false;     // close and open the source again between them
    bool waitClose = true;   // wait for MSG_CLOSEDSREQ after the transfers
    std::string manager = "TWAIN_32.DLL";
    // The window handed to the source in TW_USERINTERFACE.hParent.
    ParentWindow parent = ParentWindow::Own;
    // The window handed to the manager at MSG_OPENDSM.
    ManagerWindow managerWindow = ManagerWindow::Own;
    std::string out = "scan";
    int timeoutSeconds = 120;
};

// Parses argv; false with `error` set for bad arguments. `help` is set for --help.
bool ParseOptions(int argc, char** argv, ClientOptions& options, bool& help, std::string& error);

extern const char kClientUsage[];
