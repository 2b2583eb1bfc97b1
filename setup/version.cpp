#include "setup/version.h"

#include <cstdlib>
#include <cstring>
#include <string>

bool ParseVersion(const char* text, std::uint32_t& high, std::uint32_t& low) {
    if (text == nullptr || *text == '\0') return false;
    std::uint32_t parts[4] = {0, 0, 0, 0};
    std::string rest = text;
    for (std::uint32_t& part : parts) {
        if (rest.empty()) break;
        const std::size_t dot = rest.find('.');
        const std::string item = rest.substr(0, dot);
        if (item.empty()) break;
        part = static_cast<std::uint32_t>(std::atoi(item.c_str()));
        rest = dot == std::string::npos ? std::string() : rest.substr(dot + 1);
    }
    high = parts[0] * 65536u + parts[1];
    low = parts[2] * 65536u + parts[3];
    return true;
}
