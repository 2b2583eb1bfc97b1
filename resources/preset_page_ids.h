// Ids of the Pre-defined Setting page (plain defines: the resource compiler
// reads this file too).
#pragma once

#define IDD_PRESET_PAGE 301

#define IDC_PRESET_DESCRIPTION 1000
#define IDC_PRESET_CALIBRATE 1002
#define IDC_PRESET_BUTTON_0 1120
#define IDC_PRESET_BUTTON_1 1121
#define IDC_PRESET_BUTTON_2 1122
#define IDC_PRESET_BUTTON_3 1123
#define IDC_PRESET_BUTTON_4 1124
