// Ending an acquisition: what the last transfer, a reset of the pending
// transfers and disabling the source all give back.
#pragma once

class CDataSourceApp;

// The application's window is enabled again, an open sheet is ejected and
// the page store emptied.
void ReleasePage(CDataSourceApp& app);

// ReleasePage, then state 5, MSG_CLOSEDSREQ to the application and no
// transfers pending.
void EndOfTransfers(CDataSourceApp& app);
