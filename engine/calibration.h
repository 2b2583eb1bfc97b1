// The calibration and cleaning procedure around IO_CalibrateScanner and
// IO_Clean: which sheet is asked for, how its presence is checked, what is
// reported afterwards and what the caller learns. The questions themselves
// are asked through CalibrationPrompts, so the procedure runs the same with
// the real dialogs and in tests.
#pragma once

#include "localization/localized_text.h"

#include <windows.h>

#include <cstdint>

class ScannerIo;

enum class CalibrationChoice { Calibrate, Clean, Cancel };

enum class CalibrationOutcome { Failed, WhiteOnly, Calibrated };

class CalibrationPrompts {
public:
    // Shows the prompt dialog and returns the button pressed.
    virtual CalibrationChoice AskForSheet() = 0;
    // A message with an OK button; `icon` is an MB_ICON... flag or 0.
    virtual void Tell(const LocalizedText& text, UINT icon) = 0;
    // A Yes/No question whose default is No; true only for Yes.
    virtual bool Confirm(const LocalizedText& text) = 0;

protected:
    ~CalibrationPrompts() = default;
};

// What IO_CalibrateScanner's answer means: 0 failed, 2 white reference only,
// anything else calibrated.
CalibrationOutcome CalibrationOutcomeOf(int32_t result);
// The message reported for an outcome and its icon.
const LocalizedText& CalibrationOutcomeText(CalibrationOutcome outcome);
UINT CalibrationOutcomeIcon(CalibrationOutcome outcome);

// Asks for the sheet (twice when it is not at the sensor), calibrates or
// cleans, and reports a calibration's outcome. True after a successful
// calibration (also a white-only one) or after cleaning; false after a
// failed calibration or when the user cancelled.
bool RunCalibrationProcedure(const ScannerIo& io, CalibrationPrompts& prompts);
