// The bracket around one sheet: started once, ended once.
#pragma once

#include "engine/scan_settings.h"

class ScannerIo;

class PageBracket {
public:
    explicit PageBracket(const ScannerIo& io) : io_(io) {}
    PageBracket(const PageBracket&) = delete;
    PageBracket& operator=(const PageBracket&) = delete;

    // Starts the sheet with an adjusted copy of `settings`; 0 when started
    // (or already started), 1 when the scanner refused.
    int Start(const ScanSettings& settings);
    // Ends a started sheet and ejects it; the scanner's answer to the eject,
    // or 0 when no sheet was started.
    int End();
    bool Started() const { return started_; }

private:
    const ScannerIo& io_;
    bool started_ = false;
};

// The copy of `settings` that the scanner is given when a sheet starts.
ScanSettings AdjustedForScanner(const ScanSettings& settings);
