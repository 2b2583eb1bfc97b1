// setup's configuration: RT_RCDATA resources of language 1033, looked up by
// name in the program's own module (tests may point at another image).
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

void SetResourceModule(HMODULE module);

// A zero-terminated UTF-16LE text, converted to the ANSI code page. False if
// the resource is missing or empty.
bool ReadResourceString(const char* name, std::string& text);
bool ResourceExists(const char* name);
// False if the resource is missing or empty. The data stays valid while the
// module is loaded.
bool GetResourceData(const char* name, const void*& data, std::size_t& size);
