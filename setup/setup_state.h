// setup's process-wide state, made once at start and kept until exit.
#pragma once

#include "framework/handles.h"
#include "setup/wait_thread.h"

#include <windows.h>

#include <cstdint>
#include <string>

struct SetupState {
    std::string packagePath;    // "PACKAGENAME", then the written file's full path
    std::string transformPath;  // empty, a file name, then a full path
    std::string productCode;
    std::string productName;
    std::string versionText;
    std::string logPath;  // empty without "LOGPATH"
    std::uint32_t versionHigh = 0;  // major << 16 | minor
    std::uint32_t versionLow = 0;   // build << 16 | revision

    bool languageFixed = false;  // /L or /S
    bool silent = false;         // /S
    bool wait = false;           // /W, or the package is embedded
    bool extracted = false;      // the package is embedded
    bool packageWritten = false;
    bool transformWritten = false;

    // WM_QUIT's code; 1 when an unattended run ends on a failed version query.
    int exitCode = 0;

    UniqueHandle installer;  // msiexec, waited for by waitThread
    WaitThread waitThread;
};

SetupState& State();
