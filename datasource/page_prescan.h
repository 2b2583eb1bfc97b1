// Reading the current sheet whole into the page store when its end is to be
// detected, so that its true length is known before any row is handed out.
#pragma once

class CDataSourceApp;

// PrescanPage for the current page, owned by HostWnd, with a progress window
// when indicators are on; the result is kept in AcquireResult and returned.
// A sheet already read (or already failed) is not read again.
int PrescanCurrentPage(CDataSourceApp& app);

// Whether the image information and the layout must read the sheet first:
// end-of-page detection is on and the page is ready but not yet transferred
// (in state 7 every transfer has already read it).
bool NeedsPrescanForLength(const CDataSourceApp& app);
