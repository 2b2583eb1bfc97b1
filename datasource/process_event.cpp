// DAT_EVENT MSG_PROCESSEVENT: the application's event loop hands every
// message over; the source's own notification is passed on to the
// application through the data source manager (the TWAIN 1.x callback).
#include "datasource/data_source_app.h"
#include "datasource/operations.h"

TW_UINT16 ProcessEvent(pTW_IDENTITY, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    auto* event = static_cast<TW_EVENT*>(data);
    // The code reaches the application through the manager, never here.
    event->TWMessage = MSG_NULL;
    const auto* message = static_cast<const MSG*>(event->pEvent);
    if (!message || !app.Notifications.Carries(*message)) return TWRC_NOTDSEVENT;
    // Without a manager to call the notification is dropped; the event is
    // still the source's.
    const auto code = static_cast<TW_UINT16>(message->wParam & 0xFFFF);
    TW_UINT16 answer = TWRC_SUCCESS;
    if (!app.Manager.ForwardNotification(app.SourceIdentity, app.AppIdentity, code, &answer))
        return TWRC_DSEVENT;
    if (answer != TWRC_SUCCESS && code == MSG_CLOSEDSOK) {
        // A manager that knows only the TWAIN 1.x codes refuses MSG_CLOSEDSOK;
        // without a fallback the application would wait for ever for the end
        // of the settings dialog. The settings are stored by then, so a close
        // request ends it the same way.
        app.Manager.ForwardNotification(app.SourceIdentity, app.AppIdentity, MSG_CLOSEDSREQ);
    }
    // A TWAIN 2 manager keeps the code and hands it over in the application's
    // next MSG_PROCESSEVENT, waking the application only through the window
    // it was given at MSG_OPENDSM, which may be none or another thread's. One
    // empty message to this thread, the one whose loop is running, brings
    // that next call; a manager that delivered at once finds nothing more.
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    return TWRC_DSEVENT;
}
