// The control file named by the environment variable BRSVIO_CONTROL: an INI
// file whose [scanner] section sets the virtual scanner up (README.md).
#pragma once

#include <string>
#include <utility>
#include <vector>

// Full path named by BRSVIO_CONTROL, or empty when the variable is not set.
std::string ControlFilePath();

// The key/value lines of section [scanner], in file order. False when the
// file does not exist.
bool ReadControlFile(const std::string& path,
                     std::vector<std::pair<std::string, std::string>>& entries);
