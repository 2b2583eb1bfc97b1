#include "engine/block_reader.h"

#include "engine/scanner_io.h"

#include <windows.h>

int BlockReader::Read(uint8_t* buffer, int lines, int32_t* endOfPage) {
    int empty = 0;
    const DWORD start = GetTickCount();
    for (;;) {
        int32_t flag = 0;
        int rows = io_.GetImageBlock(buffer, lines, endOfPage ? &flag : nullptr, width_, side_);
        if (endOfPage) *endOfPage = flag & 0xFFFF;
        if (rows < 0) return -1;
        if (rows > 0 || (endOfPage && *endOfPage)) return rows;
        // An empty answer is asked again, within bounds.
        if (++empty >= kMaxEmptyAnswers || GetTickCount() - start >= kMaxMillisecondsWithoutRows)
            return -1;
    }
}
