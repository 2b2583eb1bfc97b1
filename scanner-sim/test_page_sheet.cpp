#include "test_page_sheet.h"

#include <vector>

namespace {

// Column facts are worked out once per side; each row then needs only its
// own facts and one cheap combination per pixel.
class TestPageRows : public SheetRows {
public:
    TestPageRows(test_page::Sheet size, int32_t dpi, int32_t firstColumn, int32_t columns)
        : size_(size), dpi_(dpi), firstColumn_(firstColumn), columns_(columns) {}

    void Render(int side, int32_t y, Rgb* out) override {
        const std::vector<test_page::ColumnFacts>& facts = ColumnsOf(side);
        const test_page::RowFacts row = test_page::RowAt(side, y, dpi_, size_);
        for (int32_t i = 0; i < columns_; ++i) out[i] = test_page::Combine(row, facts[i]);
    }

private:
    const std::vector<test_page::ColumnFacts>& ColumnsOf(int side) {
        std::vector<test_page::ColumnFacts>& facts = columnFacts_[side];
        if (facts.empty() && columns_ > 0) {
            facts.resize(columns_);
            for (int32_t i = 0; i < columns_; ++i)
                facts[i] = test_page::ColumnAt(side, firstColumn_ + i, dpi_, size_);
        }
        return facts;
    }

    test_page::Sheet size_;
    int32_t dpi_;
    int32_t firstColumn_;
    int32_t columns_;
    std::vector<test_page::ColumnFacts> columnFacts_[2];
};

}  // namespace

int32_t TestPageSheet::ColumnsAt(int32_t dpi) const {
    return test_page::PixelsWithin(size_.widthHundredths, dpi);
}

int32_t TestPageSheet::RowsAt(int32_t dpi) const {
    return test_page::PixelsWithin(size_.lengthHundredths, dpi);
}

std::unique_ptr<SheetRows> TestPageSheet::Rows(int32_t dpi, int32_t firstColumn,
                                               int32_t columns) const {
    return std::make_unique<TestPageRows>(size_, dpi, firstColumn, columns);
}
