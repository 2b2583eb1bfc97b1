// The record of every call the library answered, one line each, for tests
// to assert on. Kept bounded in memory; also appended to the file named by
// the environment variable BRSVIO_LOG so another process can read it.
#pragma once

#include <stdint.h>

#include <deque>
#include <string>

class CallLog {
public:
    static constexpr size_t kMaxLines = 10000;

    void Add(const std::string& line);
    void Clear() { lines_.clear(); }
    // All lines, each ended by "\n", oldest first.
    std::string Text() const;

private:
    std::deque<std::string> lines_;
};

// Builds one log line: "NAME key=value ... -> result extra (reason)".
class CallLine {
public:
    explicit CallLine(const char* name) : text_(name) {}
    CallLine& Arg(const char* key, int64_t value);
    CallLine& Arg(const char* key, const std::string& value);
    CallLine& Text(const char* key, const char* value);     // null shows as "null"
    CallLine& Pointer(const char* key, const void* value);  // shown only when null
    CallLine& Result(int64_t value);
    CallLine& Reason(const std::string& why);
    const std::string& Str() const { return text_; }

private:
    std::string text_;
};
