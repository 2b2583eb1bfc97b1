// Enabling with the scanner dialog, through DS_Entry: what each way out of
// the dialog leaves the application (notification, state, stored settings),
// and an application that misbehaves while the dialog is shown.
#include "tests/datasource/enabled_source.h"
#include "support/dialog_driver.h"
#include "support/sheet_driver.h"

#include <functional>
#include <set>
#include <string>

namespace {

constexpr int kPresetButton1 = 1121;
constexpr int kCustomScanButton = 1001;
constexpr UINT kCallFromWindow = WM_APP + 7;

std::string ControlText(HWND control) {
    char text[256] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

int ProfileValue(const char* key) {
    return static_cast<int>(GetPrivateProfileIntA(kTestSection, key, -12345, UserProfilePath().c_str()));
}

class EnableWithDialog : public EnabledSource {
protected:
    // Enables with `message` while `script` works the dialog on a second
    // thread; a dialog the script leaves open is cancelled.
    TW_UINT16 EnableDriven(TW_UINT16 message, const std::function<void(HWND)>& script) {
        ui_.ShowUI = TRUE;
        ui_.ModalUI = FALSE;
        ScriptThread thread([&] {
            HWND sheet = WaitForNewDialog(seen_);
            if (!sheet) {
                ADD_FAILURE() << "no scanner dialog";
                return;
            }
            script(sheet);
            if (!WaitUntilGone(sheet, 8000)) {
                ADD_FAILURE() << "the dialog is still open after the script";
                PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
            }
        });
        return Call(DG_CONTROL, DAT_USERINTERFACE, message, &ui_);
    }

    std::set<HWND> seen_;
};

// Lets the test's application window make a DS_Entry call when a message
// arrives, as an application's own message handler would while the source's
// dialog runs its loop.
class WindowCall {
public:
    WindowCall(HWND window, std::function<void()> call) : window_(window), call_(std::move(call)) {
        current_ = this;
        old_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    ~WindowCall() {
        if (IsWindow(window_)) SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old_));
        current_ = nullptr;
    }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == kCallFromWindow && current_) {
            current_->call_();
            return 0;
        }
        return CallWindowProcA(current_ ? current_->old_ : DefWindowProcA, hwnd, message, wParam, lParam);
    }

    static inline WindowCall* current_ = nullptr;
    HWND window_;
    std::function<void()> call_;
    WNDPROC old_ = nullptr;
};

}  // namespace

TEST_F(EnableWithDialog, PresetClickScansThePresetAndAnnouncesThePage) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    int tab = -1;
    ASSERT_EQ(TWRC_SUCCESS, EnableDriven(MSG_ENABLEDS, [&](HWND sheet) {
                  tab = ActiveTab(sheet);
                  PressPageButton(sheet, kPresetButton1);
              }));
    EXPECT_EQ(0, tab);
    EXPECT_EQ(TRUE, ui_.ModalUI);
    EXPECT_EQ(std::vector<WPARAM>{MSG_XFERREADY}, Notifications());
    EXPECT_EQ(6, ProbeState());
    // Preset 1 as built in: 200 dpi black and white.
    TW_IMAGEINFO info{};
    ASSERT_EQ(TWRC_SUCCESS, ImageInfo(info));
    EXPECT_EQ(200, Inches(info.XResolution));
    EXPECT_EQ(1, info.BitsPerPixel);
    EXPECT_EQ(1u, ScannerCalls("IO_StartScan"));
    // The next display opens on the presets page again.
    EXPECT_EQ(0, ProfileValue("PropPage"));
}

TEST_F(EnableWithDialog, CancelAsksTheApplicationToCloseAndStaysInStateFive) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, EnableDriven(MSG_ENABLEDS, [](HWND sheet) { PressPageButton(sheet, IDCANCEL); }));
    EXPECT_EQ(std::vector<WPARAM>{MSG_CLOSEDSREQ}, Notifications());
    EXPECT_EQ(5, ProbeState());
    EXPECT_EQ(0u, ScannerCalls("IO_StartScan"));
    TW_USERINTERFACE disable{};
    EXPECT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &disable));
    EXPECT_EQ(4, ProbeState());
}

TEST_F(EnableWithDialog, SettingsOnlyOpensOnCustomSettingsAndOkStoresThem) {
    Setting("DPI", 150);
    ASSERT_EQ(TWRC_SUCCESS, Open());
    int tab = -1;
    std::string okText;
    ASSERT_EQ(TWRC_SUCCESS, EnableDriven(MSG_ENABLEDSUIONLY, [&](HWND sheet) {
                  tab = ActiveTab(sheet);
                  okText = ControlText(GetDlgItem(CurrentPage(sheet), kCustomScanButton));
                  PressPageButton(sheet, kCustomScanButton);
              }));
    EXPECT_EQ(1, tab);
    EXPECT_EQ("OK", okText);
    EXPECT_EQ(TRUE, ui_.ModalUI);
    EXPECT_EQ(std::vector<WPARAM>{MSG_CLOSEDSOK}, Notifications());
    EXPECT_EQ(5, ProbeState());
    EXPECT_EQ(150, ProfileValue("DPI"));
    EXPECT_EQ(1, ProfileValue("PropPage"));
    EXPECT_EQ(0u, ScannerCalls("IO_StartScan"));
}

TEST_F(EnableWithDialog, ScanFromCustomSettingsUsesTheCurrentSettingsAndReopensThere) {
    Setting("DPI", 100);
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, EnableDriven(MSG_ENABLEDS, [](HWND sheet) {
                  SelectTab(sheet, 1);
                  PressPageButton(sheet, kCustomScanButton);
              }));
    EXPECT_EQ(std::vector<WPARAM>{MSG_XFERREADY}, Notifications());
    TW_IMAGEINFO info{};
    ASSERT_EQ(TWRC_SUCCESS, ImageInfo(info));
    EXPECT_EQ(100, Inches(info.XResolution));
    EXPECT_EQ(1, ProfileValue("PropPage"));

    TW_PENDINGXFERS pending{};
    ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending));
    TW_USERINTERFACE disable{};
    ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &disable));
    Notifications();
    int tab = -1;
    ASSERT_EQ(TWRC_SUCCESS, EnableDriven(MSG_ENABLEDS, [&](HWND sheet) {
                  tab = ActiveTab(sheet);
                  PressPageButton(sheet, IDCANCEL);
              }));
    EXPECT_EQ(1, tab);
}

TEST_F(EnableWithDialog, ReadOnlyProfileStillScans) {
    Setting("DPI", 100);
    const std::string profile = UserProfilePath();
    ASSERT_TRUE(SetFileAttributesA(profile.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_EQ(TWRC_SUCCESS, Open());
    const TW_UINT16 rc = EnableDriven(MSG_ENABLEDS, [](HWND sheet) {
        SelectTab(sheet, 1);
        PressPageButton(sheet, kCustomScanButton);
    });
    SetFileAttributesA(profile.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(TWRC_SUCCESS, rc);
    EXPECT_EQ(std::vector<WPARAM>{MSG_XFERREADY}, Notifications());
    EXPECT_EQ(6, ProbeState());
}

TEST_F(EnableWithDialog, CloseOrEnableFromInsideTheDialogIsASequenceError) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    TW_UINT16 closeResult = 0, closeCondition = 0, enableResult = 0, enableCondition = 0;
    {
        WindowCall call(window_.Handle(), [&] {
            closeResult = Close();
            closeCondition = Condition();
            TW_USERINTERFACE again{TRUE, FALSE, window_.Handle()};
            enableResult = Call(DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &again);
            enableCondition = Condition();
        });
        HWND host = window_.Handle();
        ASSERT_EQ(TWRC_SUCCESS, EnableDriven(MSG_ENABLEDS, [&](HWND sheet) {
                      SendMessageA(host, kCallFromWindow, 0, 0);
                      PressPageButton(sheet, kPresetButton1);
                  }));
    }
    EXPECT_EQ(TWRC_FAILURE, closeResult);
    EXPECT_EQ(TWCC_SEQERROR, closeCondition);
    EXPECT_EQ(TWRC_FAILURE, enableResult);
    EXPECT_EQ(TWCC_SEQERROR, enableCondition);
    // The scan the dialog asked for went ahead as if nothing had happened.
    EXPECT_EQ(std::vector<WPARAM>{MSG_XFERREADY}, Notifications());
    EXPECT_EQ(6, ProbeState());
}

TEST_F(EnableWithDialog, WithoutParentTheDialogStillRunsAndCancels) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ui_.hParent = nullptr;
    ScriptThread thread([&] {
        HWND sheet = WaitForNewDialog(seen_);
        ASSERT_NE(nullptr, sheet);
        PressPageButton(sheet, IDCANCEL);
    });
    ui_.ShowUI = TRUE;
    EXPECT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui_));
    thread.Join();
    EXPECT_EQ(5, ProbeState());
}

TEST_F(EnableWithDialog, ForeignParentHandleIsRefusedBeforeAnyDialog) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ui_.ShowUI = TRUE;
    ui_.hParent = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x7FFF0));
    EXPECT_EQ(TWRC_FAILURE, Call(DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui_));
    EXPECT_EQ(TWCC_BADVALUE, Condition());
    EXPECT_EQ(4, ProbeState());
}
