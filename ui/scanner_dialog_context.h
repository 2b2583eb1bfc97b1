// What the scanner dialog and its pages work on, handed to them by the data
// source when it shows the dialog: the current settings (edited in place),
// the mode of the display, the profile section of the calling application,
// the window that owns the dialog, what its scans read with (the scanner
// among it), what the application negotiated and the unit of lengths.
#pragma once

#include "engine/measure_unit.h"
#include "engine/negotiation_state.h"
#include "engine/scan_context.h"

#include <cstdint>

class CWnd;
struct ScanSettings;

// The modes of a display (the data source's UiMode).
constexpr int32_t kUiModeNone = 0;
constexpr int32_t kUiModeSettingsOnly = 1;
constexpr int32_t kUiModeScan = 2;

struct ScannerDialogContext {
    ScanSettings& Settings;
    int32_t UiMode;
    const char* SectionName;  // profile section of the application; never null
    const CWnd* Host;         // owner of the dialog; may be unbound
    ScanContext Scan;         // what the dialog's scans (the preview) read with
    const Negotiation& Negotiated;  // what the application allowed
    MeasureUnit& Units;             // the unit lengths are shown in
};
