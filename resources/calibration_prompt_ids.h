// Ids of the calibration and cleaning prompts, shared by the resource script
// and the code (plain defines: the resource compiler reads this file too).
#pragma once

#define IDD_CALIBRATE_AND_CLEAN 325
#define IDD_CALIBRATE_ONLY 326
#define IDD_CLEAN_ONLY 327

#include "artwork_ids.h"  // IDI_CALIBRATION_PROMPT, the icon the prompts show (artwork.rc)

#define IDC_CALIBRATION_REQUIRED_TEXT 1100
#define IDC_CALIBRATION_PAPER_TEXT 1101
#define IDC_CLEANING_PAPER_TEXT 1102
#define IDC_CALIBRATE 1103
#define IDC_CLEAN 1104
