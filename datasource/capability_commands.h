// The three private command capabilities: calibrate (0xBE01), feed (0xBE02)
// and clean (0xBE03), run when an application sets them to TRUE.
#pragma once

#include "datasource/data_source_app.h"
#include "datasource/twain.h"

// With progress windows shown (CAP_INDICATORS) the calibration prompt runs;
// without them the scanner calibrates at once. TWRC_CHECKSTATUS with
// TWCC_BUMMER after a white-only calibration without the prompt.
TW_UINT16 CalibrateCommand(CDataSourceApp& app);
// The cleaning prompt, or cleaning at once without progress windows.
TW_UINT16 CleanCommand(CDataSourceApp& app);
// Switches the feeder on when the scanner is online; always succeeds.
TW_UINT16 FeedCommand(CDataSourceApp& app);
