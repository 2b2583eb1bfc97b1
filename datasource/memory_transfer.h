// DG_IMAGE / DAT_IMAGEMEMXFER delivers a page in strips of rows over several
// calls; what it keeps between them lives with it.
#pragma once

// Forgets a memory transfer that has not reached its last buffer: its
// progress window is destroyed and the application's window enabled again.
// The sheet and the page store are left to the caller. The end of the
// transfers calls this, and so does every transfer that begins a page.
void EndMemoryTransfer();
