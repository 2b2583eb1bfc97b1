// Unique names for the data source's temporary files ("SPF" page store,
// "SCN" native transfers, "PRV" preview scans).
#pragma once

#include <functional>
#include <string>

// A new, empty file named `dir` + prefix + a unique part + ".tmp"; null or
// empty `dir` means the system's temporary folder. The file exists when the
// name is returned; the caller deletes it. Empty when no file could be made
// (missing, full or unwritable folder): callers treat that as a file error.
std::string MakeTempFileName(const char* prefix, const char* dir);

// The naming used when the system cannot give a name: up to 32 tries of
// `dir` + prefix (right-aligned in 3 characters) + four hex digits from the
// low 16 bits of `nextNumber()` + ".tmp", each created with CREATE_NEW so that
// an existing file is never taken. Empty after 32 failures.
std::string MakeFallbackTempFileName(const char* prefix, const std::string& dir,
                                     const std::function<unsigned()>& nextNumber);
