#include "process_windows.h"

#include "support/dialog_finder.h"

namespace {

BOOL CALLBACK CollectStaticText(HWND child, LPARAM context) {
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    const std::string text = WindowText(child);
    if (_stricmp(name, "Static") == 0 && !text.empty()) *reinterpret_cast<std::string*>(context) = text;
    return TRUE;
}

// The language dialog is the only dialog of setup with a combo box.
bool IsMessageBox(HWND dialog) {
    return FindWindowExA(dialog, nullptr, "ComboBox", nullptr) == nullptr &&
           (GetDlgItem(dialog, IDOK) != nullptr || GetDlgItem(dialog, IDCANCEL) != nullptr);
}

}  // namespace

std::string WindowText(HWND window) {
    char text[1024] = {};
    // WM_GETTEXT reaches windows of other processes too.
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return text;
}

std::vector<HWND> VisibleDialogs(DWORD processId) {
    DialogSearch search;
    search.processId = processId;
    return FindDialogs(search);
}

HWND WaitForDialog(DWORD processId, const std::string& caption, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        for (HWND dialog : VisibleDialogs(processId)) {
            if (WindowText(dialog) == caption && !IsMessageBox(dialog)) return dialog;
        }
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool WaitForMessageBox(DWORD processId, DWORD timeoutMs, MessageBoxInfo& box) {
    const DWORD start = GetTickCount();
    do {
        for (HWND dialog : VisibleDialogs(processId)) {
            if (!IsMessageBox(dialog)) continue;
            box.window = dialog;
            box.caption = WindowText(dialog);
            box.text.clear();
            EnumChildWindows(dialog, CollectStaticText, reinterpret_cast<LPARAM>(&box.text));
            if (!box.text.empty()) return true;
        }
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

namespace {

// Wide text across processes: the ANSI message loses all but the first
// character on the way.
std::string ComboItem(HWND combo, LRESULT index) {
    wchar_t text[128] = {};
    if (SendMessageW(combo, CB_GETLBTEXTLEN, index, 0) >= 128) return std::string();
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    char narrow[256] = {};
    WideCharToMultiByte(1252, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

}  // namespace

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) items.push_back(ComboItem(combo, i));
    return items;
}

std::string ComboSelection(HWND combo) {
    const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? std::string() : ComboItem(combo, selected);
}
