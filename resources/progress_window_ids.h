// Ids of the scanning progress windows, shared by the resource script and the
// code (plain defines: the resource compiler reads this file too).
#pragma once

#define IDD_THUMBNAIL_PROGRESS 330
#define IDD_BAR_PROGRESS 331

#define IDC_PROGRESS_BAR 1110
#define IDC_THUMBNAIL_FRAME 1111
