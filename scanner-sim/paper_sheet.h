// One sheet as the scanner's sensor sees it: how far it reaches at a given
// resolution, and the colours of its rows on either side.
#pragma once

#include <stdint.h>

#include <memory>

#include "rgb.h"

// Rows of one sheet at one resolution over a fixed run of columns, prepared
// once per page so that each row costs only its pixels.
class SheetRows {
public:
    virtual ~SheetRows() = default;
    // Fills the prepared columns of sheet row `y` (all on the sheet) for side
    // 0 (front) or 1 (back).
    virtual void Render(int side, int32_t y, Rgb* out) = 0;
};

class PaperSheet {
public:
    virtual ~PaperSheet() = default;
    // Pixels across the sheet at `dpi`: the first column beyond its right edge.
    virtual int32_t ColumnsAt(int32_t dpi) const = 0;
    // Rows down the sheet at `dpi`: the first row beyond its trailing edge.
    virtual int32_t RowsAt(int32_t dpi) const = 0;
    // Rows for sheet columns firstColumn .. firstColumn + columns - 1.
    virtual std::unique_ptr<SheetRows> Rows(int32_t dpi, int32_t firstColumn,
                                            int32_t columns) const = 0;
};
