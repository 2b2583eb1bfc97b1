// Runs this program again with other arguments and collects what it prints:
// each measurement gets a fresh process, so its memory peak is its own.
#pragma once

#include <windows.h>

#include <string>

struct ChildOutcome {
    bool finished = false;  // ended by itself within the time allowed
    DWORD exitCode = 0;
    std::string output;     // its standard output
};

// Starts the running program with `arguments`, its standard error shared
// with ours, and waits up to `timeoutMs`; a child still running then is
// terminated. False, with `error`, when it cannot be started.
bool RunSelf(const std::string& arguments, DWORD timeoutMs, ChildOutcome& outcome, std::string& error);
