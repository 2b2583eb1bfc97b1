#include "engine/page_bracket.h"

#include "engine/scanner_io.h"

#include <algorithm>

ScanSettings AdjustedForScanner(const ScanSettings& settings) {
    ScanSettings copy = settings;
    copy.Shadow = static_cast<int16_t>(std::clamp<int>(copy.Shadow, 0, 254));
    copy.Highlight = static_cast<int16_t>(std::min(std::max<int>(copy.Highlight, copy.Shadow + 1), 255));
    // The scanner takes gamma x 10 less 8.
    copy.Gamma = static_cast<int16_t>(copy.Gamma - 8);
    copy.StartFlag = 1;
    return copy;
}

int PageBracket::Start(const ScanSettings& settings) {
    if (started_) return 0;
    if (io_.StartScanPage(AdjustedForScanner(settings)) == 0) return 1;
    started_ = true;
    return 0;
}

int PageBracket::End() {
    if (!started_) return 0;
    started_ = false;
    io_.EndScanPage();
    return io_.FeedPage();
}
