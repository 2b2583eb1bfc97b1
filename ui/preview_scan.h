// The preview button's work: a colour scan at 75 dpi of the sheet from the
// left edge to the current frame's right and bottom edges, written to a
// temporary file and moved over the preview file only when it succeeded;
// and the deletion of the preview file.
#pragma once

#include "engine/scan_settings.h"

#include <string>

class CWnd;
struct ScanContext;

// What a preview scan did.
enum PreviewScanOutcome : int {
    kPreviewMade = 0,     // the preview file holds the new picture
    kPreviewDeclined,     // the paper check was declined
    kPreviewNoScanner,    // IO_StartScan failed
    kPreviewFailed,       // the scan or the file failed or was cancelled; old file kept
};

// The record a preview scans with: every field 0 but colour, 75 dpi, gamma
// 1.0 (10), highlight 255 and the frame from (0, 0) to the current frame's
// right and bottom edges.
ScanSettings PreviewScanSettings(const ScanSettings& current);

// Runs the preview scan with `scan` into `previewPath`; every message box is
// owned by `owner`.
PreviewScanOutcome MakePreviewScan(const CWnd& owner, const ScanContext& scan,
                                   const ScanSettings& current, const std::string& previewPath);

// Whether the preview file exists and can be read.
bool PreviewFileExists(const std::string& previewPath);

// Asks whether to delete the preview file and deletes it; false when the
// user said No or the file could not be deleted (after the file-error message).
bool AskAndDeletePreview(const CWnd& owner, const std::string& previewPath);
