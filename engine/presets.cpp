#include "engine/presets.h"

#include "engine/profile.h"
#include "engine/scan_sizes.h"

#include <cstdio>
#include <cstring>

namespace {

struct BuiltInPreset {
    int16_t ScanMode;
    int16_t DPI;
    int ScanSize;
    int16_t Filter;
};

const BuiltInPreset kBuiltInPresets[kPresetCount] = {
    {kScanModeBlackWhite, 300, 1, 0},
    {kScanModeBlackWhite, 200, 3, 0},
    {kScanModeBlackWhite, 300, 1, 0},
    {kScanModeGray, 200, 1, 0},
    {kScanModeColor, 200, 3, 0},
};

bool ValidPreset(int n) { return n >= 0 && n < kPresetCount; }

struct SectionName {
    char text[16];
    explicit SectionName(int n) { std::snprintf(text, sizeof text, "PRESET_%d", n); }
};

}  // namespace

bool LoadPreset(int n, ScanSettings* record, const Negotiation& negotiated) {
    if (!ValidPreset(n)) return false;
    SectionName section(n);
    if (ProfileInt(section.text, "DPI", 0) != 0) {
        LoadSettings(section.text, record, negotiated);
        return true;
    }
    return DefaultPreset(n, record);
}

bool SavePreset(int n, const ScanSettings* record) {
    if (!ValidPreset(n)) return false;
    SectionName section(n);
    if (ProfileInt(section.text, "DPI", 0) == 0 && n != 0)
        WriteProfileInt(section.text, "Locked", 0);
    SaveSettings(section.text, record);
    return true;
}

bool IsPresetLocked(int n) {
    if (!ValidPreset(n)) return false;
    return ProfileInt(SectionName(n).text, "Locked", 0) != 0;
}

bool DefaultPreset(int n, ScanSettings* record) {
    if (!ValidPreset(n)) return false;
    if (!record) return false;
    const BuiltInPreset& preset = kBuiltInPresets[n];
    std::memset(record, 0, sizeof *record);
    record->ScanMode = preset.ScanMode;
    record->DPI = preset.DPI;
    record->Filter = preset.Filter;
    ResetTones(*record);
    record->Top = 0;
    record->Left = 0;
    record->Bottom = 1100;
    record->Right = 850;
    if (preset.ScanSize > 0) SetPaperSize(preset.ScanSize, record);
    return true;
}
