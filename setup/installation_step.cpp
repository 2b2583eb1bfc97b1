#include "setup/installation_step.h"

#include "setup/installer_launch.h"
#include "setup/resource_ids.h"
#include "setup/setup_language.h"
#include "setup/setup_resources.h"
#include "setup/setup_state.h"
#include "setup/setup_text.h"
#include "setup/temp_files.h"

#include <cstdio>

namespace {

constexpr std::size_t kMessageChars = 200;

void Close(HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); }

std::string CurrentDirectory() {
    char folder[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string();
}

std::string FormatWithProduct(SetupTextRow row) {
    char text[kMessageChars];
    std::snprintf(text, sizeof text, GetSetupText(row), State().productName.c_str());
    return text;
}

// The language stored with the selected entry; with no selection (the
// current language is not offered) the current language stays.
LANGID ChosenLanguage(HWND dialog) {
    const LRESULT selected = SendDlgItemMessageA(dialog, IDC_LANGUAGE_LIST, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return CurrentLanguageId();
    return static_cast<LANGID>(SendDlgItemMessageA(dialog, IDC_LANGUAGE_LIST, CB_GETITEMDATA, selected, 0));
}

}  // namespace

void RunInstallationStep(HWND dialog) {
    SetupState& state = State();
    const LANGID id = ChosenLanguage(dialog);
    SelectSetupLanguage(id);

    state.transformPath.clear();
    if (id != kEnglishLanguage) {
        char name[16];
        std::snprintf(name, sizeof name, "%04u.MST", unsigned{id});
        state.transformPath = name;
    }

    state.extracted = ResourceExists("PACKAGEFILE");
    if (state.extracted) {
        state.wait = true;
        if (!ExtractPackage()) {
            MessageBoxA(dialog, "Could not extract files.", state.productName.c_str(), MB_OK);
            Close(dialog);
            return;
        }
    } else if (id != kEnglishLanguage) {
        const std::string folder = CurrentDirectory() + "\\";
        state.packagePath = folder + state.packagePath;
        state.transformPath = folder + state.transformPath;
    }

    if (state.packagePath.empty() || state.productCode.empty()) return;

    const VersionCheck check =
        CheckInstalledVersion(state.productCode.c_str(), state.versionHigh, state.versionLow);
    switch (check) {
        case VersionCheck::LaterInstalled:
            MessageBoxA(dialog, FormatWithProduct(SetupTextRow::LaterVersion).c_str(), state.productName.c_str(),
                        MB_OK);
            Close(dialog);
            return;
        case VersionCheck::Upgrade:
            ShowWindow(dialog, SW_HIDE);
            if (MessageBoxA(dialog, FormatWithProduct(SetupTextRow::Upgrade).c_str(), state.productName.c_str(),
                            MB_OKCANCEL) != IDOK) {
                Close(dialog);
                return;
            }
            break;
        case VersionCheck::QueryFailed:
            // Nobody would ever close an unattended run; a chosen one waits
            // for the user.
            if (state.languageFixed) {
                MessageBoxA(dialog, FormatWithProduct(SetupTextRow::QueryFailed).c_str(),
                            state.productName.c_str(), MB_OK);
                state.exitCode = 1;
                Close(dialog);
            }
            return;
        case VersionCheck::NotInstalled:
            break;
    }

    LaunchInstaller(state.packagePath, state.transformPath, check, state.installer);
    if (state.wait && state.installer) {
        state.waitThread.SetNotifyWindow(dialog);
        if (!state.waitThread.Start(reinterpret_cast<UINT_PTR>(state.installer.Get()))) {
            // Nothing else would ever close the hidden dialog.
            Close(dialog);
            return;
        }
        ShowWindow(dialog, SW_HIDE);
    } else {
        Close(dialog);
    }
}
