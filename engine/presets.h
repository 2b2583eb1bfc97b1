// The five presets, stored in sections PRESET_0 to PRESET_4 of the profile
// and shared by every application. Preset 0 repeats the last scan.
#pragma once

#include "engine/scan_settings.h"

constexpr int kPresetCount = 5;

// Preset `n` as stored (read as LoadSettings does), or its built-in values
// when it was never stored. False (record untouched) for a number outside 0..4.
bool LoadPreset(int n, ScanSettings* record, const Negotiation& negotiated);
bool SavePreset(int n, const ScanSettings* record);
// An administrator can lock a preset by writing a non-zero "Locked".
bool IsPresetLocked(int n);
// The built-in values of preset `n`; false (record untouched) outside 0..4.
bool DefaultPreset(int n, ScanSettings* record);
