#include "datasource/notification.h"

#include "datasource/data_source_app.h"

UINT NotifyMsgId = 0;

void PostNotification(TW_UINT16 code) {
    if (NotifyMsgId == 0) NotifyMsgId = RegisterWindowMessageA("Tavix Scanner_TWAIN");
    if (NotifyMsgId == 0) return;
    PostMessageA(TheApp().HostWnd.GetSafeHwnd(), NotifyMsgId, code, 0);
}

void DropQueuedNotifications(HWND window) {
    if (NotifyMsgId == 0) return;
    MSG message;
    while (PeekMessageA(&message, window, NotifyMsgId, NotifyMsgId, PM_REMOVE | PM_NOYIELD)) {
    }
}
