#include "setup/installer_launch.h"

#include "setup/setup_state.h"

#include <vector>

namespace {

std::string CurrentDirectory() {
    char folder[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string();
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

std::string BuildInstallerCommandLine(const std::string& packagePath, const std::string& transformPath,
                                      VersionCheck check) {
    const SetupState& state = State();
    std::string line = "msiexec.exe";
    if (state.silent) line += " /qn";
    line += " /i " + Quoted(packagePath);
    if (!transformPath.empty()) line += " TRANSFORMS=" + Quoted(transformPath);
    line += " SETUPEXEDIR=" + Quoted(CurrentDirectory());
    if (check == VersionCheck::Upgrade) line += " REINSTALL=ALL REINSTALLMODE=vomus";
    if (!state.logPath.empty()) line += " /l*vx " + Quoted(state.logPath);
    return line;
}

void LaunchInstaller(const std::string& packagePath, const std::string& transformPath, VersionCheck check,
                     UniqueHandle& process) {
    process.Reset();
    const std::string line = BuildInstallerCommandLine(packagePath, transformPath, check);
    std::vector<char> mutableLine(line.begin(), line.end());
    mutableLine.push_back('\0');
    const std::string folder = CurrentDirectory();

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    // msiexec.exe is found on the search path; a failure is not reported.
    if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        return;
    }
    UniqueHandle thread(info.hThread);
    process.Reset(info.hProcess);
}
