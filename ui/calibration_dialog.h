// The interactive calibration and cleaning of the scanner: the prompt dialog
// of `kind`, the paper checks, the library call and the report of its outcome.
#pragma once

class CWnd;
class ScannerIo;

enum CalibrationKind : int {
    kCalibrateOrClean = 0,  // template 325
    kCalibrateOnly = 1,     // template 326
    kCleanOnly = 2,         // template 327
};

// captionMode 1 captions the dialog and its messages "Tavix Scanner"; any
// other value the localized "Calibration Page". True after a successful
// calibration (also a white-only one) or after cleaning; false after a failed
// calibration, a cancel, or a `kind` outside 0..2 (then nothing is shown).
// Every window is owned by `owner`, which may be null. `io` is the scanner
// calibrated; an unbound one fails every call.
bool CalibrationDialog(const ScannerIo& io, const CWnd* owner, int kind, int captionMode);
