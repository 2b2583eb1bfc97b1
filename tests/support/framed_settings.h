// The scan settings record the tests build most: a frame in hundredths of
// an inch and, where it matters, a scan mode and resolution; everything else
// zero.
#pragma once

#include "engine/scan_settings.h"

#include <cstdint>

inline ScanSettings FramedSettings(int top, int left, int bottom, int right, int16_t mode = 0, int16_t dpi = 0) {
    ScanSettings settings{};
    settings.ScanMode = mode;
    settings.DPI = dpi;
    settings.Top = static_cast<int16_t>(top);
    settings.Left = static_cast<int16_t>(left);
    settings.Bottom = static_cast<int16_t>(bottom);
    settings.Right = static_cast<int16_t>(right);
    return settings;
}
