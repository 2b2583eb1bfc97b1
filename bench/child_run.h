// The child side of a measurement: one page by one method in this fresh
// process, answered with one RESULT line (or an ERROR line) on stdout.
#pragma once

#include <string>

// Runs `pageName` by `methodName` and returns the process exit code: 0 with
// a RESULT line printed, 1 with an ERROR line, 2 for unknown names.
int RunChildMeasurement(const std::string& pageName, const std::string& methodName);

