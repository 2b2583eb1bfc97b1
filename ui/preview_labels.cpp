#include "ui/preview_labels.h"

#include "engine/pixel_rows.h"

#include <cstdio>

std::string FrameLengthText(const std::string& label, int hundredths, int unit) {
    double length = hundredths / 100.0;
    if (unit == 0) length *= 2.54;
    char text[160];
    snprintf(text, sizeof text, "%s: %.1f %s", label.c_str(), length, unit == 0 ? "cm" : "in");
    return text;
}

std::string ImageSizeText(const std::string& label, const ScanSettings& settings) {
    const int bits = ScanModeBits(settings.ScanMode);
    const int32_t width = settings.DPI * (settings.Right - settings.Left) / 100;
    const int32_t height = settings.DPI * (settings.Bottom - settings.Top) / 100;
    const double kilobytes =
        width > 0 && height > 0 ? double(height) * BytesPerLine(bits, width) / 1024.0 : 0.0;
    char text[160];
    if (kilobytes < 1024.0)
        snprintf(text, sizeof text, "%s: %.1f KB", label.c_str(), kilobytes);
    else if (kilobytes / 1024.0 < 1024.0)
        snprintf(text, sizeof text, "%s: %.2f MB", label.c_str(), kilobytes / 1024.0);
    else
        snprintf(text, sizeof text, "%s: %.2f GB", label.c_str(), kilobytes / 1048576.0);
    return text;
}

const char* UnitButtonText(int unit) { return unit == 0 ? "Cm" : "In"; }
