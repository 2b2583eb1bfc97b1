// A sheet whose front is a bitmap file. Its size follows from the file's
// pixel count and resolution; the scan resamples it (nearest pixel) to the
// requested resolution. The back of such a sheet is blank paper.
#pragma once

#include <utility>

#include "bmp_image.h"
#include "paper_sheet.h"

class BitmapSheet : public PaperSheet {
public:
    explicit BitmapSheet(BmpImage image) : image_(std::move(image)) {}

    int32_t ColumnsAt(int32_t dpi) const override;
    int32_t RowsAt(int32_t dpi) const override;
    std::unique_ptr<SheetRows> Rows(int32_t dpi, int32_t firstColumn,
                                    int32_t columns) const override;

private:
    BmpImage image_;
};
