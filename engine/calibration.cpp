#include "engine/calibration.h"

#include "engine/scanner_io.h"
#include "framework/wait_cursor.h"
#include "localization/text_table.h"

namespace {

const LocalizedText& InsertPaperText(CalibrationChoice choice) {
    return choice == CalibrationChoice::Clean ? texts::InsertCleaningPaper
                                              : texts::InsertCalibrationPaper;
}

// The sheet must be at the sensor; the user may put it in after a reminder,
// or go on without it once he has been warned.
CalibrationChoice ChoiceWithSheet(const ScannerIo& io, CalibrationPrompts& prompts) {
    CalibrationChoice choice = prompts.AskForSheet();
    // Every decision before a calibration asks the sensor afresh.
    if (choice == CalibrationChoice::Cancel || io.IsPaperOn(false)) return choice;
    prompts.Tell(InsertPaperText(choice), MB_ICONINFORMATION);
    choice = prompts.AskForSheet();
    if (choice == CalibrationChoice::Cancel || io.IsPaperOn(false)) return choice;
    return prompts.Confirm(texts::PaperNotDetectedContinue) ? choice : CalibrationChoice::Cancel;
}

}  // namespace

CalibrationOutcome CalibrationOutcomeOf(int32_t result) {
    if (result == 0) return CalibrationOutcome::Failed;
    if (result == 2) return CalibrationOutcome::WhiteOnly;
    return CalibrationOutcome::Calibrated;
}

const LocalizedText& CalibrationOutcomeText(CalibrationOutcome outcome) {
    switch (outcome) {
    case CalibrationOutcome::Failed:
        return texts::CalibrationFailed;
    case CalibrationOutcome::WhiteOnly:
        return texts::WhiteOnlyCalibrationSuccessful;
    case CalibrationOutcome::Calibrated:
        break;
    }
    return texts::CalibrationSuccessful;
}

UINT CalibrationOutcomeIcon(CalibrationOutcome outcome) {
    return outcome == CalibrationOutcome::Failed ? MB_ICONSTOP : MB_ICONINFORMATION;
}

bool RunCalibrationProcedure(const ScannerIo& io, CalibrationPrompts& prompts) {
    switch (ChoiceWithSheet(io, prompts)) {
    case CalibrationChoice::Calibrate: {
        int32_t result = 0;
        {
            CWaitCursor wait;
            result = io.CalibrateScanner();
        }
        const CalibrationOutcome outcome = CalibrationOutcomeOf(result);
        prompts.Tell(CalibrationOutcomeText(outcome), CalibrationOutcomeIcon(outcome));
        return outcome != CalibrationOutcome::Failed;
    }
    case CalibrationChoice::Clean: {
        CWaitCursor wait;
        // The library's answer says nothing the user could act on.
        io.Clean();
        return true;
    }
    case CalibrationChoice::Cancel:
        break;
    }
    return false;
}
