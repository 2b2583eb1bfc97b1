// The source's messages to the application: its registered window message,
// posted to the application's window with a TWAIN message code.
#pragma once

#include "datasource/twain.h"

// Id of "Tavix Scanner_TWAIN"; 0 until it has been registered.
extern UINT NotifyMsgId;

// Posts MSG_XFERREADY, MSG_CLOSEDSREQ or MSG_CLOSEDSOK to the window HostWnd
// is attached to; nothing is posted when the message cannot be registered.
void PostNotification(TW_UINT16 code);

// Removes every notification of the source still queued for `window` (for
// the thread's own messages when `window` is null), so that one posted for
// an earlier page cannot end a later one. Only the registered message is
// taken out; nothing else of the application's queue is touched.
void DropQueuedNotifications(HWND window);
