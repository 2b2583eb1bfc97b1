#include "support/dialog_finder.h"

#include <commctrl.h>

namespace {

struct Found {
    const DialogSearch& search;
    bool firstOnly;
    std::vector<HWND> dialogs;
};

DialogKind KindOf(HWND dialog) {
    if (FindWindowExA(dialog, nullptr, WC_TABCONTROLA, nullptr)) return DialogKind::TabbedSheet;
    if (FindWindowExA(dialog, nullptr, PROGRESS_CLASSA, nullptr) && GetDlgItem(dialog, IDCANCEL))
        return DialogKind::ProgressWindow;
    return DialogKind::Prompt;
}

bool Matches(HWND hwnd, const DialogSearch& search) {
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(hwnd, &process);
    if (process != search.processId || (search.threadId && thread != search.threadId)) return false;
    if (!IsWindowVisible(hwnd)) return false;
    char className[16] = {};
    GetClassNameA(hwnd, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0) return false;
    if (search.kind != DialogKind::Any && KindOf(hwnd) != search.kind) return false;
    return !search.skip || !search.skip(hwnd);
}

BOOL CALLBACK Collect(HWND hwnd, LPARAM param) {
    auto& found = *reinterpret_cast<Found*>(param);
    if (!Matches(hwnd, found.search)) return TRUE;
    found.dialogs.push_back(hwnd);
    return found.firstOnly ? FALSE : TRUE;
}

std::vector<HWND> Find(const DialogSearch& search, bool firstOnly) {
    Found found{search, firstOnly, {}};
    if (search.threadId)
        EnumThreadWindows(search.threadId, Collect, reinterpret_cast<LPARAM>(&found));
    else
        EnumWindows(Collect, reinterpret_cast<LPARAM>(&found));
    return found.dialogs;
}

}  // namespace

std::vector<HWND> FindDialogs(const DialogSearch& search) { return Find(search, false); }

HWND FindDialog(const DialogSearch& search) {
    const std::vector<HWND> dialogs = Find(search, true);
    return dialogs.empty() ? nullptr : dialogs.front();
}
