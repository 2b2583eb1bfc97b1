// The package and transform that setup writes into the temporary folder.
#pragma once

#include <string>

// Writes a resource to the temporary folder under fileName, then replaces
// fileName with the full path. False if the resource is missing or the file
// cannot be made (that case with a message).
bool WriteResourceToTemp(const char* resourceName, std::string& fileName);

// Writes the package and the current language's transform.
bool ExtractPackage();

// The closing action: removes what ExtractPackage wrote, if anything.
void DeleteWrittenTempFiles();
