// One started page: the sheet under the sensor, read through the frame of
// the record given to IO_StartScanPage, front and back each from its own
// position. Knows where the sheet's trailing edge falls in the frame.
#pragma once

#include <stdint.h>

#include <memory>
#include <vector>

#include "paper_sheet.h"
#include "row_format.h"
#include "scan_record.h"

struct BlockResult {
    int32_t rows;         // delivered rows, or -1 on failure
    bool endOfPage;       // the trailing edge (or the frame's end) has been reached
    const char* failure;  // why rows is -1
};

struct PageFaults {
    int32_t emptyBlocks;    // the first this many block calls deliver 0 rows
    int32_t failAfterRows;  // block calls fail once this many rows went out; -1 never
};

class PageSession {
public:
    PageSession(const ScanRecord& record, const PageGeometry& geometry,
                std::unique_ptr<PaperSheet> sheet, PageFaults faults);

    const PageGeometry& Geometry() const { return geometry_; }
    // Frame row at which the sheet ends; beyond the frame when it does not.
    int32_t TrailingEdgeRow() const { return edgeRow_; }

    BlockResult Read(uint8_t* buffer, int32_t lines, int32_t width, int32_t side);

private:
    // The most rows one call may report: its result is read as a signed 16-bit value.
    static constexpr int32_t kMaxRowsPerCall = 32767;

    PageGeometry geometry_;
    bool doubleSided_;
    std::unique_ptr<PaperSheet> sheet_;
    std::unique_ptr<SheetRows> rows_;
    RowFormat format_;
    int32_t onSheetColumns_;
    int32_t edgeRow_;
    PageFaults faults_;
    int32_t delivered_ = 0;
    int32_t position_[2] = {0, 0};
    bool edgeReported_[2] = {false, false};
    std::vector<Rgb> pixels_;
};
