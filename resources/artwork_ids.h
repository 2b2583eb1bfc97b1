// Ids of the data source's pictures, shared by the resource script and the
// code (plain defines: the resource compiler reads this file too).
#pragma once

// Round button strips of the custom type "RAW": three frames (normal,
// pressed, hover) for the presets, four (normal, pressed, hover, disabled)
// for the language buttons.
#define IDR_PRESET_REPEAT 335
#define IDR_PRESET_FAX 336
#define IDR_PRESET_MAIL 337
#define IDR_PRESET_OCR 338
#define IDR_PRESET_CUSTOM 339
#define IDR_LANGUAGE_LAMP 350

// Bitmaps; magenta RGB(255,0,255) is transparent in the logo and the lamps.
#define IDB_SENSOR_LAMPS 120
#define IDB_LOGO 125
#define IDB_LANGUAGE_PAGE 139

#define IDI_CALIBRATION_PROMPT 100
#define IDCUR_ZOOM 106
