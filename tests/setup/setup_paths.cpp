#include "setup_paths.h"

#include <algorithm>

std::string BuildPath(const std::string& relative) {
    // The build tree is a Unix path; Wine reaches it through drive Z:.
    std::string path = std::string("Z:") + TAVIX_BINARY_DIR + "/" + relative;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string SetupProgram(const std::string& variant) {
    return variant == "setup" ? BuildPath("bin/setup.exe") : BuildPath("setup-variants/" + variant + ".exe");
}

std::string ShippedPackage() { return PackageFile("Tavix Scanner.msi"); }
std::string PackageFile(const std::string& relative) { return BuildPath("package/" + relative); }
std::string RecorderProgram() { return BuildPath("setup-test-tools/msiexec.exe"); }
