#include "e2e/client_run.h"

#include "framework/handles.h"
#include "support/build_tree.h"
#include "support/dialog_finder.h"
#include "support/pe_exports.h"

#include <commctrl.h>

#include <algorithm>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <thread>

// The test programs are 64-bit: a 32-bit client runs under WOW64 beside them.
static_assert(sizeof(void*) == 8, "the end-to-end test program is built for x86_64");

namespace {

std::string WindowsFolder() {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return folder;
}

std::string SystemFolder() {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

ScanBuild ChooseScanBuild() {
    ScanBuild build;
    const char* arch = std::getenv("TAVIX_E2E_ARCH");
    build.arch = arch && *arch ? arch : "x86_64";
    std::string bin;
    if (build.arch == "x86_64") {
        bin = BuildTreePath("bin/");
        build.machine = IMAGE_FILE_MACHINE_AMD64;
        build.sourceFolder = WindowsFolder() + "\\twain_64";
        build.libraryFolder = SystemFolder();
    } else if (build.arch == "i686") {
        const std::string tree = TAVIX_I686_BINARY_DIR;
        if (tree.empty()) {
            build.error = "the i686 build tree is not known (TAVIX_I686_BINARY_DIR)";
            return build;
        }
        bin = "Z:" + tree + "/bin/";
        build.machine = IMAGE_FILE_MACHINE_I386;
        build.sourceFolder = WindowsFolder() + "\\twain_32";
        // What a 32-bit process calls system32 is syswow64 to this one.
        char wow64[MAX_PATH] = {};
        if (!GetSystemWow64DirectoryA(wow64, MAX_PATH)) {
            build.error = "this Windows has no folder for 32-bit system DLLs (syswow64)";
            return build;
        }
        build.libraryFolder = wow64;
    } else {
        build.error = "TAVIX_E2E_ARCH is \"" + build.arch + "\", neither x86_64 nor i686";
        return build;
    }
    build.client = bin + "tavix-twain.exe";
    build.source = bin + "TAVIXSRC.ds";
    build.scannerLibrary = bin + "scanner/BRSVIO.DLL";
    for (const std::string* file : {&build.client, &build.source, &build.scannerLibrary}) {
        const unsigned machine = ReadPeExports(*file).machine;
        if (machine == build.machine) continue;
        char found[16];
        std::snprintf(found, sizeof found, "0x%04x", machine);
        build.error = *file + " is no " + build.arch + " file (PE machine " + found + ")";
        return build;
    }
    return build;
}

bool IsVariable(const char* entry, const char* name) {
    const size_t length = std::strlen(name);
    return _strnicmp(entry, name, length) == 0 && entry[length] == '=';
}

// This process's environment with the scanner's two variables replaced.
std::vector<char> ClientEnvironment(const ClientRunOptions& options) {
    std::vector<char> block;
    auto add = [&block](const std::string& entry) {
        block.insert(block.end(), entry.begin(), entry.end());
        block.push_back('\0');
    };
    if (char* strings = GetEnvironmentStringsA()) {
        for (const char* entry = strings; *entry; entry += std::strlen(entry) + 1) {
            if (IsVariable(entry, "BRSVIO_CONTROL") || IsVariable(entry, "BRSVIO_LOG")) continue;
            add(entry);
        }
        FreeEnvironmentStringsA(strings);
    }
    if (!options.scannerControlFile.empty()) add("BRSVIO_CONTROL=" + options.scannerControlFile);
    if (!options.scannerLogFile.empty()) add("BRSVIO_LOG=" + options.scannerLogFile);
    block.push_back('\0');
    return block;
}

std::string CommandLine(const std::string& program, const std::vector<std::string>& arguments) {
    std::string line = "\"" + program + "\"";
    for (const std::string& argument : arguments) {
        const bool quote = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
        line += quote ? " \"" + argument + "\"" : " " + argument;
    }
    return line;
}



}  // namespace

const ScanBuild& TestedBuild() {
    static const ScanBuild build = ChooseScanBuild();
    return build;
}

ClientResult RunClient(const ClientRunOptions& options) {
    ClientResult result;
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return result;
    UniqueHandle reader(readEnd);
    UniqueHandle writer(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    std::string command = CommandLine(TestedBuild().client, options.arguments);
    std::vector<char> environment = ClientEnvironment(options);
    PROCESS_INFORMATION process{};
    // Wine now and then fails a process start with an internal error
    // (1359) while an earlier process is still being torn down; a moment
    // later the same start succeeds.
    bool created = false;
    for (int attempt = 0; attempt < 3 && !created; ++attempt) {
        if (attempt > 0) Sleep(250);
        created = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, environment.data(), nullptr,
                                 &startup, &process) != FALSE;
        if (!created && GetLastError() != ERROR_INTERNAL_ERROR) break;
    }
    if (!created) {
        result.output = "could not start " + command + ": error " + std::to_string(GetLastError()) + "\n";
        return result;
    }
    UniqueHandle processHandle(process.hProcess);
    UniqueHandle threadHandle(process.hThread);
    writer.Reset();  // the pipe ends when the client's copies close
    result.started = true;
    BOOL wow64 = FALSE;
    result.ranAs32Bit = IsWow64Process(process.hProcess, &wow64) && wow64;

    bool timedOut = false;
    std::string output;
    std::thread drain([&output, readEnd] {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
            output.append(buffer, got);
    });
    {
        MessageBoxWatcher boxes(options.messageBoxAnswers, process.dwProcessId);
        std::vector<HWND> seenDialogs;
        const DWORD deadline = GetTickCount() + static_cast<DWORD>(options.timeoutSeconds) * 1000;
        while (WaitForSingleObject(process.hProcess, 20) == WAIT_TIMEOUT) {
            if (static_cast<LONG>(GetTickCount() - deadline) > 0) {
                TerminateProcess(process.hProcess, 1);
                WaitForSingleObject(process.hProcess, INFINITE);
                timedOut = true;
                break;
            }
            if (options.dialogScript) {
                seenDialogs.erase(std::remove_if(seenDialogs.begin(), seenDialogs.end(),
                                                 [](HWND hwnd) { return !IsWindow(hwnd); }),
                                  seenDialogs.end());
                // A scanner dialog of the client that the script has not had yet.
                DialogSearch sheets;
                sheets.processId = process.dwProcessId;
                sheets.kind = DialogKind::TabbedSheet;
                sheets.skip = [&seenDialogs](HWND hwnd) {
                    return std::find(seenDialogs.begin(), seenDialogs.end(), hwnd) != seenDialogs.end();
                };
                if (const HWND sheet = FindDialog(sheets)) {
                    seenDialogs.push_back(sheet);
                    // Let it finish laying out its first page.
                    Sleep(150);
                    options.dialogScript(sheet, ++result.dialogsShown);
                }
            }
            DialogSearch progress;
            progress.processId = process.dwProcessId;
            progress.kind = DialogKind::ProgressWindow;
            const HWND progressWindow = FindDialog(progress);
            if (!progressWindow) continue;
            result.progressShown = true;
            if (options.cancelProgress && !result.cancelPressed) {
                result.cancelPressed = true;
                PostMessageA(progressWindow, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(progressWindow, IDCANCEL)));
            }
        }
        result.messageBoxes = boxes.Seen();
    }
    drain.join();
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    result.exitCode = timedOut ? -1 : static_cast<int>(exitCode);
    result.output = output;
    return result;
}

std::vector<std::string> LinesStartingWith(const std::string& text, const std::string& prefix) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
    }
    return lines;
}
