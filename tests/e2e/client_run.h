// Runs the command-line TWAIN client as its own process, the way a person
// would, and watches its windows: message boxes are read and answered, and a
// progress window can be cancelled by a click on its Cancel button.
#pragma once

#include "support/message_box_watcher.h"

#include <string>
#include <vector>

struct ClientRunOptions {
    std::vector<std::string> arguments;
    std::string scannerControlFile;  // BRSVIO_CONTROL of the client
    std::string scannerLogFile;      // BRSVIO_LOG of the client
    std::vector<int> messageBoxAnswers = {IDOK};
    bool cancelProgress = false;     // press Cancel in the first progress window
    int timeoutSeconds = 120;
};

struct ClientResult {
    int exitCode = -1;                      // -1 when it had to be stopped
    std::string output;                     // standard output and error, as they came
    std::vector<SeenMessageBox> messageBoxes;
    bool progressShown = false;
    bool cancelPressed = false;
};

ClientResult RunClient(const ClientRunOptions& options);

// Lines of `text` that start with `prefix`.
std::vector<std::string> LinesStartingWith(const std::string& text, const std::string& prefix);
