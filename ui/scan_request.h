// What a display of the scanner dialog ends with.
#pragma once

#include <cstdint>

using ScanRequest = int16_t;

constexpr ScanRequest kScanWithCurrentSettings = 1000;  // also preset 0
constexpr ScanRequest kScanWithPresetBase = 1000;       // 1000 + preset number
constexpr ScanRequest kLanguageChangeBase = 1210;       // 1210 + language index
constexpr ScanRequest kScanRequestCancelled = -1;

// A request at or above 1210 names a language: the dialog must be shown again.
constexpr bool IsLanguageChange(ScanRequest request) { return request >= kLanguageChangeBase; }
