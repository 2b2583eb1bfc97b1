// Ids of the skinned buttons' test dialog and of the malformed images of the
// test resource module (plain defines: the resource compiler reads this file).
#pragma once

#define IDD_SKINNED_BUTTONS 9201

#define IDC_TEST_PRESET 9210     // owner-drawn, 50 x 42 dialog units
#define IDC_TEST_LAMP 9211       // owner-drawn
#define IDC_TEST_BAD 9212        // owner-drawn, text "Bad"
#define IDC_TEST_TOOLTIP 9213    // push button, text "Tip"
#define IDC_TEST_PLAIN 9214      // push button made owner-drawn by a picture
#define IDC_TEST_DEFAULT 9215    // default push button, text "Keep"

// tavix_bad_raw.dll: one well-formed 8 x 8 image and the malformed ones.
#define IDR_TEST_VALID 9300
#define IDR_TEST_BAD_HEADER 9301
#define IDR_TEST_FIVE_FRAMES 9302
#define IDR_TEST_TOO_NARROW 9303
#define IDR_TEST_TOO_TALL 9304
#define IDR_TEST_SHORT_BODY 9305
#define IDR_TEST_HEADER_ONLY 9306
#define IDR_TEST_SHORT_LAMP 9307
#define IDR_TEST_MISSING 9399
