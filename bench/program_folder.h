// Where the benchmarks find the modules they measure: beside themselves, the
// virtual scanner in the "scanner" folder there.
#pragma once

#include <string>

// Folder of the running program, with a trailing backslash.
std::string ProgramFolder();

// Puts `scannerFolder` first on PATH: the data source finds BRSVIO.DLL on
// the search path, as it would be installed beside the manager's folder.
void PutScannerOnPath(const std::string& scannerFolder);
