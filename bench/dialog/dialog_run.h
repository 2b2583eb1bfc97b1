// One run of the dialog bench, in a fresh process: a bare property sheet of
// four empty pages, then the data source's own dialog through DS_Entry, each
// timed to the moment it is painted. Answered with one RESULT line (or an
// ERROR line) on stdout.
#pragma once

#include <string>

// What one run measured, in milliseconds.
struct DialogTimes {
    double bareSheet = 0;    // PropertySheet to the bare sheet painted
    double open = 0;         // MSG_ENABLEDS (ShowUI) to the scanner sheet painted
    double languageSwitch = 0;  // a lamp clicked to the sheet in the new language painted (the mean of two)
    double presetToXferReady = 0;  // a preset clicked to MSG_XFERREADY at the application
};

// The child side: returns the exit code, 0 with a RESULT line printed.
int RunDialogMeasurement();

// Reads the RESULT line of a child's output; false when there is none.
bool ParseDialogTimes(const std::string& output, DialogTimes& times);
