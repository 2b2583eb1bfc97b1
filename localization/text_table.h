// The data source's localized texts, one named entry each. Code fetches a text
// with LoadText(GetLanguage(), texts::Cancel, text).
//
// Identifier                       English text ("\n" is a line feed)
// ------------------------------   -------------------------------------------
// CalibrationSuccessful            "Calibration was successful.\n"
// InsertItemToScan                 "Please insert the item to be scanned into the scanner now."
// PaperNotDetectedContinue         "The paper was not detected. Continue anyway?"
// CalibrationFailed                "The calibration process has failed.\n\nCheck that the
//                                   calibration paper was inserted properly and the scanner is ready."
// WhiteOnlyCalibrationSuccessful   "White-only calibration was successful.\n\nFor better image
//                                   quality calibrate again using the black and white calibration paper."
// ScannerDriverNotLoaded           "The scanner driver could not be loaded.\n\nPlease plug in the
//                                   scanner or reinstall the driver.\n\n"
// ScannerNotReady                  "The scan was aborted because the scanner is not powered on or not
//                                   connected properly.\n\nPlease check the hardware connections and try again."
// ScanAbortedByUser                "Scan aborted by user."
// ScanAbortedFileError             "Scan aborted because a file access or read/write error occurred."
// ScanAbortedOutOfMemory           "Scan aborted because not enough memory is available."
// FilterNone                       "None"
// FilterDescreen                   "Descreen"
// UserDefined                      "User Defined"
// FreeDiskSpace                    "Free disk space"
// ImageSize                        "Image size"
// Width                            "Width"
// Height                           "Height"
// Language                         "Language"
// PredefinedSetting                "Pre-defined Setting"
// Cancel                           "Cancel"
// Ok                               "OK"
// CalibrationPage                  "Calibration Page"
// CalibrationRequired              "In order to scan the scanner must first be calibrated."
// InsertCalibrationPaper           "Please insert the black and white calibration paper face down
//                                   into the scanner then press Calibrate."
// InsertCleaningPaper              "Please insert the cleaning paper then press the Clean button. A few
//                                   drops of alcohol placed on the cleaning paper may help if the paper
//                                   alone is not effective."
// Calibrate                        "Calibrate"
// Clean                            "Clean"
// Information                      "Information"
// InterfaceLabel                   "Interface: "
// DllConfigLabel                   "DLL config: "
// DllVersionLabel                  "DLL version: "
// DllDateLabel                     "DLL date: "
// CopyrightNotice                  "Copyright © All rights reserved.\n\nWarning: ..." (unauthorised
//                                   reproduction is prosecuted)
// CustomSettings                   "Custom Settings"
// BlackWhite                       "Black/White"
// Grayscale                        "Grayscale"
// Color                            "Color"
// ResolutionLabel                  "Resolution(dpi):"
// ScanSizeLabel                    "Scan size:"
// FilterLabel                      "Filter:"
// InvertImage                      "Invert image"
// DetectEndOfPage                  "Detect end of page"
// Brightness                       "Brightness"
// Contrast                         "Contrast"
// Gamma                            "Gamma"
// Highlight                        "Highlight"
// Shadow                           "Shadow"
// Range                            "Range"
// Zoom                             "Zoom +/-"
// Unit                             "Unit"
// Reset                            "Reset"
// Preview                          "Preview"
// Scan                             "Scan"
// PaperSensorLabel                 "Paper sensor:"
// Default                          "Default"
// PresetPageHelp                   "Use the above pre-defined settings for a quick scan.\n\nMove the
//                                   cursor over an icon ... to fine-tune the scan parameters."
// RepeatLastScan                   "Repeat last scan: "
// DeletePreviewImage               "Delete preview image? "
// CopyFromCustomSettings           "Copy from Custom Settings"
// CalibratePeriodically            "Please calibrate your scanner periodically for improved image quality"
//
// Paper size names, in scan size order (read them through GetPaperSizeName):
// PaperLetter                      "Letter size (8.5\" x 11.0\")"
// PaperLegal                       "Legal size (8.5\" x 14.0\")"
// PaperA4                          "A4 size (210mm x 297mm)"
// PaperA5                          "A5 size (148mm x 210mm)"
// PaperB5                          "B5 size (182mm x 257mm)"
// PaperBusinessCard                "Business card (90mm x 55mm)"
// PaperPhoto                       "Photo (5.0\" x 3.5\")"
// PaperLargePhoto                  "Large photo (6.0\" x 4.0\")"
#pragma once

#include "localization/localized_text.h"

namespace texts {

extern const LocalizedText CalibrationSuccessful;
extern const LocalizedText InsertItemToScan;
extern const LocalizedText PaperNotDetectedContinue;
extern const LocalizedText CalibrationFailed;
extern const LocalizedText WhiteOnlyCalibrationSuccessful;
extern const LocalizedText ScannerDriverNotLoaded;
extern const LocalizedText ScannerNotReady;
extern const LocalizedText ScanAbortedByUser;
extern const LocalizedText ScanAbortedFileError;
extern const LocalizedText ScanAbortedOutOfMemory;
extern const LocalizedText FilterNone;
extern const LocalizedText FilterDescreen;
extern const LocalizedText UserDefined;
extern const LocalizedText FreeDiskSpace;
extern const LocalizedText ImageSize;
extern const LocalizedText Width;
extern const LocalizedText Height;
extern const LocalizedText Language;
extern const LocalizedText PredefinedSetting;
extern const LocalizedText Cancel;
extern const LocalizedText Ok;
extern const LocalizedText CalibrationPage;
extern const LocalizedText CalibrationRequired;
extern const LocalizedText InsertCalibrationPaper;
extern const LocalizedText InsertCleaningPaper;
extern const LocalizedText Calibrate;
extern const LocalizedText Clean;
extern const LocalizedText Information;
extern const LocalizedText InterfaceLabel;
extern const LocalizedText DllConfigLabel;
extern const LocalizedText DllVersionLabel;
extern const LocalizedText DllDateLabel;
extern const LocalizedText CopyrightNotice;
extern const LocalizedText CustomSettings;
extern const LocalizedText BlackWhite;
extern const LocalizedText Grayscale;
extern const LocalizedText Color;
extern const LocalizedText ResolutionLabel;
extern const LocalizedText ScanSizeLabel;
extern const LocalizedText FilterLabel;
extern const LocalizedText InvertImage;
extern const LocalizedText DetectEndOfPage;
extern const LocalizedText Brightness;
extern const LocalizedText Contrast;
extern const LocalizedText Gamma;
extern const LocalizedText Highlight;
extern const LocalizedText Shadow;
extern const LocalizedText Range;
extern const LocalizedText Zoom;
extern const LocalizedText Unit;
extern const LocalizedText Reset;
extern const LocalizedText Preview;
extern const LocalizedText Scan;
extern const LocalizedText PaperSensorLabel;
extern const LocalizedText Default;
extern const LocalizedText PresetPageHelp;
extern const LocalizedText RepeatLastScan;
extern const LocalizedText DeletePreviewImage;
extern const LocalizedText CopyFromCustomSettings;
extern const LocalizedText CalibratePeriodically;

extern const LocalizedText PaperLetter;
extern const LocalizedText PaperLegal;
extern const LocalizedText PaperA4;
extern const LocalizedText PaperA5;
extern const LocalizedText PaperB5;
extern const LocalizedText PaperBusinessCard;
extern const LocalizedText PaperPhoto;
extern const LocalizedText PaperLargePhoto;

// Index i names the scan size numbered i + 1 in the scan settings.
constexpr int PaperSizeCount = 8;
extern const LocalizedText* const PaperSizeNames[PaperSizeCount];

}  // namespace texts
