#include "bitmap_sheet.h"

#include <algorithm>
#include <vector>

namespace {

// Source pixel under the centre of target pixel `index`: the centre lies at
// (2 index + 1) / (2 dpi) inch, the source has numerator / denominator
// pixels per inch.
int64_t SourceIndex(int32_t index, int32_t dpi, int64_t numerator, int64_t denominator) {
    return (2 * static_cast<int64_t>(index) + 1) * numerator / (2 * dpi * denominator);
}

// The first target pixel whose centre falls at or past source pixel `count`.
int32_t FirstBeyond(int64_t count, int32_t dpi, int64_t numerator, int64_t denominator) {
    const int64_t limit = 2 * dpi * denominator * count;
    return static_cast<int32_t>(((limit + numerator - 1) / numerator) / 2);
}

class BitmapRows : public SheetRows {
public:
    BitmapRows(const BmpImage& image, int32_t dpi, int32_t firstColumn, int32_t columns)
        : image_(image), dpi_(dpi), sourceColumn_(columns > 0 ? columns : 0) {
        for (int32_t i = 0; i < columns; ++i)
            sourceColumn_[i] = static_cast<int32_t>(SourceIndex(
                firstColumn + i, dpi, image.xPerInchNumerator, image.xPerInchDenominator));
    }

    void Render(int side, int32_t y, Rgb* out) override {
        if (side != 0) {
            std::fill(out, out + sourceColumn_.size(), kWhite);
            return;
        }
        const int64_t sy =
            SourceIndex(y, dpi_, image_.yPerInchNumerator, image_.yPerInchDenominator);
        const Rgb* source = image_.Row(static_cast<int32_t>(sy));
        for (size_t i = 0; i < sourceColumn_.size(); ++i) out[i] = source[sourceColumn_[i]];
    }

private:
    const BmpImage& image_;
    int32_t dpi_;
    std::vector<int32_t> sourceColumn_;
};

}  // namespace

int32_t BitmapSheet::ColumnsAt(int32_t dpi) const {
    return FirstBeyond(image_.width, dpi, image_.xPerInchNumerator, image_.xPerInchDenominator);
}

int32_t BitmapSheet::RowsAt(int32_t dpi) const {
    return FirstBeyond(image_.height, dpi, image_.yPerInchNumerator, image_.yPerInchDenominator);
}

std::unique_ptr<SheetRows> BitmapSheet::Rows(int32_t dpi, int32_t firstColumn,
                                             int32_t columns) const {
    return std::make_unique<BitmapRows>(image_, dpi, firstColumn, columns);
}
