// The result of every page operation and the message that goes with it.
#pragma once

#include <string>

enum ScanError : int {
    kScanOk = 0,
    kScanScannerError = 1,
    kScanCancelled = 2,
    kScanFileError = 3,
    kScanOutOfMemory = 4,
};

// The message for `code` in the current language.
std::string ScanErrorText(int code);
