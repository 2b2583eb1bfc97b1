#include "bench/child_process.h"

#include "framework/handles.h"

#include <vector>

namespace {

std::string ProgramPath() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::string();
        if (length < path.size()) return std::string(path.data(), length);
        path.resize(path.size() * 2);
    }
}

// Moves what the pipe holds now into `output`, without waiting.
void Drain(HANDLE pipe, std::string& output) {
    DWORD available = 0;
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
        char chunk[4096];
        DWORD read = 0;
        if (!ReadFile(pipe, chunk, sizeof chunk, &read, nullptr) || read == 0) return;
        output.append(chunk, read);
    }
}

}  // namespace

bool RunSelf(const std::string& arguments, DWORD timeoutMs, ChildOutcome& outcome, std::string& error) {
    outcome = ChildOutcome();
    const std::string program = ProgramPath();
    if (program.empty()) {
        error = "the program's own path is unknown";
        return false;
    }
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) {
        error = "no pipe for the child's output, error " + std::to_string(GetLastError());
        return false;
    }
    UniqueHandle reader(readEnd);
    UniqueHandle writer(writeEnd);
    SetHandleInformation(reader.Get(), HANDLE_FLAG_INHERIT, 0);
    HANDLE errorCopy = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetStdHandle(STD_ERROR_HANDLE), GetCurrentProcess(), &errorCopy,
                    0, TRUE, DUPLICATE_SAME_ACCESS);
    UniqueHandle childError(errorCopy);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = writer.Get();
    startup.hStdError = childError.Get();
    std::string commandLine = "\"" + program + "\" " + arguments;
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(program.c_str(), mutableLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &info)) {
        error = "cannot start " + program + ", error " + std::to_string(GetLastError());
        return false;
    }
    UniqueHandle process(info.hProcess);
    UniqueHandle thread(info.hThread);
    // Only the child may hold the writing end, or the pipe never reports its end.
    writer.Reset();
    childError.Reset();

    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        Drain(reader.Get(), outcome.output);
        if (WaitForSingleObject(process.Get(), 20) == WAIT_OBJECT_0) break;
        if (GetTickCount64() >= deadline) {
            TerminateProcess(process.Get(), 1);
            WaitForSingleObject(process.Get(), INFINITE);
            Drain(reader.Get(), outcome.output);
            return true;
        }
    }
    // What it wrote last is still in the pipe.
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(reader.Get(), chunk, sizeof chunk, &read, nullptr) && read > 0) outcome.output.append(chunk, read);
    GetExitCodeProcess(process.Get(), &outcome.exitCode);
    outcome.finished = true;
    return true;
}
