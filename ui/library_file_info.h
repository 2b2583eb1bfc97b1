// What the Information page tells about the scanner library's file: its
// version and its date, as texts. The file itself is never loaded.
#pragma once

#include <string>

// The scanner library in the Windows system folder, where the Information
// page looks for it; empty when the system folder cannot be found.
std::string SystemScannerLibraryPath();

// The file version of the version resource of `path` as "%d.%d.%d.%d";
// "---" when the file has no usable version resource or cannot be read.
std::string LibraryVersionText(const std::string& path);

// The day of the file's last modification in local time as "%d-%d-%d"
// (year, month 1 to 12, day; no leading zeros); "0-0-0" when the file cannot
// be examined.
std::string LibraryDateText(const std::string& path);
