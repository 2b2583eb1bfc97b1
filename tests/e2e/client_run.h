// Runs the command-line TWAIN client as its own process, the way a person
// would, and watches its windows: message boxes are read and answered, and a
// progress window can be cancelled by a click on its Cancel button.
#pragma once

#include "support/message_box_watcher.h"

#include <functional>
#include <string>
#include <vector>

// The build a test program scans with: by default the x86_64 tree's own
// client, data source and scanner library; with TAVIX_E2E_ARCH=i686 the
// shipped 32-bit ones of the i686 tree, which the x86_64 test program starts
// in a WOW64 prefix. Paths are as a Windows program under Wine names them.
struct ScanBuild {
    std::string arch;            // "x86_64" or "i686"
    unsigned machine = 0;        // PE machine of all three files
    std::string client;          // tavix-twain.exe
    std::string source;          // TAVIXSRC.ds
    std::string scannerLibrary;  // BRSVIO.DLL
    std::string sourceFolder;    // where the manager of the client's kind looks for sane.ds
    std::string libraryFolder;   // the system folder of the client's kind, for BRSVIO.DLL
    std::string error;           // why this build cannot be scanned with, or empty
};

const ScanBuild& TestedBuild();

struct ClientRunOptions {
    std::vector<std::string> arguments;
    std::string scannerControlFile;  // BRSVIO_CONTROL of the client
    std::string scannerLogFile;      // BRSVIO_LOG of the client
    std::vector<int> messageBoxAnswers = {IDOK};
    bool cancelProgress = false;     // press Cancel in the first progress window
    // Called on the watching thread with each scanner dialog (a tabbed
    // window of the client) as it appears, numbered from 1.
    std::function<void(HWND sheet, int display)> dialogScript;
    int timeoutSeconds = 120;
};

struct ClientResult {
    bool started = false;
    int exitCode = -1;                      // -1 when it had to be stopped or did not start
    std::string output;                     // standard output and error, as they came
    std::vector<SeenMessageBox> messageBoxes;
    bool progressShown = false;
    bool cancelPressed = false;
    bool ranAs32Bit = false;                // the client's process was a 32-bit one
    int dialogsShown = 0;                   // scanner dialogs handed to dialogScript
};

ClientResult RunClient(const ClientRunOptions& options);

// Lines of `text` that start with `prefix`.
std::vector<std::string> LinesStartingWith(const std::string& text, const std::string& prefix);
