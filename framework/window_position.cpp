#include "framework/window_position.h"

#include <algorithm>

void CenterWindowOn(HWND hwnd, HWND owner) {
    if (!hwnd) return;
    const bool useOwner = owner && IsWindow(owner) && IsWindowVisible(owner) && !IsIconic(owner);

    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(useOwner ? owner : hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT area = monitor.rcWork;

    RECT around = area;
    if (useOwner) GetWindowRect(owner, &around);
    RECT self = {};
    GetWindowRect(hwnd, &self);
    const int width = self.right - self.left;
    const int height = self.bottom - self.top;
    int x = around.left + ((around.right - around.left) - width) / 2;
    int y = around.top + ((around.bottom - around.top) - height) / 2;
    // Never partly off the screen, whatever the owner's position.
    x = std::max(static_cast<int>(area.left), std::min(x, static_cast<int>(area.right) - width));
    y = std::max(static_cast<int>(area.top), std::min(y, static_cast<int>(area.bottom) - height));
    SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
