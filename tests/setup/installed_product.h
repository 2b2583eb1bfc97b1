// The Tavix Scanner product as Windows Installer knows it, installed and
// removed with the real msiexec.
#pragma once

#include <string>

constexpr const char* kProductCode = "{6C1D2E7A-3B4F-4A58-9E21-7D0C5B3A9F14}";

// An installed product's property ("VersionString", "Language", ...);
// empty when the product is not installed.
std::string InstalledProperty(const char* property);
bool ProductInstalled();
// Runs msiexec with the arguments and waits for it; its exit code.
unsigned RunMsiexec(const std::string& arguments);
bool InstallPackage(const std::string& package);
bool UninstallProduct();

// Makes sure the product is absent when a test starts and when it ends,
// whether the test passed or failed.
class ProductAbsentGuard {
public:
    ProductAbsentGuard();
    ~ProductAbsentGuard();
    ProductAbsentGuard(const ProductAbsentGuard&) = delete;
    ProductAbsentGuard& operator=(const ProductAbsentGuard&) = delete;
};
