#include "page_session.h"

#include <algorithm>

#include "tone_curve.h"

namespace {

RowFormat MakeFormat(const ScanRecord& record, const PageGeometry& geometry) {
    uint8_t tone[256];
    BuildToneTable(
        {record.brightness, record.contrast, record.gamma, record.highlight, record.shadow}, tone);
    return RowFormat(geometry.bitsPerPixel, tone, record.invert != 0);
}

}  // namespace

PageSession::PageSession(const ScanRecord& record, const PageGeometry& geometry,
                         std::unique_ptr<PaperSheet> sheet, PageFaults faults)
    : geometry_(geometry),
      doubleSided_(record.doubleSided != 0),
      sheet_(std::move(sheet)),
      format_(MakeFormat(record, geometry)),
      faults_(faults) {
    onSheetColumns_ = std::clamp(sheet_->ColumnsAt(geometry.dpi) - geometry.firstColumn, 0,
                                 geometry.pixelsPerLine);
    edgeRow_ = sheet_->RowsAt(geometry.dpi) - geometry.firstRow;
    rows_ = sheet_->Rows(geometry.dpi, geometry.firstColumn, onSheetColumns_);
    pixels_.resize(static_cast<size_t>(std::max(onSheetColumns_, 1)));
}

BlockResult PageSession::Read(uint8_t* buffer, int32_t lines, int32_t width, int32_t side) {
    if (width != geometry_.pixelsPerLine) return {-1, false, "width differs from the page"};
    if (side != 0 && side != 1) return {-1, false, "no such side"};
    if (side == 1 && !doubleSided_) return {-1, false, "page not double-sided"};

    int32_t& position = position_[side];
    bool& reported = edgeReported_[side];
    if (faults_.emptyBlocks > 0) {
        --faults_.emptyBlocks;
        return {0, reported, nullptr};
    }
    if (faults_.failAfterRows >= 0 && delivered_ >= faults_.failAfterRows)
        return {-1, reported, "fault block_fails_after_rows"};

    const int32_t frameEnd = geometry_.lines;
    if (position >= frameEnd) {
        reported = true;
        return {0, true, nullptr};
    }
    // A frame that starts past the sheet: the edge is found before any row.
    if (position >= edgeRow_ && !reported) {
        reported = true;
        return {0, true, nullptr};
    }

    int32_t count = std::min({lines, frameEnd - position, kMaxRowsPerCall});
    if (position < edgeRow_) count = std::min(count, edgeRow_ - position);
    if (faults_.failAfterRows >= 0) count = std::min(count, faults_.failAfterRows - delivered_);

    const int32_t stride = geometry_.stride;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t frameRow = position + i;
        uint8_t* row = buffer + static_cast<size_t>(i) * stride;
        if (frameRow < edgeRow_) {
            rows_->Render(side, geometry_.firstRow + frameRow, pixels_.data());
            format_.Write(pixels_.data(), onSheetColumns_, width, stride, row);
        } else {
            // Past the trailing edge there is no paper: plain white rows.
            format_.Write(pixels_.data(), 0, width, stride, row);
        }
    }
    position += count;
    delivered_ += count;
    if (position >= edgeRow_) reported = true;
    return {count, reported, nullptr};
}
