// The preview on the Custom Settings page: drawing the frame with the mouse,
// the paper size menu's commands, zooming and scrolling a loaded preview,
// and what the off-screen picture shows.
#include "custom_page_fixture.h"

#include "engine/scan_sizes.h"
#include "localization/language.h"
#include "page_host.h"

#include <thread>
#include "resources/custom_settings_page_ids.h"
#include "ui/preview_geometry.h"
#include "ui/preview_window.h"
#include "ui/ruler.h"

namespace {

// The window point whose frame value (rounded as a drag rounds it) is `value`.
int PixelFor(int value, int canvas, int size) {
    for (int pixel = 0; pixel <= size; ++pixel)
        if ((int64_t(pixel) * canvas + size / 2) / size == value) return pixel;
    return -1;
}

void SetFrame(ScanSettings& settings, int top, int left, int bottom, int right) {
    settings.Top = static_cast<int16_t>(top);
    settings.Left = static_cast<int16_t>(left);
    settings.Bottom = static_cast<int16_t>(bottom);
    settings.Right = static_cast<int16_t>(right);
}

void ExpectFrame(const ScanSettings& settings, int top, int left, int bottom, int right) {
    EXPECT_EQ(top, settings.Top);
    EXPECT_EQ(left, settings.Left);
    EXPECT_EQ(bottom, settings.Bottom);
    EXPECT_EQ(right, settings.Right);
}

void Drag(HWND preview, POINT from, POINT to) {
    Mouse(preview, WM_LBUTTONDOWN, from.x, from.y);
    Mouse(preview, WM_MOUSEMOVE, (from.x + to.x) / 2, (from.y + to.y) / 2);
    Mouse(preview, WM_MOUSEMOVE, to.x, to.y);
    Mouse(preview, WM_LBUTTONUP, to.x, to.y);
}

// A Letter page at 75 dpi as the preview scan makes it (638 x 825): white
// with a red top-left quarter and a blue square at (400..500, 600..700).
COLORREF LetterPicture(int32_t x, int32_t y) {
    if (x < 319 && y < 412) return RGB(255, 0, 0);
    if (x >= 400 && x < 500 && y >= 600 && y < 700) return RGB(0, 0, 255);
    return RGB(255, 255, 255);
}

using PreviewWindowTest = CustomPageTest;

TEST_F(PreviewWindowTest, LiesOverItsFrameInRangeModeWithTheFrameAsTracker) {
    RunPage([&](CustomSettingsPage& page, HWND hwnd) {
        HWND preview = PreviewOf(hwnd);
        ASSERT_NE(nullptr, preview);
        EXPECT_EQ("pvfm", WindowText(preview));
        RECT frame, window;
        GetWindowRect(GetDlgItem(hwnd, IDC_CUSTOM_PREVIEW_FRAME), &frame);
        GetWindowRect(preview, &window);
        EXPECT_TRUE(EqualRect(&frame, &window));
        PreviewWindow& view = *page.Preview();
        EXPECT_EQ(kPreviewRangeMode, view.Mode());
        EXPECT_TRUE(IsChecked(hwnd, IDC_CUSTOM_RANGE_MODE));
        EXPECT_FALSE(IsChecked(hwnd, IDC_CUSTOM_ZOOM_MODE));
        EXPECT_FALSE(view.HasImage());
        RECT client;
        GetClientRect(preview, &client);
        EXPECT_EQ(client.right, view.View().width);
        EXPECT_EQ(client.bottom, view.View().height);
        const RECT tracker = view.TrackerRect();
        EXPECT_EQ(850 * client.right / 864, tracker.right);
        EXPECT_EQ(1100 * client.bottom / 1400, tracker.bottom);
        EXPECT_EQ("In", ItemText(hwnd, IDC_CUSTOM_UNIT));
    });
}

TEST_F(PreviewWindowTest, DragsInBothDirectionsGiveTheSameFrameAndSelectNoPaperSize) {
    SetFrame(settings_, 0, 0, 100, 100);
    ScanSettings forward = {};
    RunPage([&](CustomSettingsPage& page, HWND hwnd) {
        HWND preview = PreviewOf(hwnd);
        const PreviewView view = page.Preview()->View();
        const POINT a = {view.width / 2, view.height / 3}, b = {view.width - 10, view.height - 20};
        Drag(preview, a, b);
        forward = settings_;
        EXPECT_GT(forward.Right - forward.Left, 50);
        SetFrame(settings_, 0, 0, 100, 100);
        page.Preview()->Refresh(kRefreshAfterFrame);
        Drag(preview, b, a);
        ExpectFrame(settings_, forward.Top, forward.Left, forward.Bottom, forward.Right);
        EXPECT_EQ(0, ListSelection(hwnd, IDC_CUSTOM_SCAN_SIZE));
        // The tracker follows the new frame, and the labels show it.
        EXPECT_EQ(TrackerRectOf(settings_, view.width, view.height).left,
                  page.Preview()->TrackerRect().left);
        char width[64];
        snprintf(width, sizeof width, "Width: %.1f in", (settings_.Right - settings_.Left) / 100.0);
        EXPECT_EQ(width, ItemText(hwnd, IDC_CUSTOM_FRAME_WIDTH));
    });
}

TEST_F(PreviewWindowTest, AClickWithoutMovingKeepsTheOldFrameAndStillNotifies) {
    RunPage([&](CustomSettingsPage&, HWND hwnd) {
        HWND preview = PreviewOf(hwnd);
        ASSERT_EQ(1, ListSelection(hwnd, IDC_CUSTOM_SCAN_SIZE));  // Letter
        // The list no longer says Letter; only the notification puts it back.
        SendMessageA(GetDlgItem(hwnd, IDC_CUSTOM_SCAN_SIZE), CB_SETCURSEL, 0, 0);
        RECT client;
        GetClientRect(preview, &client);
        const int x = client.right - 3, y = client.bottom - 3;  // below and right of Letter
        Mouse(preview, WM_LBUTTONDOWN, x, y);
        Mouse(preview, WM_LBUTTONUP, x, y);
        ExpectFrame(settings_, 0, 0, 1100, 850);
        EXPECT_EQ(1, ListSelection(hwnd, IDC_CUSTOM_SCAN_SIZE));
    });
}

TEST_F(PreviewWindowTest, FramesStayOnTheCanvasWhereverTheMouseGoes) {
    SetFrame(settings_, 0, 0, 100, 100);
    RunPage([&](CustomSettingsPage&, HWND hwnd) {
        HWND preview = PreviewOf(hwnd);
        RECT client;
        GetClientRect(preview, &client);
        Mouse(preview, WM_LBUTTONDOWN, client.right / 2, client.bottom / 2);
        for (const POINT& distant : {POINT{-30000, -30000}, POINT{30000, 30000}, POINT{-1, 32000}}) {
            Mouse(preview, WM_MOUSEMOVE, distant.x, distant.y);
            EXPECT_GE(settings_.Left, 0);
            EXPECT_LE(settings_.Right, kCanvasWidth);
            EXPECT_GE(settings_.Top, 0);
            EXPECT_LE(settings_.Bottom, kCanvasHeight);
        }
        Mouse(preview, WM_LBUTTONUP, 30000, 30000);
        EXPECT_EQ(kCanvasWidth, settings_.Right);
        EXPECT_EQ(kCanvasHeight, settings_.Bottom);
    });
}

TEST_F(PreviewWindowTest, ADragEqualToAPaperSizeSelectsItAndATinyOneIsRefused) {
    SetFrame(settings_, 700, 500, 900, 800);
    RunPage([&](CustomSettingsPage& page, HWND hwnd) {
        HWND preview = PreviewOf(hwnd);
        // On the page a pixel is more than a hundredth of an inch, and few
        // frames lie on whole pixels; at 432 x 700 every second hundredth does.
        SetWindowPos(preview, nullptr, 0, 0, 432, 700, SWP_NOMOVE | SWP_NOZORDER);
        page.Preview()->SetGeometry();
        const PreviewView view = page.Preview()->View();
        ASSERT_EQ(432, view.width);
        ASSERT_EQ(700, view.height);
        int size = 0, right = -1, bottom = -1;
        for (int index = 1; index <= kScanSizeCount && size == 0; ++index) {
            right = PixelFor(ScanSizeTable[index - 1].Right, kCanvasWidth, view.width);
            bottom = PixelFor(ScanSizeTable[index - 1].Bottom, kCanvasHeight, view.height);
            if (right >= 0 && bottom >= 0) size = index;
        }
        ASSERT_NE(0, size) << "no paper size lies on whole pixels of a " << view.width << " x "
                           << view.height << " window";
        Drag(preview, {0, 0}, {right, bottom});
        const ScanSize paper = ScanSizeTable[size - 1];
        ExpectFrame(settings_, 0, 0, paper.Bottom, paper.Right);
        EXPECT_EQ(size, ListSelection(hwnd, IDC_CUSTOM_SCAN_SIZE));
        const ScanSize a5 = paper;

        // Under half an inch wide: the frame stays as it was.
        const int x = view.width - 40;
        Drag(preview, {x, view.height - 60}, {x + 5, view.height - 2});
        ExpectFrame(settings_, 0, 0, a5.Bottom, a5.Right);
    });
}

TEST_F(PreviewWindowTest, TheFrameMovesAndResizesByItsHandles) {
    SetFrame(settings_, 200, 200, 800, 600);
    RunPage([&](CustomSettingsPage& page, HWND hwnd) {
        HWND preview = PreviewOf(hwnd);
        PreviewWindow& window = *page.Preview();
        const RECT start = window.TrackerRect();
        const POINT middle = {(start.left + start.right) / 2, (start.top + start.bottom) / 2};
        // The tracker follows posted mouse messages until the button is released.
        PostMessageA(preview, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(middle.x + 20, middle.y + 30));
        PostMessageA(preview, WM_LBUTTONUP, 0, MAKELPARAM(middle.x + 20, middle.y + 30));
        Mouse(preview, WM_LBUTTONDOWN, middle.x, middle.y);
        const RECT moved = window.TrackerRect();
        // The frame is kept in hundredths: back in pixels it may lose one.
        EXPECT_NEAR(start.left + 20, moved.left, 1);
        EXPECT_NEAR(start.top + 30, moved.top, 1);
        EXPECT_NEAR(start.right - start.left, moved.right - moved.left, 1);
        EXPECT_NEAR(400, settings_.Right - settings_.Left, 4);
        EXPECT_EQ(window.TrackerRect().left,
                  TrackerRectOf(settings_, window.View().width, window.View().height).left);

        // The bottom-right handle widens the frame to the window's corner.
        const RECT before = window.TrackerRect();
        RECT client;
        GetClientRect(preview, &client);
        PostMessageA(preview, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.right, client.bottom));
        PostMessageA(preview, WM_LBUTTONUP, 0, MAKELPARAM(client.right, client.bottom));
        Mouse(preview, WM_LBUTTONDOWN, before.right - 2, before.bottom - 2);
        EXPECT_EQ(kCanvasWidth, settings_.Right);
        EXPECT_EQ(kCanvasHeight, settings_.Bottom);
        EXPECT_NEAR(window.TrackerRect().left, before.left, 1);

        // Shrunk under half an inch by the top-left handle: refused.
        const ScanSettings kept = settings_;
        const RECT now = window.TrackerRect();
        PostMessageA(preview, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(now.right - 3, now.bottom - 3));
        PostMessageA(preview, WM_LBUTTONUP, 0, MAKELPARAM(now.right - 3, now.bottom - 3));
        Mouse(preview, WM_LBUTTONDOWN, now.left + 2, now.top + 2);
        ExpectFrame(settings_, kept.Top, kept.Left, kept.Bottom, kept.Right);
    });
}

TEST_F(PreviewWindowTest, PaperSizeMenuCommandsSetTheFrameAndTheList) {
    SetFrame(settings_, 100, 100, 500, 500);
    RunPage([&](CustomSettingsPage&, HWND hwnd) {
        HWND preview = PreviewOf(hwnd);
        // Item 2 of the menu (id 1026) is scan size 3.
        SendMessageA(preview, WM_COMMAND, MAKEWPARAM(IDM_PREVIEW_PAPER_SIZE_FIRST + 2, 0), 0);
        ExpectFrame(settings_, 0, 0, ScanSizeTable[2].Bottom, ScanSizeTable[2].Right);
        EXPECT_EQ(3, ListSelection(hwnd, IDC_CUSTOM_SCAN_SIZE));
        // Ids outside the menu change nothing.
        SendMessageA(preview, WM_COMMAND, MAKEWPARAM(IDM_PREVIEW_PAPER_SIZE_LAST + 1, 0), 0);
        ExpectFrame(settings_, 0, 0, ScanSizeTable[2].Bottom, ScanSizeTable[2].Right);
    });
}

TEST_F(PreviewWindowTest, TheRightButtonsMenuListsThePaperSizesAndSetsTheChosenOne) {
    SetFrame(settings_, 100, 100, 500, 500);
    std::vector<std::string> items;
    RunPage([&](CustomSettingsPage&, HWND hwnd) {
        HWND preview = PreviewOf(hwnd);
        // The menu runs its own loop on this thread; a second thread reads
        // it and picks its second item with the keyboard.
        std::thread picker([&] {
            HWND menuWindow = nullptr;
            for (int wait = 0; wait < 300 && !(menuWindow && IsWindowVisible(menuWindow)); ++wait) {
                Sleep(10);
                menuWindow = FindWindowA("#32768", nullptr);
            }
            HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
            for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
                char text[128] = {};
                GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
                items.push_back(text);
            }
            // Down until the second item is highlighted, then Enter.
            for (int press = 0; menu && press < 20; ++press) {
                if (GetMenuState(menu, 1, MF_BYPOSITION) & MF_HILITE) break;
                PostMessageA(preview, WM_KEYDOWN, VK_DOWN, 0);
                Sleep(100);
            }
            PostMessageA(preview, WM_KEYDOWN, VK_RETURN, 0);
        });
        Mouse(preview, WM_RBUTTONDOWN, 20, 300);
        picker.join();
        DrainMessages();
        ExpectFrame(settings_, 0, 0, ScanSizeTable[1].Bottom, ScanSizeTable[1].Right);
        EXPECT_EQ(2, ListSelection(hwnd, IDC_CUSTOM_SCAN_SIZE));
    });
    ASSERT_EQ(static_cast<size_t>(kScanSizeCount), items.size());
    std::string letter;
    GetPaperSizeName(GetLanguage(), 0, letter);
    EXPECT_EQ(letter, items[0]);
}

TEST_F(PreviewWindowTest, WithoutAnImageNothingZooms) {
    RunPage([&](CustomSettingsPage& page, HWND hwnd) {
        HWND preview = PreviewOf(hwnd);
        Click(hwnd, IDC_CUSTOM_ZOOM_MODE);
        EXPECT_EQ(kPreviewZoomMode, page.Preview()->Mode());
        Mouse(preview, WM_LBUTTONDOWN, 40, 40);
        Mouse(preview, WM_LBUTTONDBLCLK, 40, 40);
        EXPECT_EQ(1, page.Preview()->View().zoom);
        int low = 1, high = 1;
        GetScrollRange(preview, SB_HORZ, &low, &high);
        EXPECT_EQ(low, high);
        // Zoom mode leaves the frame alone.
        ExpectFrame(settings_, 0, 0, 1100, 850);
    });
}

TEST_F(PreviewWindowTest, ALetterPreviewZoomsScrollsAndReturnsToTheTopLeftInRangeMode) {
    WriteColorBitmap(PreviewPath(), 638, 825, 75, LetterPicture);
    RunPage([&](CustomSettingsPage& page, HWND hwnd) {
        HWND preview = PreviewOf(hwnd);
        PreviewWindow& window = *page.Preview();
        ASSERT_TRUE(window.HasImage());
        EXPECT_EQ(75, window.ImageResolution());
        Click(hwnd, IDC_CUSTOM_ZOOM_MODE);
        Mouse(preview, WM_LBUTTONDOWN, 10, 10);
        EXPECT_EQ(2, window.View().zoom);
        int low = -1, high = -1;
        GetScrollRange(preview, SB_HORZ, &low, &high);
        EXPECT_EQ(0, low);
        EXPECT_EQ(16, high);
        GetScrollRange(preview, SB_VERT, &low, &high);
        EXPECT_EQ(16, high);

        // Scrolling: a page is 8 steps of a quarter inch at zoom 2.
        SendMessageA(preview, WM_HSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
        EXPECT_EQ(8 * 50 / 2, window.View().offsetX);
        EXPECT_EQ(8, GetScrollPos(preview, SB_HORZ));
        SendMessageA(preview, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 12), 0);
        EXPECT_EQ(0, window.View().offsetY);
        SendMessageA(preview, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 12), 0);
        EXPECT_EQ(12 * 50 / 2, window.View().offsetY);

        // A double click zooms two steps: the press and the double click.
        Mouse(preview, WM_LBUTTONDOWN, 10, 10);
        Mouse(preview, WM_LBUTTONDBLCLK, 10, 10);
        EXPECT_EQ(4, window.View().zoom);
        Mouse(preview, WM_LBUTTONDOWN, 10, 10);
        EXPECT_EQ(4, window.View().zoom);  // 4 is the most
        Mouse(preview, WM_RBUTTONDOWN, 10, 10);
        EXPECT_EQ(3, window.View().zoom);

        Click(hwnd, IDC_CUSTOM_RANGE_MODE);
        EXPECT_EQ(kPreviewRangeMode, window.Mode());
        EXPECT_EQ(1, window.View().zoom);
        EXPECT_EQ(0, window.View().offsetX);
        EXPECT_EQ(0, window.View().offsetY);
        GetScrollRange(preview, SB_HORZ, &low, &high);
        EXPECT_EQ(low, high);
    });
}

TEST_F(PreviewWindowTest, TheOffscreenPictureShowsThePreviewAndDraggingDoesNotRedrawIt) {
    WriteColorBitmap(PreviewPath(), 638, 825, 75, LetterPicture);
    RunPage([&](CustomSettingsPage& page, HWND hwnd) {
        HWND preview = PreviewOf(hwnd);
        PreviewWindow& window = *page.Preview();
        PaintNow(hwnd);
        HDC offscreen = window.OffscreenDC();
        ASSERT_NE(nullptr, offscreen);
        const PreviewView view = window.View();
        auto at = [&](double xInches, double yInches) {
            return GetPixel(offscreen, CanvasToWindowX(view, int(xInches * 100)),
                            CanvasToWindowY(view, int(yInches * 100)));
        };
        // The neutral ends of the tone curve keep pure colours.
        EXPECT_EQ(RGB(255, 0, 0), at(1.5, 2.0));
        EXPECT_EQ(RGB(0, 0, 255), at(6.0, 8.6));
        EXPECT_EQ(RGB(255, 255, 255), at(7.5, 3.0));
        // Beyond the image: the canvas colour (or a grid line).
        const COLORREF outside = at(4.0, 12.3);
        EXPECT_TRUE(outside == RGB(204, 204, 204) || outside == RGB(224, 224, 224));

        const int renders = window.RenderCount();
        SetFrame(settings_, 0, 0, 100, 100);
        window.Refresh(kRefreshAfterFrame);
        Drag(preview, {view.width / 2, view.height / 2}, {view.width - 5, view.height - 5});
        PaintNow(hwnd);
        EXPECT_EQ(renders, window.RenderCount());

        // Invert swaps the colours; black/white makes red black (its green is 0).
        Click(hwnd, IDC_CUSTOM_INVERT);
        EXPECT_EQ(renders + 1, window.RenderCount());
        EXPECT_EQ(RGB(0, 255, 255), at(1.5, 2.0));
        Click(hwnd, IDC_CUSTOM_BLACK_WHITE);
        EXPECT_EQ(RGB(255, 255, 255), at(1.5, 2.0));
        EXPECT_EQ(RGB(0, 0, 0), at(7.5, 3.0));
        Click(hwnd, IDC_CUSTOM_INVERT);
        EXPECT_EQ(RGB(0, 0, 0), at(1.5, 2.0));
        EXPECT_EQ(RGB(255, 255, 255), at(7.5, 3.0));
    });
}

}  // namespace
