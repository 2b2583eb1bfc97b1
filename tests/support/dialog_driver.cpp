#include "support/dialog_driver.h"

#include "support/dialog_finder.h"

#include <commctrl.h>

#include <chrono>
#include <string>
#include <vector>

HWND WaitForNewDialog(std::set<HWND>& done, DWORD timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        // A closed dialog's handle may be given to a later one.
        for (auto it = done.begin(); it != done.end();) it = IsWindow(*it) ? std::next(it) : done.erase(it);
        DialogSearch search;
        search.skip = [&done](HWND hwnd) { return done.count(hwnd) != 0; };
        if (const HWND found = FindDialog(search)) {
            done.insert(found);
            // Let it finish its first paint before anyone looks at it.
            Sleep(60);
            return found;
        }
        Sleep(20);
    }
    return nullptr;
}

bool WaitUntilGone(HWND dialog, DWORD timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (IsWindow(dialog)) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        Sleep(20);
    }
    return true;
}

void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PressKey(HWND dialog, WORD key) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    HWND target = dialog;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) && info.hwndFocus &&
        (info.hwndFocus == dialog || IsChild(dialog, info.hwndFocus)))
        target = info.hwndFocus;
    const UINT scan = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    PostMessageA(target, WM_KEYDOWN, key, 1 | (scan << 16));
    PostMessageA(target, WM_KEYUP, key, 1 | (scan << 16) | 0xC0000000u);
}

void PressCloseBox(HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

bool IsShown(HWND control) {
    return control && (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

RECT RectInDialog(HWND dialog, HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool TextFits(HWND control, bool wraps) {
    RECT client = {};
    GetClientRect(control, &client);
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(control)) + 2, '\0');
    GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    HDC dc = GetDC(control);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    RECT needed = {0, 0, client.right, 0};
    DrawTextA(dc, text.data(), -1, &needed,
              DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE) | DT_NOPREFIX);
    if (previous) SelectObject(dc, previous);
    ReleaseDC(control, dc);
    // A button needs room for its border and focus rectangle on either side.
    const int margin = wraps ? 0 : 8;
    return needed.bottom <= client.bottom && needed.right + margin <= client.right;
}

std::string ToolText(HWND tooltip, HWND button) {
    char text[512] = {};
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = button;
    tool.uId = 1;
    tool.lpszText = text;
    SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}
