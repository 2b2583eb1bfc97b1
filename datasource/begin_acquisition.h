// The start of one acquisition: the scanner is told to scan, the page is
// measured and announced to the application.
#pragma once

class CDataSourceApp;

// 0 when a page is ready (state 6, MSG_XFERREADY posted), 1 when the scanner
// failed, 2 when the user declined the paper check.
int BeginAcquisition(CDataSourceApp& app);
