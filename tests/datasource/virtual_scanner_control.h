// Steering the virtual scanner that the data source loads: its control file
// (read at every IO_OpenInterface) and its call log.
#pragma once

#include <string>

// Points BRSVIO_CONTROL at `path` for the life of the object.
class ScopedControlFile {
public:
    explicit ScopedControlFile(const std::string& path);
    ~ScopedControlFile();
    ScopedControlFile(const ScopedControlFile&) = delete;
    ScopedControlFile& operator=(const ScopedControlFile&) = delete;

    // Replaces the file's [scanner] section by `lines` ("key=value\n"...).
    void Write(const std::string& lines) const;

private:
    std::string path_;
    std::string saved_;
    bool hadValue_ = false;
};

// The call log of the BRSVIO.DLL loaded in this process (empty when none is).
std::string ScannerCallLog();
// How many calls of `name` the log holds.
size_t ScannerCalls(const std::string& name);
