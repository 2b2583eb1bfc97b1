// A sheet printed with the built-in test page (test_page.h).
#pragma once

#include "paper_sheet.h"
#include "test_page.h"

class TestPageSheet : public PaperSheet {
public:
    explicit TestPageSheet(test_page::Sheet size) : size_(size) {}

    int32_t ColumnsAt(int32_t dpi) const override;
    int32_t RowsAt(int32_t dpi) const override;
    std::unique_ptr<SheetRows> Rows(int32_t dpi, int32_t firstColumn,
                                    int32_t columns) const override;

private:
    test_page::Sheet size_;
};
