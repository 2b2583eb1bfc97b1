// Ids of the Language page (plain defines: the resource compiler reads this
// file too).
#pragma once

#define IDD_LANGUAGE_PAGE 317

// The picture behind the buttons, with the language names beside them, is
// IDB_LANGUAGE_PAGE.
#include "artwork_ids.h"

#define IDC_LANGUAGE_ENGLISH 1070
#define IDC_LANGUAGE_SPANISH 1071
#define IDC_LANGUAGE_GERMAN 1072
#define IDC_LANGUAGE_FRENCH 1073
#define IDC_LANGUAGE_ITALIAN 1074
// The commands of the page run on to here; the ids past the buttons have no controls.
#define IDC_LANGUAGE_LAST 1078
