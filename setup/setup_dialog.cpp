#include "setup/setup_dialog.h"

#include "setup/installation_step.h"
#include "setup/language_list.h"
#include "setup/resource_ids.h"
#include "setup/setup_state.h"
#include "setup/setup_text.h"
#include "setup/temp_files.h"

#include <vector>

namespace {

void OnInitDialog(HWND dialog) {
    std::vector<LanguageEntry> offered;
    LoadLanguageList(offered);
    if (!State().languageFixed) SelectSetupLanguage(GetUserDefaultUILanguage());

    SetWindowTextA(dialog, GetSetupText(SetupTextRow::Title));
    SetDlgItemTextA(dialog, IDC_INSTRUCTION, GetSetupText(SetupTextRow::Instruction));
    SetDlgItemTextA(dialog, IDOK, GetSetupText(SetupTextRow::Ok));
    SetDlgItemTextA(dialog, IDCANCEL, GetSetupText(SetupTextRow::Cancel));

    const HWND list = GetDlgItem(dialog, IDC_LANGUAGE_LIST);
    for (const LanguageEntry& entry : offered) {
        const LRESULT item = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.displayName));
        SendMessageA(list, CB_SETITEMDATA, item, entry.id);
        if (entry.id == CurrentLanguageId()) SendMessageA(list, CB_SETCURSEL, item, 0);
    }

    if (offered.empty()) {
        MessageBoxA(dialog, "Language error in the resource.", "", MB_OK);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    } else if (State().languageFixed) {
        // The installation step runs without the dialog ever being shown.
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    } else {
        ShowWindow(dialog, SW_SHOWNORMAL);
    }
}

}  // namespace

namespace {

INT_PTR HandleMessage(HWND dialog, UINT message, WPARAM wParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(dialog);
            return TRUE;
        case WM_COMMAND:
            if (wParam == IDOK) {
                RunInstallationStep(dialog);
                return TRUE;
            }
            if (wParam == IDCANCEL) {
                PostMessageA(dialog, WM_CLOSE, 0, 0);
                return TRUE;
            }
            return FALSE;
        case WM_CLOSE:
            DeleteWrittenTempFiles();
            DestroyWindow(dialog);
            return TRUE;
        case WM_DESTROY:
            PostQuitMessage(State().exitCode);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    // No exception may cross into the system's dialog code: setup ends with
    // a failure instead, its written files removed on the way.
    try {
        return HandleMessage(dialog, message, wParam);
    } catch (...) {
        State().exitCode = ERROR_INSTALL_FAILURE;
        if (message == WM_CLOSE || message == WM_DESTROY)
            PostQuitMessage(State().exitCode);
        else
            PostMessageA(dialog, WM_CLOSE, 0, 0);
        return TRUE;
    }
}
