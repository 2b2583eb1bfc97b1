// Reads the names in the export table of a PE file (DLL) from disk.
#pragma once

#include <string>
#include <vector>

struct PeExports {
    bool ok = false;
    std::string error;
    bool is64Bit = false;
    unsigned machine = 0;
    std::vector<std::string> names;
};

PeExports ReadPeExports(const std::string& path);
