#include "bench/dialog/dialog_run.h"

#include "bench/application_window.h"
#include "bench/data_source_session.h"
#include "bench/dialog/bare_sheet.h"
#include "bench/dialog/sheet_watch.h"
#include "bench/file_aside.h"
#include "bench/message_box_closer.h"
#include "bench/program_folder.h"
#include "datasource/twain.h"
#include "engine/user_data_folder.h"
#include "resources/language_page_ids.h"
#include "resources/preset_page_ids.h"

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <string>
#include <thread>

namespace {

constexpr DWORD kWaitMs = 30000;
constexpr const char* kSheetCaption = "Tavix Scanner";
constexpr const char* kBareCaption = "Bare sheet";
constexpr int kLanguagePage = 3;
constexpr int kPresetPage = 0;

HWND CurrentPage(HWND sheet) { return PropSheet_GetCurrentPageHwnd(sheet); }

// Clicks control `id` of the page the sheet shows, as its BN_CLICKED.
void Click(HWND sheet, int id) {
    HWND page = CurrentPage(sheet);
    PostMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

bool ShowPage(HWND sheet, int index) {
    SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    return WaitUntilPainted(sheet, kWaitMs);
}

// The bare sheet, shown on this thread and timed from a second one.
bool MeasureBareSheet(HWND owner, double& ms, std::string& error) {
    double started = 0, painted = 0;
    std::string watchError;
    std::thread watch([&] {
        HWND sheet = WaitForDialog(kBareCaption, nullptr, kWaitMs);
        if (!sheet || !WaitUntilPainted(sheet, kWaitMs)) watchError = "the bare sheet was not painted";
        painted = NowMs();
        if (sheet) PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    started = NowMs();
    const bool ran = RunBareSheet(owner, kBareCaption, error);
    watch.join();
    if (ran && !watchError.empty()) error = watchError;
    ms = painted - started;
    return ran && watchError.empty();
}

// What the second thread does with the scanner dialog while MSG_ENABLEDS
// runs on the main thread: waits for it, switches the language there and
// back, and clicks a preset.
struct DialogScript {
    double painted = 0;
    double switchMs[2] = {};
    double presetClicked = 0;
    std::string error;

    void Run() {
        HWND sheet = WaitForDialog(kSheetCaption, nullptr, kWaitMs);
        if (!sheet || !WaitUntilPainted(sheet, kWaitMs)) return Fail("the scanner dialog was not painted");
        painted = NowMs();
        if (!ShowPage(sheet, kLanguagePage)) return Fail("the Language page was not painted");
        const int lamps[] = {IDC_LANGUAGE_FRENCH, IDC_LANGUAGE_ENGLISH};
        for (int i = 0; i < 2; ++i) {
            const double clicked = NowMs();
            Click(sheet, lamps[i]);
            HWND reopened = WaitForDialog(kSheetCaption, sheet, kWaitMs);
            if (!reopened || !WaitUntilPainted(reopened, kWaitMs))
                return Fail("the dialog did not come back after a language switch");
            switchMs[i] = NowMs() - clicked;
            sheet = reopened;
        }
        if (!ShowPage(sheet, kPresetPage)) return Fail("the Pre-defined Setting page was not painted");
        presetClicked = NowMs();
        Click(sheet, IDC_PRESET_BUTTON_1);
    }

    void Fail(const char* why) {
        error = why;
        // The dialog must end, or MSG_ENABLEDS never returns.
        if (HWND sheet = WaitForDialog(kSheetCaption, nullptr, 0)) PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
    }
};

bool MeasureScannerDialog(DataSourceSession& ds, ApplicationWindow& window, DialogTimes& times,
                          std::string& error) {
    DialogScript script;
    std::thread watch([&] { script.Run(); });
    const double enabled = NowMs();
    const bool ran = ds.EnableWithDialog(window.Handle(), error);
    WPARAM code = 0;
    const bool announced = window.TakeNotification(code) && code == MSG_XFERREADY;
    const double ready = NowMs();
    watch.join();
    if (!script.error.empty()) error = script.error;
    if (!ran || !script.error.empty()) return false;
    if (!announced) {
        error = "no MSG_XFERREADY after the preset click";
        return false;
    }
    times.open = script.painted - enabled;
    times.languageSwitch = (script.switchMs[0] + script.switchMs[1]) / 2;
    times.presetToXferReady = ready - script.presetClicked;
    return ds.ResetTransfers(error);
}

std::string ProfilePath() {
    char folder[MAX_PATH] = {};
    return GetUserDataFolder(folder) ? std::string(folder) + "TAVIXSRC.INI" : std::string();
}

}  // namespace

int RunDialogMeasurement() {
    const std::string folder = ProgramFolder();
    // The virtual scanner as it starts: one Letter test sheet, no faults.
    SetEnvironmentVariableA("BRSVIO_CONTROL", nullptr);
    SetEnvironmentVariableA("BRSVIO_LOG", nullptr);
    PutScannerOnPath(folder + "scanner\\");
    // The dialog stores the language, the preset and the page it ended on:
    // the user's own settings come back afterwards.
    const std::string profile = ProfilePath();
    if (profile.empty()) {
        std::printf("ERROR the user's data folder cannot be found\n");
        return 1;
    }
    FileAside keptProfile(profile);

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    ApplicationWindow window;
    window.Activate();
    MessageBoxCloser closer(GetCurrentThreadId());
    DialogTimes times;
    std::string error;
    double warmUp = 0;
    DataSourceSession ds;
    // The first sheet of a process pays for comctl32's classes; the second is the yardstick.
    bool ok = MeasureBareSheet(window.Handle(), warmUp, error) &&
              MeasureBareSheet(window.Handle(), times.bareSheet, error) &&
              ds.Load(folder + "TAVIXSRC.ds", error) && ds.Open(error) &&
              MeasureScannerDialog(ds, window, times, error);
    std::string ignored;
    ds.Disable(window.Handle(), ignored);
    ds.Close(ignored);
    const std::string boxes = closer.Texts();
    if (!ok || !boxes.empty()) {
        std::printf("ERROR %s%s%s\n", error.c_str(), boxes.empty() ? "" : "; message box: ", boxes.c_str());
        return 1;
    }
    std::printf("RESULT %.3f %.3f %.3f %.3f\n", times.bareSheet, times.open, times.languageSwitch,
                times.presetToXferReady);
    return 0;
}

bool ParseDialogTimes(const std::string& output, DialogTimes& times) {
    const size_t at = output.find("RESULT ");
    return at != std::string::npos &&
           std::sscanf(output.c_str() + at, "RESULT %lf %lf %lf %lf", &times.bareSheet, &times.open,
                       &times.languageSwitch, &times.presetToXferReady) == 4;
}
