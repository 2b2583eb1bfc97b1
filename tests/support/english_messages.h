// The English texts of the data source's message boxes, as a user reads them;
// the tests that watch those boxes compare against these.
#pragma once

namespace english {

inline constexpr char kScannerNotReady[] =
    "The scan was aborted because the scanner is not powered on or not connected properly.\n\n"
    "Please check the hardware connections and try again.";
inline constexpr char kFileError[] = "Scan aborted because a file access or read/write error occurred.";
inline constexpr char kInsertItemToScan[] = "Please insert the item to be scanned into the scanner now.";
inline constexpr char kPaperNotDetected[] = "The paper was not detected. Continue anyway?";
inline constexpr char kCalibrated[] = "Calibration was successful.\n";
inline constexpr char kWhiteOnlyCalibrated[] =
    "White-only calibration was successful.\n\nFor better image quality calibrate again using "
    "the black and white calibration paper.";
inline constexpr char kCalibrationFailed[] =
    "The calibration process has failed.\n\nCheck that the calibration paper was inserted "
    "properly and the scanner is ready.";

}  // namespace english
