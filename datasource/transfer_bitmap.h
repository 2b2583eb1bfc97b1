// The page as a bitmap file, for the native and the file transfer.
#pragma once

class CDataSourceApp;

// Writes the current page into the bitmap file at `path` (pre-scanning the
// sheet first when its end is to be detected), keeps the result in
// AcquireResult and returns it as a ScanError. A file that was not written
// whole is not left behind; the sheet is ended either way.
int WriteTransferPage(CDataSourceApp& app, const char* path);
