#include "framework/message_pump.h"

int PumpWaitingMessages(int limit, HWND dialog) {
    int handled = 0;
    MSG msg;
    while (handled < limit && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ++handled;
        if (msg.message == WM_QUIT) {
            // The thread's own loop must still see it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (dialog && IsWindow(dialog) && IsDialogMessageA(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return handled;
}
