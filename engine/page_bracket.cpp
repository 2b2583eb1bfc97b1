#include "engine/page_bracket.h"

#include "engine/engine_host.h"
#include "engine/scanner_io.h"

#include <algorithm>

namespace {
bool pageStarted = false;

ScannerIo* Scanner() {
    EngineHost* host = CurrentEngineHost();
    return host ? &host->Scanner() : nullptr;
}
}  // namespace

ScanSettings AdjustedForScanner(const ScanSettings& settings) {
    ScanSettings copy = settings;
    copy.Shadow = static_cast<int16_t>(std::clamp<int>(copy.Shadow, 0, 254));
    copy.Highlight = static_cast<int16_t>(std::min(std::max<int>(copy.Highlight, copy.Shadow + 1), 255));
    // The scanner takes gamma x 10 less 8.
    copy.Gamma = static_cast<int16_t>(copy.Gamma - 8);
    copy.StartFlag = 1;
    return copy;
}

int StartPage(const ScanSettings& settings) {
    if (pageStarted) return 0;
    ScannerIo* io = Scanner();
    if (!io || io->StartScanPage(AdjustedForScanner(settings)) == 0) return 1;
    pageStarted = true;
    return 0;
}

int EndPage() {
    if (!pageStarted) return 0;
    pageStarted = false;
    ScannerIo* io = Scanner();
    if (!io) return 0;
    io->EndScanPage();
    return io->FeedPage();
}

bool IsPageStarted() { return pageStarted; }
