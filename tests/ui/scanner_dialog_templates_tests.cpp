// The templates of the scanner dialog's pages and the preset edit dialog:
// every control is there, of its kind, at its place in dialog units.
#include "resources/custom_settings_page_ids.h"
#include "resources/info_page_ids.h"
#include "resources/language_page_ids.h"
#include "resources/preset_edit_dialog_ids.h"
#include "resources/preset_page_ids.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace {

enum class Kind { Push, DefaultPush, Radio, Check, OwnerDrawn, List, Trackbar, Text, RightText, Frame };

struct Placed {
    int id;
    Kind kind;
    RECT dialogUnits;  // left, top, width, height
    bool shown = true;
};

struct Layout {
    int templateId;
    SIZE dialogUnits;
    std::vector<Placed> controls;
};

const Layout kPresetPage{IDD_PRESET_PAGE, {346, 272}, {
    {IDC_PRESET_DESCRIPTION, Kind::Text, {15, 145, 314, 83}},
    {IDC_PRESET_BUTTON_0, Kind::OwnerDrawn, {18, 32, 50, 42}},
    {IDC_PRESET_BUTTON_1, Kind::OwnerDrawn, {81, 29, 50, 42}},
    {IDC_PRESET_BUTTON_2, Kind::OwnerDrawn, {145, 29, 50, 42}},
    {IDC_PRESET_BUTTON_3, Kind::OwnerDrawn, {212, 29, 50, 42}},
    {IDC_PRESET_BUTTON_4, Kind::OwnerDrawn, {271, 32, 50, 42}},
    {IDC_PRESET_CALIBRATE, Kind::Push, {139, 245, 68, 20}},
}};

const Layout kPresetEdit{IDD_PRESET_EDIT, {244, 116}, {
    {IDOK, Kind::DefaultPush, {128, 97, 50, 14}},
    {IDCANCEL, Kind::Push, {187, 97, 50, 14}},
    {IDC_PRESET_EDIT_ONE_SIDE, Kind::Radio, {255, 8, 82, 10}},
    {IDC_PRESET_EDIT_TWO_SIDES, Kind::Radio, {341, 8, 82, 10}},
    {IDC_PRESET_EDIT_BLACK_WHITE, Kind::Radio, {56, 14, 62, 8}},
    {IDC_PRESET_EDIT_GRAYSCALE, Kind::Radio, {122, 14, 63, 8}},
    {IDC_PRESET_EDIT_COLOR, Kind::Radio, {190, 14, 39, 8}},
    {IDC_PRESET_EDIT_RESOLUTION, Kind::List, {151, 31, 76, 151}},
    {IDC_PRESET_EDIT_SCAN_SIZE, Kind::List, {125, 49, 102, 151}},
    {IDC_PRESET_EDIT_OPTION, Kind::Check, {255, 25, 140, 12}},
    {IDC_PRESET_EDIT_COPY_CUSTOM, Kind::Push, {16, 72, 136, 14}},
    {IDC_PRESET_EDIT_DEFAULT, Kind::Push, {165, 72, 62, 14}},
    {IDC_PRESET_EDIT_ICON, Kind::OwnerDrawn, {18, 17, 26, 23}},
    {IDC_PRESET_EDIT_RESOLUTION_LABEL, Kind::Text, {56, 32, 66, 10}},
    {IDC_PRESET_EDIT_SCAN_SIZE_LABEL, Kind::Text, {56, 51, 66, 10}},
}};

const Layout kCustomSettingsPage{IDD_CUSTOM_SETTINGS_PAGE, {346, 278}, {
    {IDC_CUSTOM_SCAN, Kind::DefaultPush, {191, 252, 68, 20}},
    {IDCANCEL, Kind::Push, {269, 252, 68, 20}},
    {IDC_CUSTOM_CALIBRATE, Kind::Push, {113, 252, 68, 20}},
    {IDC_CUSTOM_RESET, Kind::Push, {138, 181, 50, 13}},
    {IDC_CUSTOM_UNIT, Kind::Push, {192, 11, 16, 15}},
    {IDC_CUSTOM_PREVIEW, Kind::Push, {284, 224, 51, 16}},
    {IDC_CUSTOM_ONE_SIDE, Kind::Radio, {353, 7, 82, 10}, false},
    {IDC_CUSTOM_TWO_SIDES, Kind::Radio, {354, 23, 82, 10}, false},
    {IDC_CUSTOM_BLACK_WHITE, Kind::Radio, {17, 14, 62, 8}},
    {IDC_CUSTOM_GRAYSCALE, Kind::Radio, {83, 14, 63, 8}},
    {IDC_CUSTOM_COLOR, Kind::Radio, {151, 14, 39, 8}},
    {IDC_CUSTOM_RESOLUTION, Kind::List, {111, 30, 76, 151}},
    {IDC_CUSTOM_SCAN_SIZE, Kind::List, {85, 47, 102, 151}},
    {IDC_CUSTOM_FILTER, Kind::List, {85, 64, 102, 65}},
    {IDC_CUSTOM_INVERT, Kind::Check, {17, 82, 71, 10}},
    {IDC_CUSTOM_DETECT_EOP, Kind::Check, {94, 82, 93, 10}},
    {IDC_CUSTOM_BRIGHTNESS, Kind::Trackbar, {65, 100, 77, 10}},
    {IDC_CUSTOM_CONTRAST, Kind::Trackbar, {65, 115, 77, 10}},
    {IDC_CUSTOM_GAMMA, Kind::Trackbar, {65, 132, 77, 10}},
    {IDC_CUSTOM_HIGHLIGHT, Kind::Trackbar, {65, 149, 77, 10}},
    {IDC_CUSTOM_SHADOW, Kind::Trackbar, {65, 166, 77, 10}},
    {IDC_CUSTOM_RANGE_MODE, Kind::Radio, {198, 226, 36, 13}},
    {IDC_CUSTOM_ZOOM_MODE, Kind::Radio, {238, 226, 43, 13}},
    {IDC_CUSTOM_SENSOR_LIGHT, Kind::Frame, {84, 260, 8, 8}},
    {IDC_CUSTOM_OUTER_FRAME, Kind::Frame, {8, 8, 330, 235}},
    {IDC_CUSTOM_PREVIEW_FRAME, Kind::Frame, {208, 26, 127, 196}},
    {IDC_CUSTOM_RULER_HORIZONTAL, Kind::Frame, {208, 12, 127, 14}},
    {IDC_CUSTOM_RULER_VERTICAL, Kind::Frame, {194, 26, 14, 196}},
    {IDC_CUSTOM_RESOLUTION_LABEL, Kind::Text, {17, 31, 66, 10}},
    {IDC_CUSTOM_SCAN_SIZE_LABEL, Kind::Text, {17, 49, 66, 10}},
    {IDC_CUSTOM_FILTER_LABEL, Kind::Text, {17, 65, 66, 10}},
    {IDC_CUSTOM_BRIGHTNESS_LABEL, Kind::Text, {18, 100, 46, 8}},
    {IDC_CUSTOM_BRIGHTNESS_VALUE, Kind::Text, {147, 99, 22, 8}},
    {IDC_CUSTOM_CONTRAST_LABEL, Kind::Text, {18, 117, 46, 8}},
    {IDC_CUSTOM_CONTRAST_VALUE, Kind::Text, {147, 116, 22, 8}},
    {IDC_CUSTOM_GAMMA_LABEL, Kind::Text, {18, 134, 46, 8}},
    {IDC_CUSTOM_GAMMA_VALUE, Kind::Text, {147, 133, 22, 8}},
    {IDC_CUSTOM_HIGHLIGHT_LABEL, Kind::Text, {18, 151, 46, 8}},
    {IDC_CUSTOM_HIGHLIGHT_VALUE, Kind::Text, {147, 150, 22, 8}},
    {IDC_CUSTOM_SHADOW_LABEL, Kind::Text, {18, 168, 46, 8}},
    {IDC_CUSTOM_SHADOW_VALUE, Kind::Text, {147, 167, 22, 8}},
    {IDC_CUSTOM_FRAME_WIDTH, Kind::Text, {29, 203, 65, 10}},
    {IDC_CUSTOM_FRAME_HEIGHT, Kind::Text, {105, 203, 65, 10}},
    {IDC_CUSTOM_IMAGE_SIZE, Kind::Text, {29, 216, 134, 10}},
    {IDC_CUSTOM_FREE_DISK, Kind::Text, {29, 229, 134, 10}},
    {IDC_CUSTOM_SENSOR_LABEL, Kind::RightText, {10, 260, 69, 8}},
}};

const Layout kInfoPage{IDD_INFO_PAGE, {346, 272}, {
    {IDC_INFO_LOGO, Kind::Frame, {30, 23, 20, 20}},
    {IDC_INFO_INTERFACE_LABEL, Kind::RightText, {181, 22, 67, 10}},
    {IDC_INFO_INTERFACE, Kind::Text, {257, 22, 65, 10}},
    {IDC_INFO_CONFIG_LABEL, Kind::RightText, {181, 52, 67, 10}},
    {IDC_INFO_CONFIG, Kind::Text, {257, 52, 65, 10}},
    {IDC_INFO_VERSION_LABEL, Kind::RightText, {181, 74, 67, 10}},
    {IDC_INFO_VERSION, Kind::Text, {257, 74, 65, 10}},
    {IDC_INFO_DATE_LABEL, Kind::RightText, {181, 96, 67, 10}},
    {IDC_INFO_DATE, Kind::Text, {257, 96, 65, 10}},
    {IDC_INFO_LEGAL_NOTICE, Kind::Text, {15, 136, 313, 103}},
    {IDC_INFO_FRAME, Kind::Frame, {8, 8, 330, 116}},
}};

const Layout kLanguagePage{IDD_LANGUAGE_PAGE, {346, 270}, {
    {IDC_LANGUAGE_ENGLISH, Kind::OwnerDrawn, {36, 141, 18, 16}},
    {IDC_LANGUAGE_SPANISH, Kind::OwnerDrawn, {127, 141, 18, 16}},
    {IDC_LANGUAGE_GERMAN, Kind::OwnerDrawn, {218, 141, 18, 16}},
    {IDC_LANGUAGE_FRENCH, Kind::OwnerDrawn, {36, 164, 18, 16}},
    {IDC_LANGUAGE_ITALIAN, Kind::OwnerDrawn, {127, 164, 18, 16}},
}};

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

// Whether the control is of `kind`, by its class and style.
testing::AssertionResult IsKind(HWND control, Kind kind) {
    const std::string windowClass = ClassOf(control);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const LONG type = style & BS_TYPEMASK;
    bool ok = false;
    switch (kind) {
    case Kind::Push: ok = _stricmp(windowClass.c_str(), "Button") == 0 && type == BS_PUSHBUTTON; break;
    case Kind::DefaultPush: ok = _stricmp(windowClass.c_str(), "Button") == 0 && type == BS_DEFPUSHBUTTON; break;
    case Kind::Radio: ok = _stricmp(windowClass.c_str(), "Button") == 0 && type == BS_AUTORADIOBUTTON; break;
    case Kind::Check: ok = _stricmp(windowClass.c_str(), "Button") == 0 && type == BS_AUTOCHECKBOX; break;
    case Kind::OwnerDrawn: ok = _stricmp(windowClass.c_str(), "Button") == 0 && type == BS_OWNERDRAW; break;
    case Kind::List:
        ok = _stricmp(windowClass.c_str(), "ComboBox") == 0 && (style & 3) == CBS_DROPDOWNLIST;
        break;
    case Kind::Trackbar: ok = _stricmp(windowClass.c_str(), TRACKBAR_CLASSA) == 0; break;
    case Kind::Text:
        ok = _stricmp(windowClass.c_str(), "Static") == 0 && (style & SS_TYPEMASK) == SS_LEFT;
        break;
    case Kind::RightText:
        ok = _stricmp(windowClass.c_str(), "Static") == 0 && (style & SS_TYPEMASK) == SS_RIGHT;
        break;
    case Kind::Frame: {
        const LONG frame = style & SS_TYPEMASK;
        ok = _stricmp(windowClass.c_str(), "Static") == 0 &&
             (frame == SS_ETCHEDFRAME || frame == SS_BLACKFRAME);
        break;
    }
    }
    if (ok) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "class " << windowClass << ", style 0x" << std::hex << style;
}

class ScannerDialogTemplates : public testing::TestWithParam<Layout> {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX init = {sizeof init, ICC_BAR_CLASSES};
        InitCommonControlsEx(&init);
    }
    void SetUp() override {
        host_ = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 900, 700, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, host_);
    }
    void TearDown() override { DestroyWindow(host_); }
    HWND host_ = nullptr;
};

TEST_P(ScannerDialogTemplates, EveryControlIsOfItsKindAtItsPlace) {
    const Layout& layout = GetParam();
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(layout.templateId), host_,
                                     PlainDialogProc, 0);
    ASSERT_NE(nullptr, dialog) << layout.templateId << ": error " << GetLastError();
    RECT size = {0, 0, layout.dialogUnits.cx, layout.dialogUnits.cy};
    MapDialogRect(dialog, &size);
    RECT client = {};
    GetClientRect(dialog, &client);
    EXPECT_EQ(size.right, client.right) << layout.templateId;
    EXPECT_EQ(size.bottom, client.bottom) << layout.templateId;

    for (const Placed& placed : layout.controls) {
        HWND control = GetDlgItem(dialog, placed.id);
        ASSERT_NE(nullptr, control) << layout.templateId << " has no control " << placed.id;
        EXPECT_TRUE(IsKind(control, placed.kind)) << layout.templateId << "/" << placed.id;
        // The dialog manager converts the position and the size each on its own.
        RECT expected = placed.dialogUnits;
        MapDialogRect(dialog, &expected);
        expected.right += expected.left;
        expected.bottom += expected.top;
        RECT actual = {};
        GetWindowRect(control, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(expected.left, actual.left) << layout.templateId << "/" << placed.id;
        EXPECT_EQ(expected.top, actual.top) << layout.templateId << "/" << placed.id;
        EXPECT_EQ(expected.right, actual.right) << layout.templateId << "/" << placed.id;
        // A drop-down list is as high as its field; the template gives the open list's height.
        if (placed.kind != Kind::List) {
            EXPECT_EQ(expected.bottom, actual.bottom) << layout.templateId << "/" << placed.id;
        }
        const bool shown = (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
        EXPECT_EQ(placed.shown, shown) << layout.templateId << "/" << placed.id;
    }
    DestroyWindow(dialog);
}

INSTANTIATE_TEST_SUITE_P(Templates, ScannerDialogTemplates,
                         testing::Values(kPresetPage, kPresetEdit, kCustomSettingsPage, kInfoPage, kLanguagePage),
                         [](const testing::TestParamInfo<Layout>& info) {
                             return "Template" + std::to_string(info.param.templateId);
                         });

TEST(ScannerDialogTemplates, PagesAreChildDialogsAndTheEditorAPopup) {
    for (int id : {IDD_PRESET_PAGE, IDD_CUSTOM_SETTINGS_PAGE, IDD_INFO_PAGE, IDD_LANGUAGE_PAGE, IDD_PRESET_EDIT}) {
        HRSRC found = FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
        ASSERT_NE(nullptr, found) << id;
        const auto* header = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(nullptr, found)));
        ASSERT_NE(nullptr, header);
        const bool child = (header->style & WS_CHILD) != 0;
        EXPECT_EQ(id != IDD_PRESET_EDIT, child) << id;
        EXPECT_NE(0u, header->style & WS_CAPTION) << id;
    }
}

}  // namespace
