// setup's switches: /L<language id>, /S (silent), /W (wait).
#pragma once

#include <string>
#include <vector>

// Tokens from each "/" up to the next one, trailing spaces removed, empty
// tokens dropped.
std::vector<std::string> SplitOptions(const char* commandLine);
void ParseCommandLine(const char* commandLine);
