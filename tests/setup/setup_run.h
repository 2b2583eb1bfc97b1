// One run of a setup program in a sandbox: setup.exe copied into a folder
// of its own (also its current folder), optionally with the recording
// msiexec beside it, and a temporary folder of its own. Whatever happens,
// the run is ended and both folders are removed when the object goes.
#pragma once

#include "support/temp_folder.h"

#include <windows.h>

#include <map>
#include <string>

class SetupRun {
public:
    struct Options {
        std::string program;    // path of the setup variant to run
        std::string arguments;  // switches, e.g. "/S /L1036"
        bool recorder = true;   // msiexec is the recording stand-in
        bool brokenInstaller = false;  // msiexec beside setup cannot start
        bool holdInstaller = false;  // the stand-in waits for Release()
    };

    SetupRun();
    ~SetupRun();
    SetupRun(const SetupRun&) = delete;
    SetupRun& operator=(const SetupRun&) = delete;

    const TempFolder& Folder() const { return folder_; }
    const TempFolder& Temp() const { return temp_; }

    bool Start(const Options& options);
    DWORD ProcessId() const { return processId_; }
    // False if the program has not ended within the time.
    bool WaitForExit(DWORD timeoutMs, DWORD& exitCode);
    bool Running() const;

    // The recording msiexec's notes, once it has run ("command", "package",
    // "package.exists", ...); empty if it did not run.
    bool InstallerStarted() const;
    bool WaitForInstaller(DWORD timeoutMs) const;
    std::map<std::string, std::string> Record() const;
    std::string RecordedPackageBytes() const;
    std::string RecordedTransformBytes() const;
    // Lets a held stand-in end.
    void Release();

    // Files now in the run's temporary folder.
    std::size_t TempFileCount() const;

private:
    TempFolder folder_{"setup-run"};
    TempFolder temp_{"setup-temp"};
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HANDLE hold_ = nullptr;
};
