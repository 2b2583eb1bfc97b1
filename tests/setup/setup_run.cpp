#include "setup_run.h"

#include "setup_paths.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

std::atomic<unsigned> holdCounter{0};

// The test's environment with the given variables replaced.
std::vector<char> EnvironmentWith(const std::map<std::string, std::string>& replaced) {
    std::vector<char> block;
    char* const strings = GetEnvironmentStringsA();
    for (const char* entry = strings; *entry; entry += std::strlen(entry) + 1) {
        const std::string text = entry;
        const std::string name = text.substr(0, text.find('=', 1));
        bool skip = false;
        for (const auto& pair : replaced) skip = skip || _stricmp(pair.first.c_str(), name.c_str()) == 0;
        if (!skip) block.insert(block.end(), text.begin(), text.end() + 1);
    }
    FreeEnvironmentStringsA(strings);
    for (const auto& [name, value] : replaced) {
        const std::string text = name + "=" + value;
        block.insert(block.end(), text.begin(), text.end());
        block.push_back('\0');
    }
    block.push_back('\0');
    return block;
}

}  // namespace

SetupRun::SetupRun() = default;

SetupRun::~SetupRun() {
    Release();
    if (process_ != nullptr) {
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 10000);
        CloseHandle(process_);
    }
    // A stand-in that was released may still be closing its files.
    if (InstallerStarted()) Sleep(200);
    if (hold_ != nullptr) CloseHandle(hold_);
}

bool SetupRun::Start(const Options& options) {
    const std::string program = folder_.File("setup.exe");
    if (!CopyFileA(options.program.c_str(), program.c_str(), FALSE)) return false;
    if (options.brokenInstaller) {
        // Found first on the search path, and no program at all.
        WriteWholeFile(folder_.File("msiexec.exe"), "not a program");
    } else if (options.recorder &&
               !CopyFileA(RecorderProgram().c_str(), folder_.File("msiexec.exe").c_str(), FALSE)) {
        return false;
    }

    std::map<std::string, std::string> variables = {
        {"TEMP", temp_.Path().substr(0, temp_.Path().size() - 1)},
        {"TMP", temp_.Path().substr(0, temp_.Path().size() - 1)},
        {"TAVIX_MSIEXEC_RECORD", folder_.File("record.txt")},
    };
    if (options.holdInstaller) {
        char name[64];
        std::snprintf(name, sizeof name, "tavix-msiexec-hold-%lu-%u", GetCurrentProcessId(), holdCounter++);
        hold_ = CreateEventA(nullptr, TRUE, FALSE, name);
        variables["TAVIX_MSIEXEC_HOLD"] = name;
    }
    std::vector<char> environment = EnvironmentWith(variables);

    std::string line = "\"" + program + "\" " + options.arguments;
    std::vector<char> mutableLine(line.begin(), line.end());
    mutableLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    const std::string folder = folder_.Path().substr(0, folder_.Path().size() - 1);
    if (!CreateProcessA(program.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, environment.data(),
                        folder.c_str(), &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    return true;
}

bool SetupRun::WaitForExit(DWORD timeoutMs, DWORD& exitCode) {
    if (process_ == nullptr || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(process_, &exitCode) != FALSE;
}

bool SetupRun::Running() const { return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

bool SetupRun::InstallerStarted() const { return FileExists(folder_.File("record.txt")); }

bool SetupRun::WaitForInstaller(DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    while (!InstallerStarted()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

std::map<std::string, std::string> SetupRun::Record() const {
    std::map<std::string, std::string> record;
    std::ifstream in(folder_.File("record.txt"), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos) record[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return record;
}

std::string SetupRun::RecordedPackageBytes() const { return ReadWholeFile(folder_.File("record.txt.package")); }
std::string SetupRun::RecordedTransformBytes() const { return ReadWholeFile(folder_.File("record.txt.transform")); }

void SetupRun::Release() {
    if (hold_ != nullptr) SetEvent(hold_);
}

std::size_t SetupRun::TempFileCount() const {
    std::size_t count = 0;
    WIN32_FIND_DATAA data;
    const HANDLE find = FindFirstFileA(temp_.File("*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..") ++count;
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return count;
}
