// The texts under the preview: the frame's width and height in inches or
// centimetres and the size of the image a scan of the frame makes.
#pragma once

#include "engine/scan_settings.h"

#include <string>

// "Width: 8.5 in" (unit 1) or "Width: 21.6 cm" (unit 0) for `hundredths` of an inch.
std::string FrameLengthText(const std::string& label, int hundredths, int unit);

// "Image size: 12.3 KB", "... 1.23 MB" from 1024 KB and "... 1.23 GB" from
// 1024 MB, for the frame, resolution and mode of `settings`.
std::string ImageSizeText(const std::string& label, const ScanSettings& settings);

// The unit button's text: "Cm" for metric (0), "In" otherwise.
const char* UnitButtonText(int unit);
