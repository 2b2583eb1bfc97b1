#include "engine/scan_settings.h"

#include "engine/negotiation_state.h"
#include "engine/profile.h"

#include <cstring>

namespace {

int16_t ReadField(const char* section, const char* key, int fallback) {
    // Values are tested as the 16-bit fields they will be stored in.
    return static_cast<int16_t>(ProfileInt(section, key, fallback));
}

int16_t ReadTone(const char* section, const char* key, const ToneRange& range) {
    const int16_t value = ReadField(section, key, range.Default);
    return value >= range.Low && value <= range.High ? value : range.Default;
}

}  // namespace

void ResetTones(ScanSettings& record) {
    record.Brightness = kBrightnessRange.Default;
    record.Contrast = kContrastRange.Default;
    record.Gamma = kGammaRange.Default;
    record.Highlight = kHighlightRange.Default;
    record.Shadow = kShadowRange.Default;
}

bool LoadSettings(const char* section, ScanSettings* record, const Negotiation& negotiated) {
    if (!record) return false;
    std::memset(record, 0, sizeof *record);

    int16_t mode = ReadField(section, "ScanMode", kScanModeBlackWhite);
    record->ScanMode = (mode == kScanModeGray || mode == kScanModeBlackWhite || mode == kScanModeColor)
                           ? mode
                           : kScanModeBlackWhite;

    int16_t dpi = ReadField(section, "DPI", kDefaultResolution);
    record->DPI = negotiated.IsAllowedResolution(dpi) ? dpi : kDefaultResolution;

    record->DetectEOP = ReadField(section, "DetectEOP", 0);
    record->Filter = ReadField(section, "Filter", 0);
    record->Invert = ReadField(section, "Invert", 0);

    record->Brightness = ReadTone(section, "Brightness", kBrightnessRange);
    record->Contrast = ReadTone(section, "Contrast", kContrastRange);
    record->Gamma = ReadTone(section, "Gamma", kGammaRange);
    record->Highlight = ReadTone(section, "Highlight", kHighlightRange);
    record->Shadow = ReadTone(section, "Shadow", kShadowRange);

    return ClampFrame(record, ReadField(section, "Top", 0), ReadField(section, "Left", 0),
                      ReadField(section, "Bottom", 1100), ReadField(section, "Right", 850));
}

void SaveSettings(const char* section, const ScanSettings* record) {
    if (!record) return;
    const struct {
        const char* key;
        int16_t value;
    } fields[] = {
        {"ScanMode", record->ScanMode}, {"DPI", record->DPI},
        {"DetectEOP", record->DetectEOP}, {"Filter", record->Filter},
        {"Invert", record->Invert}, {"Brightness", record->Brightness},
        {"Contrast", record->Contrast}, {"Gamma", record->Gamma},
        {"Highlight", record->Highlight}, {"Shadow", record->Shadow},
        {"Top", record->Top}, {"Left", record->Left},
        {"Bottom", record->Bottom}, {"Right", record->Right},
    };
    for (const auto& field : fields) WriteProfileInt(section, field.key, field.value);
}

bool ClampFrame(ScanSettings* record, int top, int left, int bottom, int right) {
    if (!record) return false;
    bool changed = false;
    auto set = [&changed](int& value, int replacement) {
        value = replacement;
        changed = true;
    };
    if (top < 0) set(top, 0);
    else if (top > kMaxTop) set(top, kMaxTop);
    if (bottom < top + kMinFrameLength) set(bottom, top + kMinFrameLength);
    else if (bottom > kMaxBottom) set(bottom, kMaxBottom);
    if (left < 0) set(left, 0);
    else if (left > kMaxLeft) set(left, kMaxLeft);
    if (right < left + kMinFrameWidth) set(right, left + kMinFrameWidth);
    else if (right > kMaxRight) set(right, kMaxRight);
    record->Top = static_cast<int16_t>(top);
    record->Left = static_cast<int16_t>(left);
    record->Bottom = static_cast<int16_t>(bottom);
    record->Right = static_cast<int16_t>(right);
    return changed;
}
