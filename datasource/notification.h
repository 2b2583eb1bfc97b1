// The source's messages to the application: its registered window message,
// posted to the application's window with a TWAIN message code.
#pragma once

#include "datasource/twain.h"

// Id of "Tavix Scanner_TWAIN"; 0 until it has been registered.
extern UINT NotifyMsgId;

// Posts MSG_XFERREADY, MSG_CLOSEDSREQ or MSG_CLOSEDSOK to the window HostWnd
// is attached to; nothing is posted when the message cannot be registered.
void PostNotification(TW_UINT16 code);
