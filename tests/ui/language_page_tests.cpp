// The Language page run in a property sheet: the lamp buttons, the disabled
// button of the language in use, and a click that picks a language and
// confirms the sheet.
#include "dialog_template_font.h"
#include "page_host.h"
#include "support/png_file.h"
#include "ui_fixture.h"

#include "framework/gdi_object.h"
#include "resources/language_page_ids.h"
#include "ui/language_page.h"

#include <algorithm>
#include <map>
#include <vector>
#include <string>

namespace {

// The button ids by selection index (column order of the text table).
const int kButtonIds[] = {IDC_LANGUAGE_ENGLISH, IDC_LANGUAGE_FRENCH, IDC_LANGUAGE_SPANISH,
                          IDC_LANGUAGE_ITALIAN, IDC_LANGUAGE_GERMAN};

struct ButtonView {
    bool enabled = false;
    SIZE size = {};
    ScreenPixels shown;  // the button and a margin around it
};

constexpr int kMargin = 8;

// How far a colour is from a gray of its own brightness.
int Colourfulness(COLORREF colour) {
    const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
    return std::max({r, g, b}) - std::min({r, g, b});
}

// `pixels` enlarged `scale` times as a PNG file in the screenshots folder.
void SaveEnlarged(const ScreenPixels& pixels, int scale, const char* name) {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < pixels.height * scale; ++y)
        for (int x = 0; x < pixels.width * scale; ++x) {
            const COLORREF c = pixels.At(x / scale, y / scale);
            rgb.insert(rgb.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
        }
    WritePng(ScreenshotPath(name), pixels.width * scale, pixels.height * scale, rgb);
}

class LanguagePageTest : public UiTest {
protected:
    // Shows the page and reads its buttons; `act` (when given) then acts on
    // the page and the run goes on until the page ends it.
    INT_PTR Show(LanguagePage& page, std::map<int, ButtonView>& buttons,
                 const std::function<void(HWND)>& act = nullptr, const char* screenshot = nullptr) {
        PageHost host(OwnerHwnd());
        return host.Run(
            page,
            [&](HWND hwnd) {
                for (int id : kButtonIds) {
                    HWND button = GetDlgItem(hwnd, id);
                    RECT rect = {};
                    GetWindowRect(button, &rect);
                    buttons[id] = {button && IsWindowEnabled(button) != FALSE,
                                   {rect.right - rect.left, rect.bottom - rect.top},
                                   ReadScreen({rect.left - kMargin, rect.top - kMargin,
                                               rect.right + kMargin, rect.bottom + kMargin})};
                }
                if (screenshot) SaveWindowPng(host.GetSafeHwnd(), ScreenshotPath(screenshot));
                if (!act) return true;
                act(hwnd);
                return false;
            },
            5000);
    }

    // A left click in the middle of the button, as the mouse gives it.
    static void Click(HWND page, int id) {
        HWND button = GetDlgItem(page, id);
        RECT rect = {};
        GetClientRect(button, &rect);
        const LPARAM middle = MAKELPARAM(rect.right / 2, rect.bottom / 2);
        PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, middle);
        PostMessageA(button, WM_LBUTTONUP, 0, middle);
    }
};

// The rectangles of the language names the picture shows, found in its
// pixels: the dark letters on the light panel (rows 198 to 300) the buttons
// lie on, split into names where more than a letter's gap stays empty.
// Ordered by row, then from left to right.
std::vector<RECT> NamesInPicture() {
    GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(LoadImageA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_LANGUAGE_PAGE), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const ScreenPixels picture = ReadBitmap(bitmap.Get());
    if (picture.width == 0) return {};

    const int top = 198, bottom = std::min(300, picture.height);
    auto dark = [&](int x, int y) {
        const COLORREF p = picture.At(x, y);
        return GetRValue(p) + GetGValue(p) + GetBValue(p) < 3 * 150;
    };
    auto rowHasInk = [&](int y) {
        for (int x = 20; x < picture.width - 20; ++x)
            if (dark(x, y)) return true;
        return false;
    };
    std::vector<RECT> names;
    for (int y = top; y < bottom; ++y) {
        if (!rowHasInk(y)) continue;
        int end = y;
        while (end < bottom && rowHasInk(end)) ++end;
        // One band of text [y, end): names are the runs of inked columns.
        constexpr int kGap = 10;
        int left = -1, lastInk = -1;
        for (int x = 20; x <= picture.width - 20; ++x) {
            bool ink = false;
            for (int yy = y; yy < end && !ink && x < picture.width - 20; ++yy) ink = dark(x, yy);
            if (ink) {
                if (left < 0) left = x;
                lastInk = x;
            } else if (left >= 0 && x - lastInk > kGap) {
                names.push_back({left, y, lastInk + 1, end});
                left = -1;
            }
        }
        y = end;
    }
    return names;
}

bool Touch(const RECT& a, const RECT& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

// The window rectangle of `control` relative to the top-left of `origin`'s.
RECT RelativeTo(HWND origin, HWND control) {
    RECT base = {}, rect = {};
    GetWindowRect(origin, &base);
    GetWindowRect(control, &rect);
    OffsetRect(&rect, -base.left, -base.top);
    return rect;
}

TEST_F(LanguagePageTest, EachLampSitsBesideItsOwnNameWhateverTheDialogFont) {
    const std::vector<RECT> names = NamesInPicture();
    ASSERT_EQ(5u, names.size());
    // The picture's names by row: English, Español, Deutsch; Français, Italiano.
    const int nameOfButton[] = {IDC_LANGUAGE_ENGLISH, IDC_LANGUAGE_SPANISH, IDC_LANGUAGE_GERMAN,
                                IDC_LANGUAGE_FRENCH, IDC_LANGUAGE_ITALIAN};
    const struct {
        uint16_t points;
        const wchar_t* face;  // null: the template as it is
        int minWidth, maxWidth;  // of the dialog's average character
    } fonts[] = {{0, nullptr, 5, 8}, {6, L"Small Fonts", 0, 5}, {10, L"Courier New", 8, 99}};
    for (const auto& font : fonts) {
        std::vector<uint8_t> replaced;
        if (font.face) {
            replaced = TemplateWithFont(GetModuleHandleA(nullptr), IDD_LANGUAGE_PAGE, font.points, font.face);
            ASSERT_FALSE(replaced.empty());
        }
        for (LanguageId language : {LanguageEnglish, LanguageFrench, LanguageSpanish, LanguageItalian, LanguageGerman}) {
            UseLanguage(language);
            LanguagePage page("Language");
            PageHost host(OwnerHwnd());
            if (font.face) host.UseTemplate(replaced);
            const std::string where = std::string(font.face ? "font " : "template font") +
                                      (font.face ? std::string(font.face, font.face + wcslen(font.face)) : "") +
                                      ", language " + std::to_string(language);
            const INT_PTR result = host.Run(page, [&](HWND hwnd) {
                RECT units = {0, 0, 4, 8};
                MapDialogRect(hwnd, &units);
                EXPECT_GE(units.right, font.minWidth) << where;
                EXPECT_LE(units.right, font.maxWidth) << where;
                HWND picture = FindWindowExA(hwnd, nullptr, "Static", nullptr);
                EXPECT_TRUE(picture) << where;
                if (!picture) return true;
                for (size_t i = 0; i < names.size(); ++i) {
                    const RECT lamp = RelativeTo(picture, GetDlgItem(hwnd, nameOfButton[i]));
                    for (const RECT& name : names)
                        EXPECT_FALSE(Touch(lamp, name)) << where << ": button " << nameOfButton[i];
                    // Its own name starts a few pixels right of it, in its rows.
                    const RECT& own = names[i];
                    EXPECT_GE(own.left - lamp.right, 2) << where << ": button " << nameOfButton[i];
                    EXPECT_LE(own.left - lamp.right, 16) << where << ": button " << nameOfButton[i];
                    EXPECT_GE(own.top, lamp.top) << where << ": button " << nameOfButton[i];
                    EXPECT_LE(own.bottom, lamp.bottom) << where << ": button " << nameOfButton[i];
                }
                if (language == LanguageGerman && font.face)
                    SaveWindowPng(GetParent(hwnd), ScreenshotPath(std::string("language-page-font-") +
                                                                  std::to_string(units.right) + "px.png"));
                return true;
            });
            EXPECT_EQ(PageHost::kEndedByScript, result) << where;
        }
    }
}

TEST_F(LanguagePageTest, ButtonOfTheCurrentLanguageIsDisabledInEveryLanguage) {
    const LanguageId languages[] = {LanguageEnglish, LanguageFrench, LanguageSpanish,
                                    LanguageItalian, LanguageGerman};
    for (LanguageId language : languages) {
        UseLanguage(language);
        LanguagePage page("Language");
        std::map<int, ButtonView> buttons;
        ASSERT_EQ(PageHost::kEndedByScript, Show(page, buttons));
        for (int index = 0; index < 5; ++index) {
            EXPECT_EQ(index != language - LanguageEnglish, buttons[kButtonIds[index]].enabled)
                << "language " << language << ", button " << kButtonIds[index];
        }
        EXPECT_EQ(-1, page.SelectedIndex());
    }
}

TEST_F(LanguagePageTest, EveryButtonShowsTheRoundLamp) {
    LanguagePage page("Language");
    std::map<int, ButtonView> buttons;
    ASSERT_EQ(PageHost::kEndedByScript, Show(page, buttons));
    for (int index = 0; index < 5; ++index) {
        EXPECT_EQ(35, buttons[kButtonIds[index]].size.cx) << kButtonIds[index];
        EXPECT_EQ(36, buttons[kButtonIds[index]].size.cy) << kButtonIds[index];
        EXPECT_TRUE(page.LanguageButton(index).HasImage()) << index;
    }
}

TEST_F(LanguagePageTest, ClickOnFrenchSelectsItAndConfirmsTheSheet) {
    LanguagePage page("Language");
    std::map<int, ButtonView> buttons;
    const INT_PTR result =
        Show(page, buttons, [](HWND hwnd) { Click(hwnd, IDC_LANGUAGE_FRENCH); });
    EXPECT_EQ(PageHost::kEndedByOk, result);
    EXPECT_EQ(1, page.SelectedIndex());
}

TEST_F(LanguagePageTest, ClickOnGermanFromFrenchSelectsIndexFour) {
    UseLanguage(LanguageFrench);
    LanguagePage page("Langue");
    std::map<int, ButtonView> buttons;
    const INT_PTR result =
        Show(page, buttons, [](HWND hwnd) { Click(hwnd, IDC_LANGUAGE_GERMAN); });
    EXPECT_EQ(PageHost::kEndedByOk, result);
    EXPECT_EQ(4, page.SelectedIndex());
}

TEST_F(LanguagePageTest, CommandPastTheButtonsSelectsNothingAndKeepsTheSheetOpen) {
    LanguagePage page("Language");
    std::map<int, ButtonView> buttons;
    HWND pageWindow = nullptr;
    const INT_PTR result = Show(page, buttons, [&](HWND hwnd) {
        pageWindow = hwnd;
        PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(1076, BN_CLICKED), 0);
        PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_LAST, BN_CLICKED), 0);
        // Afterwards the sheet is closed from outside.
        PostMessageA(GetParent(hwnd), WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(PageHost::kEndedByCancel, result);
    EXPECT_EQ(-1, page.SelectedIndex());
}

TEST_F(LanguagePageTest, DisabledButtonShowsItsGrayLampTheOthersTheirColouredOnes) {
    const struct {
        LanguageId language;
        const char* page;
        const char* button;
    } cases[] = {
        {LanguageEnglish, "language-page-english.png", "language-button-disabled-english.png"},
        {LanguageGerman, "language-page-german.png", "language-button-disabled-german.png"},
    };
    for (const auto& c : cases) {
        UseLanguage(c.language);
        LanguagePage page("Language");
        std::map<int, ButtonView> buttons;
        ASSERT_EQ(PageHost::kEndedByScript, Show(page, buttons, nullptr, c.page));
        const int current = kButtonIds[c.language - LanguageEnglish];
        SaveEnlarged(buttons[current].shown, 4, c.button);
        for (int id : kButtonIds) {
            const ScreenPixels& shown = buttons[id].shown;
            ASSERT_GT(shown.width, 2 * kMargin) << id;
            const COLORREF middle = shown.At(shown.width / 2, shown.height / 2);
            if (id == current)
                EXPECT_LT(Colourfulness(middle), 24) << "disabled " << id << ": " << std::hex << middle;
            else
                EXPECT_GT(Colourfulness(middle), 48) << "enabled " << id << ": " << std::hex << middle;
        }
    }
}

}  // namespace
