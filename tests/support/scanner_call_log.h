// The virtual scanner's call log, as the tests read it: through the
// BRSVIO_GetCallLog export of the loaded library, one line per call, the
// function's name first.
#pragma once

#include <windows.h>

#include <string>

// The whole log of the virtual scanner loaded as `scanner`; empty when it is
// null or has no such export.
std::string ReadCallLog(HMODULE scanner);

// How many lines of `log` start with `function` followed by a blank.
int CountCalls(const std::string& log, const std::string& function);
