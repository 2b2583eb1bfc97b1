#include "call_log.h"

#include <windows.h>

#include "framework/handles.h"

namespace {

void AppendToLogFile(const std::string& line) {
    char path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("BRSVIO_LOG", path, sizeof path);
    if (length == 0 || length >= sizeof path) return;
    // Opened per line, shared for everything, so that the reader may read,
    // truncate or delete the file while the library stays loaded.
    UniqueHandle file(CreateFileA(path, FILE_APPEND_DATA,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

void CallLog::Add(const std::string& line) {
    if (lines_.size() >= kMaxLines) lines_.pop_front();
    lines_.push_back(line);
    AppendToLogFile(line);
}

std::string CallLog::Text() const {
    size_t size = 0;
    for (const std::string& line : lines_) size += line.size() + 1;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines_) {
        text += line;
        text += '\n';
    }
    return text;
}

CallLine& CallLine::Arg(const char* key, int64_t value) { return Arg(key, std::to_string(value)); }

CallLine& CallLine::Arg(const char* key, const std::string& value) {
    text_ += ' ';
    text_ += key;
    text_ += '=';
    text_ += value;
    return *this;
}

CallLine& CallLine::Text(const char* key, const char* value) {
    return Arg(key, value ? std::string(value) : std::string("null"));
}

CallLine& CallLine::Pointer(const char* key, const void* value) {
    if (!value) Arg(key, std::string("null"));
    return *this;
}

CallLine& CallLine::Result(int64_t value) {
    text_ += " -> ";
    text_ += std::to_string(value);
    return *this;
}

CallLine& CallLine::Reason(const std::string& why) {
    if (why.empty()) return *this;
    text_ += " (";
    text_ += why;
    text_ += ')';
    return *this;
}
