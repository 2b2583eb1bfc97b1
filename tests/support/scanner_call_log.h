// The virtual scanner's call log, as the tests read it: through the
// BRSVIO_GetCallLog export of the loaded library, one line per call, the
// function's name first.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The whole log of the virtual scanner loaded as `scanner`; empty when it is
// null or has no such export.
std::string ReadCallLog(HMODULE scanner);

// How many lines of `log` start with `function` followed by a blank.
int CountCalls(const std::string& log, const std::string& function);

// The settings record an IO_StartScanPage line carries after "settings=",
// decoded from hex; false when the line has none or it is not hex.
bool StartScanPageRecord(const std::string& line, std::vector<uint8_t>& record);
