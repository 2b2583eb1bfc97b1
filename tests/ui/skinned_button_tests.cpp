// The round picture buttons and the tooltip button on a dialog of their own,
// with a background colour of the test's choosing: sizes and regions, what
// the window shows in each state (read back from the window), tooltips, right
// clicks, and malformed pictures from a resource module of the tests.
#include "support/dialog_driver.h"
#include "support/png_file.h"
#include "ui_fixture.h"
#include "window_pixels.h"

#include "framework/dialog.h"
#include "framework/gdi_object.h"
#include "framework/handles.h"
#include "resources/artwork_ids.h"
#include "skinned_button_test_ids.h"
#include "ui/hover_button.h"
#include "ui/raw_image.h"
#include "ui/tooltip_button.h"

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kBackground = RGB(40, 120, 200);
constexpr LRESULT kNotifyAnswer = 42;

// A colour as the blend leaves it when the picture is fully transparent or
// fully opaque there: multiplied by 255/256.
COLORREF Scaled(uint8_t red, uint8_t green, uint8_t blue) {
    return RGB(red * 255 >> 8, green * 255 >> 8, blue * 255 >> 8);
}

class ButtonDialog : public CDialog {
public:
    explicit ButtonDialog(const CWnd* owner) : CDialog(IDD_SKINNED_BUTTONS, owner) {}

    std::function<void(ButtonDialog&)> onInit;
    CHoverButtonEx preset, lamp, bad, plain, keep;
    CToolTipButton tip;
    std::vector<NMHDR> notifications;

protected:
    bool OnInitDialog() override {
        preset.Bind(*this, IDC_TEST_PRESET);
        lamp.Bind(*this, IDC_TEST_LAMP);
        bad.Bind(*this, IDC_TEST_BAD);
        plain.Bind(*this, IDC_TEST_PLAIN);
        keep.Bind(*this, IDC_TEST_DEFAULT);
        tip.Bind(*this, IDC_TEST_TOOLTIP);
        if (onInit) onInit(*this);
        return true;
    }
    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
        if (message != WM_CTLCOLORDLG) return false;
        result = reinterpret_cast<LRESULT>(brush_.Get());
        return true;
    }
    bool OnNotify(const NMHDR& header, LRESULT& result) override {
        notifications.push_back(header);
        result = kNotifyAnswer;
        return true;
    }

private:
    GdiObject<HBRUSH> brush_{CreateSolidBrush(kBackground)};
};

// A RAW picture of this program (it carries the module's resources), scaled
// as a button scales it, not yet blended.
RawStrip ExpectedStrip(UINT id, float scale) {
    RawStrip strip;
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), "RAW");
    if (!found) return strip;
    RawImageInfo image;
    if (ParseRawImage(LockResource(LoadResource(module, found)), SizeofResource(module, found), &image))
        ScaleRawImage(image, scale, &strip);
    return strip;
}

// Compares what a button shows with frame `frame` of its picture, over the
// pixels: opaque ones well inside the ellipse must show the picture's colour,
// fully transparent ones the dialog's background.
struct FrameMatch {
    int opaque = 0, opaqueWrong = 0;
    int transparent = 0, transparentWrong = 0;
};

FrameMatch Match(const WindowPixels& shown, const RECT& button, const RawStrip& strip, int frame) {
    FrameMatch match;
    const int fw = strip.FrameWidth, fh = strip.Height;
    const auto* pixels = reinterpret_cast<const RawPixel*>(strip.Pixels.get());
    const COLORREF behind = Scaled(GetRValue(kBackground), GetGValue(kBackground), GetBValue(kBackground));
    for (int y = 0; y < fh; ++y) {
        for (int x = 0; x < fw; ++x) {
            const double ex = (x + 0.5 - fw / 2.0) / (fw / 2.0), ey = (y + 0.5 - fh / 2.0) / (fh / 2.0);
            const bool inside = ex * ex + ey * ey <= 0.8;
            const RawPixel& p = pixels[static_cast<size_t>(y) * strip.TotalWidth + frame * fw + x];
            const COLORREF seen = shown.At(button.left + x, button.top + y);
            if (p.Alpha == 255 && inside) {
                ++match.opaque;
                if (seen != Scaled(p.Red, p.Green, p.Blue)) ++match.opaqueWrong;
            } else if (p.Alpha == 0) {
                // Outside the window's region the dialog itself shows.
                ++match.transparent;
                if (seen != behind && seen != kBackground) ++match.transparentWrong;
            }
        }
    }
    return match;
}

class SkinnedButtonTest : public UiTest {
protected:
    void TearDown() override {
        dialog_.reset();
        app_.SetModuleHandle(nullptr);
        UiTest::TearDown();
    }

    ButtonDialog& Open(std::function<void(ButtonDialog&)> onInit = nullptr) {
        dialog_ = std::make_unique<ButtonDialog>(&Owner());
        dialog_->onInit = std::move(onInit);
        EXPECT_TRUE(dialog_->Create());
        SettleWindows();
        return *dialog_;
    }
    HWND Dialog() const { return dialog_->GetSafeHwnd(); }
    HWND Item(int id) const { return GetDlgItem(Dialog(), id); }
    RECT Rect(int id) const { return RectInDialog(Dialog(), Item(id)); }
    // Repaints the button and reads the dialog back.
    WindowPixels Shown(int id) const {
        InvalidateRect(Item(id), nullptr, TRUE);
        SettleWindows();
        return WindowPixels(Dialog());
    }
    static LONG ButtonType(HWND button) { return GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK; }

    std::unique_ptr<ButtonDialog> dialog_;
};

TEST_F(SkinnedButtonTest, LoadFromRaw_SizesTheWindowToOneFrameOfEachPicture) {
    struct Case {
        UINT id;
        int frameWidth, height, frames;
    };
    const Case cases[] = {{IDR_PRESET_REPEAT, 84, 82, 3}, {IDR_PRESET_FAX, 90, 94, 3},
                          {IDR_PRESET_MAIL, 96, 98, 3},   {IDR_PRESET_OCR, 82, 92, 3},
                          {IDR_PRESET_CUSTOM, 86, 86, 3}, {IDR_LANGUAGE_LAMP, 35, 36, 4}};
    ButtonDialog& dialog = Open();
    const RECT before = Rect(IDC_TEST_PRESET);
    for (const Case& c : cases) {
        ASSERT_TRUE(dialog.preset.LoadFromRaw(c.id, 1.0f)) << c.id;
        const RECT now = Rect(IDC_TEST_PRESET);
        EXPECT_EQ(c.frameWidth, now.right - now.left) << c.id;
        EXPECT_EQ(c.height, now.bottom - now.top) << c.id;
        EXPECT_EQ(before.left, now.left) << c.id;
        EXPECT_EQ(before.top, now.top) << c.id;
        EXPECT_EQ(c.frames, dialog.preset.FrameCount()) << c.id;
    }
}

TEST_F(SkinnedButtonTest, LoadFromRaw_AtHalfScaleClipsTheButtonToTheEllipseOfAFrame) {
    ButtonDialog& dialog = Open();
    ASSERT_TRUE(dialog.preset.LoadFromRaw(IDR_PRESET_REPEAT, 0.5f));
    EXPECT_EQ(42, dialog.preset.FrameWidth());
    EXPECT_EQ(41, dialog.preset.FrameHeight());
    EXPECT_EQ(3, dialog.preset.FrameCount());
    const RECT rect = Rect(IDC_TEST_PRESET);
    EXPECT_EQ(42, rect.right - rect.left);
    EXPECT_EQ(41, rect.bottom - rect.top);

    GdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_EQ(COMPLEXREGION, GetWindowRgn(Item(IDC_TEST_PRESET), region.Get()));
    RECT box = {};
    GetRgnBox(region.Get(), &box);
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(0, box.top);
    EXPECT_NEAR(42, box.right, 1);
    EXPECT_NEAR(41, box.bottom, 1);
    for (POINT corner : {POINT{0, 0}, POINT{41, 0}, POINT{0, 40}, POINT{41, 40}, POINT{5, 5}})
        EXPECT_FALSE(PtInRegion(region.Get(), corner.x, corner.y)) << corner.x << "," << corner.y;
    for (POINT edge : {POINT{21, 20}, POINT{21, 1}, POINT{1, 20}, POINT{40, 20}, POINT{21, 39}})
        EXPECT_TRUE(PtInRegion(region.Get(), edge.x, edge.y)) << edge.x << "," << edge.y;
}

TEST_F(SkinnedButtonTest, LoadFromRaw_MakesAPushButtonOwnerDrawnButKeepsADefaultButton) {
    ButtonDialog& dialog = Open();
    ASSERT_EQ(BS_PUSHBUTTON, ButtonType(Item(IDC_TEST_PLAIN)));
    ASSERT_TRUE(dialog.plain.LoadFromRaw(IDR_PRESET_FAX, 0.5f));
    EXPECT_EQ(BS_OWNERDRAW, ButtonType(Item(IDC_TEST_PLAIN)));
    // A type with any of the owner-draw bits is left alone.
    ASSERT_TRUE(dialog.keep.LoadFromRaw(IDR_PRESET_FAX, 0.5f));
    EXPECT_EQ(BS_DEFPUSHBUTTON, ButtonType(Item(IDC_TEST_DEFAULT)));
}

TEST_F(SkinnedButtonTest, Drawing_ShowsTheBackgroundThroughTransparentPixelsAndAroundTheEllipse) {
    Open([](ButtonDialog& d) { d.preset.LoadFromRaw(IDR_PRESET_REPEAT, 1.0f); });
    const RawStrip strip = ExpectedStrip(IDR_PRESET_REPEAT, 1.0f);
    ASSERT_TRUE(strip.Pixels);
    const WindowPixels shown = Shown(IDC_TEST_PRESET);
    ASSERT_TRUE(shown.Valid());
    const RECT button = Rect(IDC_TEST_PRESET);
    // The corners are transparent: the dialog's colour shows there.
    const COLORREF behind = Scaled(GetRValue(kBackground), GetGValue(kBackground), GetBValue(kBackground));
    for (COLORREF corner : {shown.At(button.left, button.top), shown.At(button.right - 1, button.bottom - 1)})
        EXPECT_TRUE(corner == kBackground || corner == behind) << std::hex << corner;
    const FrameMatch match = Match(shown, button, strip, 0);
    EXPECT_GT(match.opaque, 500);
    EXPECT_EQ(0, match.opaqueWrong);
    EXPECT_GT(match.transparent, 0);
    EXPECT_EQ(0, match.transparentWrong);
}

TEST_F(SkinnedButtonTest, Drawing_PressedButtonShowsThePressedFrame) {
    Open([](ButtonDialog& d) { d.preset.LoadFromRaw(IDR_PRESET_MAIL, 1.0f); });
    const RawStrip strip = ExpectedStrip(IDR_PRESET_MAIL, 1.0f);
    const FrameMatch normal = Match(Shown(IDC_TEST_PRESET), Rect(IDC_TEST_PRESET), strip, 1);
    SendMessageA(Item(IDC_TEST_PRESET), BM_SETSTATE, TRUE, 0);
    const WindowPixels pressed = Shown(IDC_TEST_PRESET);
    const FrameMatch asPressed = Match(pressed, Rect(IDC_TEST_PRESET), strip, 1);
    EXPECT_GT(asPressed.opaque, 500);
    EXPECT_EQ(0, asPressed.opaqueWrong);
    // The normal look is not the pressed one.
    EXPECT_GT(normal.opaqueWrong, normal.opaque / 4);
    SendMessageA(Item(IDC_TEST_PRESET), BM_SETSTATE, FALSE, 0);
    EXPECT_EQ(0, Match(Shown(IDC_TEST_PRESET), Rect(IDC_TEST_PRESET), strip, 0).opaqueWrong);
}

TEST_F(SkinnedButtonTest, Hover_ShowsTheHoverFrameUntilTheMouseLeaves) {
    ButtonDialog& dialog = Open([](ButtonDialog& d) {
        d.preset.LoadFromRaw(IDR_PRESET_OCR, 1.0f);
        d.lamp.LoadFromRaw(IDR_LANGUAGE_LAMP, 1.0f);
    });
    const RawStrip strip = ExpectedStrip(IDR_PRESET_OCR, 1.0f);
    HWND button = Item(IDC_TEST_PRESET);
    EXPECT_GT(Match(Shown(IDC_TEST_PRESET), Rect(IDC_TEST_PRESET), strip, 0).opaque, 500);

    EXPECT_EQ(0, SendMessageA(button, WM_MOUSEHOVER, 0, MAKELPARAM(10, 10)));
    EXPECT_TRUE(dialog.preset.IsHovering());
    SettleWindows();
    const WindowPixels hovered(Dialog());
    const FrameMatch asHover = Match(hovered, Rect(IDC_TEST_PRESET), strip, 2);
    EXPECT_GT(asHover.opaque, 500);
    EXPECT_EQ(0, asHover.opaqueWrong);
    EXPECT_GT(Match(hovered, Rect(IDC_TEST_PRESET), strip, 0).opaqueWrong, 0);
    SaveWindowPng(Dialog(), ScreenshotPath("skinned-buttons-hover.png"));

    EXPECT_EQ(0, SendMessageA(button, WM_MOUSELEAVE, 0, 0));
    EXPECT_FALSE(dialog.preset.IsHovering());
    SettleWindows();
    EXPECT_EQ(0, Match(WindowPixels(Dialog()), Rect(IDC_TEST_PRESET), strip, 0).opaqueWrong);
}

TEST_F(SkinnedButtonTest, Disabled_FourFramesShowTheDisabledFrameThreeFramesTheNormalOne) {
    Open([](ButtonDialog& d) {
        d.preset.LoadFromRaw(IDR_PRESET_CUSTOM, 1.0f);
        d.lamp.LoadFromRaw(IDR_LANGUAGE_LAMP, 1.0f);
    });
    const RawStrip lamp = ExpectedStrip(IDR_LANGUAGE_LAMP, 1.0f);
    const RawStrip preset = ExpectedStrip(IDR_PRESET_CUSTOM, 1.0f);
    EnableWindow(Item(IDC_TEST_LAMP), FALSE);
    EnableWindow(Item(IDC_TEST_PRESET), FALSE);
    Shown(IDC_TEST_PRESET);
    const WindowPixels shown = Shown(IDC_TEST_LAMP);

    const FrameMatch lampDisabled = Match(shown, Rect(IDC_TEST_LAMP), lamp, 3);
    EXPECT_GT(lampDisabled.opaque, 100);
    EXPECT_EQ(0, lampDisabled.opaqueWrong);
    EXPECT_GT(Match(shown, Rect(IDC_TEST_LAMP), lamp, 0).opaqueWrong, 0);
    const FrameMatch presetDisabled = Match(shown, Rect(IDC_TEST_PRESET), preset, 0);
    EXPECT_GT(presetDisabled.opaque, 500);
    EXPECT_EQ(0, presetDisabled.opaqueWrong);
}

TEST_F(SkinnedButtonTest, Reload_BlendsTheNewPictureOntoTheBackgroundAgain) {
    ButtonDialog& dialog = Open([](ButtonDialog& d) { d.preset.LoadFromRaw(IDR_PRESET_REPEAT, 1.0f); });
    Shown(IDC_TEST_PRESET);
    ASSERT_TRUE(dialog.preset.LoadFromRaw(IDR_PRESET_FAX, 1.0f));
    // The old picture left the dialog's background uncovered where it was smaller.
    InvalidateRect(Dialog(), nullptr, TRUE);
    const FrameMatch match =
        Match(Shown(IDC_TEST_PRESET), Rect(IDC_TEST_PRESET), ExpectedStrip(IDR_PRESET_FAX, 1.0f), 0);
    EXPECT_GT(match.opaque, 500);
    EXPECT_EQ(0, match.opaqueWrong);
    EXPECT_GT(match.transparent, 0);
    EXPECT_EQ(0, match.transparentWrong);
}

TEST_F(SkinnedButtonTest, RightClick_NotifiesTheParentWithTheButtonsIdAndReturnsItsAnswer) {
    ButtonDialog& dialog = Open([](ButtonDialog& d) { d.lamp.LoadFromRaw(IDR_LANGUAGE_LAMP, 1.0f); });
    HWND lamp = Item(IDC_TEST_LAMP);
    EXPECT_EQ(kNotifyAnswer, SendMessageA(lamp, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5)));
    ASSERT_EQ(1u, dialog.notifications.size());
    EXPECT_EQ(static_cast<UINT>(NM_RCLICK), dialog.notifications[0].code);
    EXPECT_EQ(static_cast<UINT_PTR>(IDC_TEST_LAMP), dialog.notifications[0].idFrom);
    EXPECT_EQ(lamp, dialog.notifications[0].hwndFrom);
    SendMessageA(lamp, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(6, 6));
    EXPECT_EQ(2u, dialog.notifications.size());
}

void ExpectTooltipSettings(HWND tooltip) {
    EXPECT_EQ(200, SendMessageA(tooltip, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
    EXPECT_EQ(8000, SendMessageA(tooltip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));
    EXPECT_EQ(120, SendMessageA(tooltip, TTM_GETMAXTIPWIDTH, 0, 0));
    EXPECT_EQ(1, SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0));
}

TEST_F(SkinnedButtonTest, Tooltip_MadeOnHoverHasOneToolWithTheTextAndTheDelaysAndWidth) {
    ButtonDialog& dialog = Open([](ButtonDialog& d) { d.preset.LoadFromRaw(IDR_PRESET_REPEAT, 1.0f); });
    HWND button = Item(IDC_TEST_PRESET);
    dialog.preset.SetTooltipText("", true);
    EXPECT_EQ(nullptr, dialog.preset.TooltipHwnd());

    // The window is made when the mouse rests on the button.
    dialog.preset.SetTooltipText("300 dpi, Black/White, Letter.", true);
    EXPECT_EQ(nullptr, dialog.preset.TooltipHwnd());
    SendMessageA(button, WM_MOUSEHOVER, 0, MAKELPARAM(20, 20));
    HWND tooltip = dialog.preset.TooltipHwnd();
    ASSERT_NE(nullptr, tooltip);
    ExpectTooltipSettings(tooltip);
    EXPECT_EQ("300 dpi, Black/White, Letter.", ToolText(tooltip, button));

    dialog.preset.SetTooltipText("200 dpi, Color.", true);
    EXPECT_EQ(tooltip, dialog.preset.TooltipHwnd());
    EXPECT_EQ(1, SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    EXPECT_EQ("200 dpi, Color.", ToolText(tooltip, button));
    dialog.preset.SetTooltipText("", true);
    EXPECT_EQ("200 dpi, Color.", dialog.preset.TooltipText());
}

TEST_F(SkinnedButtonTest, Hover_MakesTheTooltipAgainWithTheStoredText) {
    ButtonDialog& dialog = Open([](ButtonDialog& d) { d.preset.LoadFromRaw(IDR_PRESET_REPEAT, 1.0f); });
    dialog.preset.SetTooltipText("Repeat last scan: 300 dpi.", true);
    HWND button = Item(IDC_TEST_PRESET);
    SendMessageA(button, WM_MOUSEHOVER, 0, MAKELPARAM(20, 20));
    HWND tooltip = dialog.preset.TooltipHwnd();
    ASSERT_NE(nullptr, tooltip);
    EXPECT_TRUE(IsWindow(tooltip));
    ExpectTooltipSettings(tooltip);
    EXPECT_EQ("Repeat last scan: 300 dpi.", ToolText(tooltip, button));
    // The button's window takes its tooltip along.
    DestroyWindow(Dialog());
    EXPECT_FALSE(IsWindow(tooltip));
}

TEST_F(SkinnedButtonTest, ToolTipButton_IsDrawnByTheSystemAndShowsItsTooltip) {
    ButtonDialog& dialog = Open();
    HWND button = Item(IDC_TEST_TOOLTIP);
    dialog.tip.SetTooltipText("Please calibrate your scanner periodically", true);
    SendMessageA(button, WM_MOUSEHOVER, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(dialog.tip.IsHovering());
    HWND tooltip = dialog.tip.TooltipHwnd();
    ASSERT_NE(nullptr, tooltip);
    ExpectTooltipSettings(tooltip);
    EXPECT_EQ("Please calibrate your scanner periodically", ToolText(tooltip, button));
    SendMessageA(button, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
    SendMessageA(button, WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(dialog.notifications.empty());

    EXPECT_EQ(BS_PUSHBUTTON, ButtonType(button));
    EXPECT_EQ("Tip", WindowText(button));
    const RECT rect = Rect(IDC_TEST_TOOLTIP);
    const WindowPixels shown = Shown(IDC_TEST_TOOLTIP);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), shown.At(rect.left + 4, (rect.top + rect.bottom) / 2));
    SendMessageA(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(dialog.tip.IsHovering());
}

// Pictures from tavix_bad_raw.dll, loaded as a data file beside this program.
class MalformedRawTest : public SkinnedButtonTest {
protected:
    void SetUp() override {
        SkinnedButtonTest::SetUp();
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string file = path;
        file = file.substr(0, file.find_last_of('\\') + 1) + "tavix_bad_raw.dll";
        module_.Reset(LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        ASSERT_TRUE(module_) << file;
    }
    void TearDown() override {
        SkinnedButtonTest::TearDown();
        module_.Reset();
    }
    // LoadFromRaw with the test module as the resource module.
    bool LoadFromTestModule(CHoverButtonEx& button, UINT id, float scale = 1.0f) {
        app_.SetModuleHandle(reinterpret_cast<HINSTANCE>(module_.Get()));
        const bool loaded = button.LoadFromRaw(id, scale);
        app_.SetModuleHandle(nullptr);
        return loaded;
    }
    DWORD ResourceSize(UINT id) const {
        HRSRC found = FindResourceA(module_.Get(), MAKEINTRESOURCEA(id), "RAW");
        return found ? SizeofResource(module_.Get(), found) : 0;
    }

    ModuleHandle module_;
};

TEST_F(MalformedRawTest, TheResourcesAreWhatTheirNamesSay) {
    EXPECT_EQ(20u + 256, ResourceSize(IDR_TEST_VALID));
    EXPECT_EQ(20u + 1280, ResourceSize(IDR_TEST_FIVE_FRAMES));
    EXPECT_EQ(20u + 224, ResourceSize(IDR_TEST_TOO_NARROW));
    EXPECT_EQ(20u + 8 * 801 * 4, ResourceSize(IDR_TEST_TOO_TALL));
    EXPECT_EQ(20u + 255, ResourceSize(IDR_TEST_SHORT_BODY));
    EXPECT_EQ(20u, ResourceSize(IDR_TEST_HEADER_ONLY));
    EXPECT_EQ(140u * 36 * 4 + 20 - 1, ResourceSize(IDR_TEST_SHORT_LAMP));
}

TEST_F(MalformedRawTest, LoadFromRaw_RefusesThemAndLeavesTheButtonAsItWas) {
    ButtonDialog& dialog = Open();
    HWND button = Item(IDC_TEST_BAD);
    const RECT before = Rect(IDC_TEST_BAD);
    for (UINT id : {IDR_TEST_BAD_HEADER, IDR_TEST_FIVE_FRAMES, IDR_TEST_TOO_NARROW, IDR_TEST_TOO_TALL,
                    IDR_TEST_SHORT_BODY, IDR_TEST_HEADER_ONLY, IDR_TEST_SHORT_LAMP, IDR_TEST_MISSING}) {
        EXPECT_FALSE(LoadFromTestModule(dialog.bad, id)) << id;
        EXPECT_FALSE(dialog.bad.HasImage()) << id;
        const RECT now = Rect(IDC_TEST_BAD);
        EXPECT_EQ(before.right - before.left, now.right - now.left) << id;
        EXPECT_EQ(before.bottom - before.top, now.bottom - now.top) << id;
        GdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
        EXPECT_EQ(ERROR, GetWindowRgn(button, region.Get())) << id;
    }
    // The module is read: its well-formed picture loads.
    EXPECT_TRUE(LoadFromTestModule(dialog.lamp, IDR_TEST_VALID));
    EXPECT_EQ(8, dialog.lamp.FrameWidth());
}

TEST_F(MalformedRawTest, WithoutAPictureTheButtonShowsAsAPushButtonWithItsText) {
    ButtonDialog* opened = nullptr;
    Open([&](ButtonDialog& d) {
        opened = &d;
        EXPECT_FALSE(LoadFromTestModule(d.bad, IDR_TEST_SHORT_LAMP));
    });
    ASSERT_NE(nullptr, opened);
    HWND button = Item(IDC_TEST_BAD);
    const WindowPixels shown = Shown(IDC_TEST_BAD);
    EXPECT_EQ(BS_PUSHBUTTON, ButtonType(button));
    EXPECT_EQ("Bad", WindowText(button));
    const RECT rect = Rect(IDC_TEST_BAD);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), shown.At(rect.left + 4, (rect.top + rect.bottom) / 2));
    // Its text is drawn: some pixel of the middle row is neither face nor background.
    int textPixels = 0;
    for (int x = rect.left + 2; x < rect.right - 2; ++x) {
        const COLORREF c = shown.At(x, (rect.top + rect.bottom) / 2);
        if (c != GetSysColor(COLOR_BTNFACE) && c != kBackground) ++textPixels;
    }
    EXPECT_GT(textPixels, 0);
}

}  // namespace
