// Starting msiexec.exe on the package.
#pragma once

#include "framework/handles.h"
#include "setup/version.h"

#include <windows.h>

#include <string>

// The msiexec command line for the current state of setup.
std::string BuildInstallerCommandLine(const std::string& packagePath, const std::string& transformPath,
                                      VersionCheck check);

// Starts msiexec; its process handle is returned for waiting, empty when it
// could not be started.
void LaunchInstaller(const std::string& packagePath, const std::string& transformPath, VersionCheck check,
                     UniqueHandle& process);
