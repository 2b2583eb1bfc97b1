// A file standing in the Windows system folder as the scanner library
// BRSVIO.DLL while the object lives, where the Information page looks. A file
// that was there before is kept aside and put back; nothing of the test's is
// left there, whether it passed or failed.
#pragma once

#include "support/temp_folder.h"

#include <windows.h>

#include <string>

class SystemScannerLibrary {
public:
    // Copies `source` there; an empty `source` only makes sure that no file
    // of that name is there.
    explicit SystemScannerLibrary(const std::string& source);
    ~SystemScannerLibrary();
    SystemScannerLibrary(const SystemScannerLibrary&) = delete;
    SystemScannerLibrary& operator=(const SystemScannerLibrary&) = delete;

    // Whether the folder now holds what was asked for.
    bool Ready() const { return ready_; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    TempFolder aside_{"tavix-system-library"};
    std::string kept_;
    bool ready_ = false;
};

// Windows path of the virtual scanner variant that has no version resource.
std::string UnversionedScannerPath();

// Sets the last modification of `path` to noon of the given local day.
bool SetModifiedDay(const std::string& path, int year, int month, int day);
