// Package versions and the comparison with the installed product.
#pragma once

#include <cstdint>

enum class VersionCheck {
    NotInstalled = 0,    // not installed, or same major, minor and build
    Upgrade = 1,         // the installed version is older
    LaterInstalled = 2,  // the installed version is newer
    QueryFailed = 3,
};

// "major.minor.build.revision" into high = major << 16 | minor and
// low = build << 16 | revision; missing parts count as 0.
bool ParseVersion(const char* text, std::uint32_t& high, std::uint32_t& low);

// Asks Windows Installer for the installed "VersionString" of the product.
VersionCheck CheckInstalledVersion(const char* productCode, std::uint32_t high, std::uint32_t low);
