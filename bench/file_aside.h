// Keeps a file of the user's aside while a benchmark writes its own in its
// place, and puts it back (or removes the benchmark's) at the end.
#pragma once

#include <windows.h>

#include <string>

class FileAside {
public:
    explicit FileAside(std::string path) : path_(std::move(path)), aside_(path_ + ".bench") {
        moved_ = MoveFileExA(path_.c_str(), aside_.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
    }
    ~FileAside() {
        DeleteFileA(path_.c_str());
        if (moved_) MoveFileA(aside_.c_str(), path_.c_str());
    }
    FileAside(const FileAside&) = delete;
    FileAside& operator=(const FileAside&) = delete;

private:
    std::string path_;
    std::string aside_;
    bool moved_ = false;
};
