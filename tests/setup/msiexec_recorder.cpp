// A stand-in msiexec.exe that records how setup started it. Placed beside
// setup.exe, it is found before the system's msiexec. It writes its command
// line, working folder and what it found at the package and transform paths
// to the file named by TAVIX_MSIEXEC_RECORD, keeps copies of both files, and
// if TAVIX_MSIEXEC_HOLD names an event, stays running until it is set.
#include <windows.h>

#include <fstream>
#include <string>

namespace {

std::string Environment(const char* name) {
    char value[MAX_PATH * 2] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

// The quoted value after a marker such as ` /i "`; empty if absent.
std::string QuotedAfter(const std::string& line, const std::string& marker) {
    const std::size_t start = line.find(marker);
    if (start == std::string::npos) return std::string();
    const std::size_t first = start + marker.size();
    const std::size_t end = line.find('"', first);
    return end == std::string::npos ? std::string() : line.substr(first, end - first);
}

void Describe(std::ofstream& out, const char* label, const std::string& path, const std::string& copy) {
    const DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    out << label << '=' << path << '\n' << label << ".exists=" << (exists ? 1 : 0) << '\n';
    if (exists) CopyFileA(path.c_str(), copy.c_str(), FALSE);
}

}  // namespace

int main() {
    const std::string record = Environment("TAVIX_MSIEXEC_RECORD");
    if (record.empty()) return 1;
    const std::string line = GetCommandLineA();
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    {
        std::ofstream out(record + ".tmp", std::ios::binary | std::ios::trunc);
        out << "command=" << line << '\n' << "directory=" << folder << '\n';
        Describe(out, "package", QuotedAfter(line, " /i \""), record + ".package");
        Describe(out, "transform", QuotedAfter(line, " TRANSFORMS=\""), record + ".transform");
    }
    // Appears whole, so that a test never reads half a record.
    MoveFileExA((record + ".tmp").c_str(), record.c_str(), MOVEFILE_REPLACE_EXISTING);

    const std::string hold = Environment("TAVIX_MSIEXEC_HOLD");
    if (!hold.empty()) {
        const HANDLE event = OpenEventA(SYNCHRONIZE, FALSE, hold.c_str());
        if (event != nullptr) {
            WaitForSingleObject(event, 60000);
            CloseHandle(event);
        }
    }
    return 0;
}
