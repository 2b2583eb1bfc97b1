// DG_IMAGE / DAT_IMAGEMEMXFER delivers a page in strips of rows over several
// calls; what it keeps between them is a MemoryTransfer of the data source
// object.
#pragma once

#include "engine/page_reader.h"

#include <cstdint>
#include <memory>

class CWnd;

// The page being handed out, from the first buffer to the last.
struct MemoryTransfer {
    bool active = false;
    const CWnd* owner = nullptr;
    int side = 0;             // the front; the back of a sheet is never sent this way
    bool fromStore = false;   // the sheet was pre-scanned to find its end
    int32_t width = 0;
    int32_t length = 0;
    int32_t rowBytes = 0;
    int32_t rowsPerBuffer = 0;
    int32_t rowsDone = 0;
    // Reads the rows for the application's buffers and shows them.
    std::unique_ptr<PageReader> reader;

    // Forgets a transfer that has not reached its last buffer: its progress
    // window is destroyed and the application's window enabled again. The
    // sheet and the page store are left to the caller. The end of the
    // transfers calls this, and so does every transfer that begins a page.
    void Forget() {
        reader.reset();
        active = false;
    }
};
