// The source's messages to the application: its registered window message
// "Tavix Scanner_TWAIN", carrying a TWAIN message code, which the
// application's event loop hands back through MSG_PROCESSEVENT.
#pragma once

#include "datasource/twain.h"

class Notifier {
public:
    // Aims the notifications of an enable at `window` (may be null), for the
    // calling thread, which runs the application's event loop. The message
    // goes to the window when it is one of that thread's; otherwise (none,
    // the desktop, a window of another thread or process) it is a message of
    // that thread itself, which its loop sees all the same, where a window of
    // another thread would take it out of the application's sight.
    void Aim(HWND window);

    // Posts MSG_XFERREADY, MSG_CLOSEDSREQ or MSG_CLOSEDSOK; nothing is posted
    // when the message cannot be registered.
    void Post(TW_UINT16 code);

    // The message is the source's notification.
    bool Carries(const MSG& message) const { return messageId_ != 0 && message.message == messageId_; }

    // Removes every notification still queued for the calling thread (its
    // windows' and its own), so that one posted for an earlier page cannot
    // end a later one. Nothing else of the application's queue is touched.
    void DropQueued() const;

    // Id of the registered message; 0 until the first notification.
    UINT MessageId() const { return messageId_; }

private:
    UINT messageId_ = 0;
    HWND window_ = nullptr;
    DWORD thread_ = 0;
};
