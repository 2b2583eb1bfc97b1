// The built TAVIXSRC.ds beside the test program, and the resources it carries.
#pragma once

#include <windows.h>

#include <string>

// Windows path of TAVIXSRC.ds in the test program's folder.
std::string DataSourcePath();
// The bytes of resource `id` of `type` in `module`, empty when absent.
std::string ResourceBytes(HMODULE module, LPCSTR type, int id);
