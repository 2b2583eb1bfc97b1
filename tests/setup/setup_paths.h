// Where the build put the setup programs, packages and test tools, as
// Windows paths.
#pragma once

#include <string>

// A path below the build tree.
std::string BuildPath(const std::string& relative);
// bin/setup.exe, or a test variant from setup-variants/.
std::string SetupProgram(const std::string& variant = "setup");
std::string ShippedPackage();
std::string PackageFile(const std::string& relative);  // below package/
std::string RecorderProgram();
