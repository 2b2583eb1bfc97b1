#include "custom_page_fixture.h"

#include "engine/bitmap_file.h"
#include "engine/measure_unit.h"
#include "engine/pixel_rows.h"
#include "page_host.h"
#include "resources/custom_settings_page_ids.h"
#include "localization/language.h"
#include "localization/text_table.h"
#include "support/temp_folder.h"
#include "ui/preview_window.h"

#include <commctrl.h>

#include <cstring>

namespace {

void RemovePreviewFiles(const std::string& previewPath) {
    SetFileAttributesA(previewPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(previewPath.c_str());
}

}  // namespace

ScanSettings DefaultTestSettings() {
    ScanSettings settings = {};
    settings.ScanMode = kScanModeColor;
    settings.DPI = 300;
    settings.Gamma = 18;
    settings.Highlight = 255;
    settings.Bottom = 1100;
    settings.Right = 850;
    return settings;
}

void CustomPageTest::SetUp() {
    UiTest::SetUp();
    units_.Set(1);
    settings_ = DefaultTestSettings();
    // The data source's help file lies beside it: the page asks its drive.
    helpPath_ = folder_.File("TAVIXSRC.HLP");
    app_.SetHelpFilePath(helpPath_.c_str());
    RemovePreviewFiles(PreviewPath());
    for (const std::string& file : LeftoverPreviewTemporaries()) DeleteFileA(file.c_str());
}

void CustomPageTest::TearDown() {
    RemovePreviewFiles(PreviewPath());
    for (const std::string& file : LeftoverPreviewTemporaries()) DeleteFileA(file.c_str());
    app_.SetHelpFilePath(nullptr);
    UiTest::TearDown();
}

void CustomPageTest::RunPage(const std::function<void(CustomSettingsPage&, HWND)>& script,
                             int32_t uiMode) {
    context_.UiMode = uiMode;
    std::string title;
    LoadText(GetLanguage(), texts::CustomSettings, title);
    CustomSettingsPage page(context_, title);
    PageHost host(OwnerHwnd());
    const INT_PTR ended = host.Run(page, [&](HWND hwnd) {
        script(page, hwnd);
        return true;
    });
    EXPECT_EQ(PageHost::kEndedByScript, ended);
}

std::string CustomPageTest::PreviewPath() const { return PreviewFilePath(); }

std::vector<std::string> CustomPageTest::LeftoverPreviewTemporaries() const {
    const std::string path = PreviewPath();
    const std::string folder = path.substr(0, path.find_last_of('\\') + 1);
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "PRV*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        files.push_back(folder + found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

void Click(HWND page, int id) { SendMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0); }

void SelectListItem(HWND page, int id, int index) {
    HWND list = GetDlgItem(page, id);
    SendMessageA(list, CB_SETCURSEL, index, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void MoveSlider(HWND page, int id, int position) {
    HWND slider = GetDlgItem(page, id);
    SendMessageA(slider, TBM_SETPOS, TRUE, position);
    SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                 reinterpret_cast<LPARAM>(slider));
}

int SliderPosition(HWND page, int id) {
    return static_cast<int>(SendMessageA(GetDlgItem(page, id), TBM_GETPOS, 0, 0));
}

int ListSelection(HWND page, int id) {
    return static_cast<int>(SendMessageA(GetDlgItem(page, id), CB_GETCURSEL, 0, 0));
}

std::string ListItem(HWND page, int id, int index) {
    char text[256] = {};
    HWND list = GetDlgItem(page, id);
    if (SendMessageA(list, CB_GETLBTEXTLEN, index, 0) >= static_cast<LRESULT>(sizeof text))
        return "<too long>";
    SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

int ListCount(HWND page, int id) {
    return static_cast<int>(SendMessageA(GetDlgItem(page, id), CB_GETCOUNT, 0, 0));
}

bool IsChecked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

std::string ItemText(HWND page, int id) { return WindowText(GetDlgItem(page, id)); }

HWND PreviewOf(HWND page) { return GetDlgItem(page, IDC_CUSTOM_PREVIEW_WINDOW); }

void Mouse(HWND preview, UINT message, int x, int y) {
    const WPARAM keys = message == WM_LBUTTONDOWN || message == WM_MOUSEMOVE ? MK_LBUTTON : 0;
    SendMessageA(preview, message, keys, MAKELPARAM(x, y));
}

void WriteColorBitmap(const std::string& path, int32_t width, int32_t height, int dpi,
                      const std::function<COLORREF(int32_t, int32_t)>& color) {
    ASSERT_EQ(kBitmapWritten, CreateBitmapFile(path.c_str(), 24, dpi, width, height)) << path;
    const int32_t stride = BytesPerLine(24, width);
    std::string rows;
    for (int32_t y = height - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(stride), '\0');
        for (int32_t x = 0; x < width; ++x) {
            const COLORREF c = color(x, y);
            row[size_t(x) * 3] = static_cast<char>(GetBValue(c));
            row[size_t(x) * 3 + 1] = static_cast<char>(GetGValue(c));
            row[size_t(x) * 3 + 2] = static_cast<char>(GetRValue(c));
        }
        rows += row;
    }
    // The rows take the place the file keeps for them after its headers.
    const std::string file = ReadWholeFile(path);
    ASSERT_EQ(BitmapHeaderBytes(24) + rows.size(), file.size());
    WriteWholeFile(path, file.substr(0, BitmapHeaderBytes(24)) + rows);
}
