#include "ui/language_page.h"

#include "framework/memory_dc.h"
#include "localization/language.h"
#include "resources/language_page_ids.h"
#include "resources/language_page_layout.h"

#include <iterator>

namespace {

constexpr UINT kRepaintMessage = WM_APP + 1;

// The page's command ids in the order of the selection they stand for (the
// column order of the text table); the ids past the five buttons have no
// controls.
constexpr int kIndexIds[] = {IDC_LANGUAGE_ENGLISH, IDC_LANGUAGE_FRENCH, IDC_LANGUAGE_SPANISH,
                             IDC_LANGUAGE_ITALIAN, IDC_LANGUAGE_GERMAN, 1075,
                             1076, 1077, IDC_LANGUAGE_LAST};
static_assert(std::size(kIndexIds) == IDC_LANGUAGE_LAST - IDC_LANGUAGE_ENGLISH + 1,
              "one index per command of the page");

constexpr float kFullSize = 1.0f;

static_assert(std::size(kLanguageLampSpots) == LanguageCount, "a spot in the picture for every language");

// The index of command `id`, or -1 for an id outside the page's range.
int IndexOf(int id) {
    for (int index = 0; index < static_cast<int>(std::size(kIndexIds)); ++index)
        if (kIndexIds[index] == id) return index;
    return -1;
}

// The picture control behind the buttons (the page's only bitmap static);
// null when the template has none.
HWND FindPicture(HWND page) {
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
        if (lstrcmpiA(className, "Static") == 0 && (style & SS_TYPEMASK) == SS_BITMAP) return child;
    }
    return nullptr;
}

}  // namespace

LanguagePage::LanguagePage(std::string title)
    : CPropertyPage(IDD_LANGUAGE_PAGE, std::move(title)) {}

bool LanguagePage::OnInitDialog() {
    for (int id = IDC_LANGUAGE_LAST; id >= IDC_LANGUAGE_ENGLISH; --id) {
        const int index = IndexOf(id);
        if (index < 0 || index >= LanguageCount || !Item(id)) continue;
        CHoverButtonEx& button = buttons_[index];
        if (button.Bind(*this, id)) button.LoadFromRaw(IDR_LANGUAGE_LAMP, kFullSize);
    }
    PlaceLampsOnPicture();
    // The language in use cannot be chosen again; its button shows its
    // disabled picture.
    const int current = GetLanguage() - LanguageEnglish;
    if (current >= 0 && current < LanguageCount) {
        if (HWND button = buttons_[current].GetSafeHwnd()) EnableWindow(button, FALSE);
    }
    return true;
}

void LanguagePage::PlaceLampsOnPicture() {
    // The names are drawn into the picture at fixed pixels, while the
    // template's button positions are dialog units that scale with the font;
    // the buttons go where the picture expects them, and their round lamps
    // are blended onto the picture's own pixels there (on the screen, the
    // buttons may be drawn before the picture behind them).
    HWND page = GetSafeHwnd();
    HWND picture = FindPicture(page);
    if (!picture) return;
    RECT shown = {};
    GetWindowRect(picture, &shown);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&shown), 2);
    const auto bitmap = reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    CMemoryDC pixels(nullptr);
    const bool readable = bitmap && pixels && pixels.Select(bitmap);
    for (int index = 0; index < LanguageCount; ++index) {
        HWND button = buttons_[index].GetSafeHwnd();
        if (!button) continue;
        const LanguageLampSpot& spot = kLanguageLampSpots[index];
        SetWindowPos(button, nullptr, shown.left + spot.left, shown.top + spot.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        if (readable) buttons_[index].BlendOnto(pixels.Get(), spot.left, spot.top);
    }
}

bool LanguagePage::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.code != PSN_SETACTIVE) return false;
    // Shown: the picture's first paint may come after the buttons' and
    // cover them, so everything is painted again, the buttons last.
    PostMessageA(GetSafeHwnd(), kRepaintMessage, 0, 0);
    result = 0;
    return true;
}

bool LanguagePage::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != kRepaintMessage) return false;
    RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (const CHoverButtonEx& button : buttons_)
        if (HWND hwnd = button.GetSafeHwnd()) RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    result = 0;
    return true;
}

bool LanguagePage::OnCommand(WORD id, WORD notifyCode, HWND control) {
    const int index = IndexOf(id);
    if (index < 0) return CPropertyPage::OnCommand(id, notifyCode, control);
    if (notifyCode != BN_CLICKED) return true;
    // The ids past the buttons name no language: the scanner dialog would
    // make 1210 + index the language, and no text exists for it.
    if (index >= LanguageCount) return true;
    selected_ = index;
    if (HWND sheet = SheetHwnd()) PostMessageA(sheet, WM_COMMAND, IDOK, 0);
    return true;
}

bool LanguagePage::PreTranslateMessage(MSG& message) {
    bool used = false;
    for (CHoverButtonEx& button : buttons_) used = button.PreTranslateMessage(message) || used;
    return used;
}
