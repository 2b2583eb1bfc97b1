// setup.exe: installs the product from the package carried in its resources.
#include "setup/command_line.h"
#include "setup/resource_ids.h"
#include "setup/setup_dialog.h"
#include "setup/setup_language.h"
#include "setup/setup_resources.h"
#include "setup/setup_state.h"
#include "setup/version.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>

namespace {

bool ReadRequired(const char* name, std::string& value, const char* failure) {
    if (ReadResourceString(name, value)) return true;
    MessageBoxA(nullptr, failure, "", MB_OK);
    return false;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    SelectSetupLanguage(GetUserDefaultUILanguage());
    ParseCommandLine(commandLine);

    SetupState& state = State();
    if (!ReadRequired("PACKAGENAME", state.packagePath, "Could not get msi filename from the resource.") ||
        !ReadRequired("PRODUCTCODE", state.productCode, "Could not get product code from the resource.") ||
        !ReadRequired("PRODUCTNAME", state.productName, "Could not get product name from the resource.") ||
        !ReadRequired("VERSION", state.versionText, "Could not get version number from the resource.")) {
        return 1;
    }
    if (!ParseVersion(state.versionText.c_str(), state.versionHigh, state.versionLow)) {
        MessageBoxA(nullptr, "Could not interpret version number string.", "", MB_OK);
        return 1;
    }
    if (!ReadResourceString("LOGPATH", state.logPath)) state.logPath.clear();

    const HWND dialog =
        CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_SETUP_LANGUAGE), nullptr, SetupDialogProc, 0);
    if (dialog == nullptr) {
        char text[32];
        std::snprintf(text, sizeof text, "Error x%lx", GetLastError());
        MessageBoxA(nullptr, text, "CreateDialog", MB_ICONEXCLAMATION);
        return 1;
    }

    MSG message;
    for (;;) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == -1) return -1;
        if (got == 0) return static_cast<int>(message.wParam);
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}
