// Keeps a window disabled while a modal run or a scan's progress window has
// the user, so that no second command can start from it, and gives it back
// in the state it had: a window that was already disabled stays so.
#pragma once

#include "framework/wnd.h"

#include <windows.h>

class OwnerDisabled {
public:
    explicit OwnerDisabled(HWND owner) : owner_(owner && IsWindowEnabled(owner) ? owner : nullptr) {
        if (owner_) EnableWindow(owner_, FALSE);
    }
    explicit OwnerDisabled(const CWnd* owner) : OwnerDisabled(owner ? owner->GetSafeHwnd() : nullptr) {}
    ~OwnerDisabled() {
        if (owner_ && IsWindow(owner_)) EnableWindow(owner_, TRUE);
    }
    OwnerDisabled(const OwnerDisabled&) = delete;
    OwnerDisabled& operator=(const OwnerDisabled&) = delete;

private:
    HWND owner_;
};
