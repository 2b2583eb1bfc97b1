// The property sheet with its own modal loop, its pages bound through their
// descriptions, owner-drawn controls drawn by their objects and subclassed
// controls, run as real windows.
#include "framework/owner_disabled.h"
#include "framework/owner_drawn.h"
#include "framework/property_sheet.h"
#include "framework/subclassed_window.h"
#include "tests/framework/test_pages_ids.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr UINT kStep = WM_APP + 1;

// A page that runs a test's steps: `onShown` once its window exists (posted,
// so that the sheet is complete by then), and whatever else is set.
class ScriptedPage : public CPropertyPage {
public:
    ScriptedPage(UINT templateId, std::string title) : CPropertyPage(templateId, std::move(title)) {}

    std::function<void(ScriptedPage&)> onShown;
    std::function<void(ScriptedPage&)> onTimer;
    std::vector<UINT> notifications;
    int initCount = 0;

protected:
    bool OnInitDialog() override {
        ++initCount;
        PostMessageA(GetSafeHwnd(), kStep, 0, 0);
        return true;
    }
    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT&) override {
        if (message != kStep) return false;
        if (onShown) onShown(*this);
        return true;
    }
    bool OnNotify(const NMHDR& header, LRESULT& result) override {
        notifications.push_back(header.code);
        result = 0;
        return header.code == PSN_SETACTIVE;
    }
    void OnTimer(UINT_PTR) override {
        if (onTimer) onTimer(*this);
    }
};

// A sheet that answers the pages' OK and Cancel as the scanner dialog does.
class TestSheet : public CPropertySheet {
public:
    using CPropertySheet::CPropertySheet;
    std::function<void(TestSheet&)> onInitialized;
    std::vector<UINT_PTR> timers;

protected:
    void OnInitialized() override {
        if (onInitialized) onInitialized(*this);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
            EndDialog(1000 + ActiveIndex());
            return 0;
        }
        if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
            EndDialog(-1);
            return 0;
        }
        if (message == WM_TIMER) timers.push_back(wParam);
        return CPropertySheet::WindowProc(message, wParam, lParam);
    }
};

class OwnerWindow {
public:
    OwnerWindow() {
        hwnd_ = CreateWindowExA(0, "STATIC", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~OwnerWindow() { DestroyWindow(hwnd_); }
    HWND Handle() const { return hwnd_; }

private:
    HWND hwnd_;
};

class DrawnButton : public COwnerDrawn {
public:
    void DrawItem(const DRAWITEMSTRUCT& item) override {
        ++draws;
        id = item.CtlID;
        FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    int draws = 0;
    UINT id = 0;
};

class PropertySheetRun : public testing::Test {
protected:
    OwnerWindow owner_;
    ScriptedPage first_{IDD_TEST_PAGE_A, "Presets"};
    ScriptedPage second_{IDD_TEST_PAGE_B, "Custom"};

    INT_PTR Run(TestSheet& sheet) {
        sheet.AddPage(&first_);
        sheet.AddPage(&second_);
        return sheet.DoModal();
    }
    static std::string TabText(HWND sheet, int index) {
        char text[64] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(PropSheet_GetTabControl(sheet), TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
        return text;
    }
};

TEST_F(PropertySheetRun, EndsWithAnyValueAndTakesItsWindowAlong) {
    TestSheet sheet("Tavix Scanner", owner_.Handle(), 0);
    HWND seen = nullptr;
    bool ownerEnabledDuringRun = true;
    std::string caption;
    first_.onShown = [&](ScriptedPage& page) {
        seen = page.SheetHwnd();
        ownerEnabledDuringRun = IsWindowEnabled(owner_.Handle()) != FALSE;
        char text[64] = {};
        GetWindowTextA(seen, text, sizeof text);
        caption = text;
        sheet.EndDialog(1213);
    };
    EXPECT_EQ(1213, Run(sheet));
    ASSERT_NE(nullptr, seen);
    EXPECT_FALSE(IsWindow(seen));
    EXPECT_FALSE(sheet.IsAttached());
    EXPECT_FALSE(ownerEnabledDuringRun);
    EXPECT_TRUE(IsWindowEnabled(owner_.Handle()));
    EXPECT_NE(std::string::npos, caption.find("Tavix Scanner"));
}

TEST_F(PropertySheetRun, OpensOnTheStartPageWithTheGivenTabTitles) {
    TestSheet sheet("Sheet", owner_.Handle(), 1);
    std::string tabs[2];
    int active = -1;
    second_.onShown = [&](ScriptedPage& page) {
        tabs[0] = TabText(page.SheetHwnd(), 0);
        tabs[1] = TabText(page.SheetHwnd(), 1);
        active = sheet.ActiveIndex();
        EXPECT_EQ(&second_, sheet.ActivePage());
        sheet.EndDialog(5);
    };
    EXPECT_EQ(5, Run(sheet));
    EXPECT_EQ(1, active);
    EXPECT_EQ("Presets", tabs[0]);
    EXPECT_EQ("Custom", tabs[1]);
    // Pages not shown get no window.
    EXPECT_EQ(0, first_.initCount);
    EXPECT_EQ(1, second_.initCount);
    EXPECT_NE(std::find(second_.notifications.begin(), second_.notifications.end(),
                        static_cast<UINT>(PSN_SETACTIVE)),
              second_.notifications.end());
}

TEST_F(PropertySheetRun, StartPageOutOfRangeOpensTheNearestPage) {
    TestSheet sheet("Sheet", owner_.Handle(), 7);
    second_.onShown = [&](ScriptedPage&) { sheet.EndDialog(sheet.ActiveIndex()); };
    EXPECT_EQ(1, Run(sheet));
}

TEST_F(PropertySheetRun, PageButtonsReachTheSheet) {
    TestSheet sheet("Sheet", owner_.Handle(), 1);
    second_.onShown = [](ScriptedPage& page) { SendMessageA(page.Item(IDOK), BM_CLICK, 0, 0); };
    EXPECT_EQ(1001, Run(sheet));

    TestSheet again("Sheet", owner_.Handle(), 0);
    ScriptedPage first{IDD_TEST_PAGE_A, "A"};
    first.onShown = [](ScriptedPage& page) { SendMessageA(page.Item(IDCANCEL), BM_CLICK, 0, 0); };
    again.AddPage(&first);
    EXPECT_EQ(-1, again.DoModal());
}

TEST_F(PropertySheetRun, EscapeInAPageCancelsTheSheet) {
    TestSheet sheet("Sheet", owner_.Handle(), 1);
    second_.onShown = [](ScriptedPage& page) {
        SetFocus(page.Item(IDOK));
        PostMessageA(page.Item(IDOK), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    };
    EXPECT_EQ(-1, Run(sheet));
}

TEST_F(PropertySheetRun, QuitMessageEndsTheRunAndIsPostedAgain) {
    TestSheet sheet("Sheet", owner_.Handle(), 0);
    first_.onShown = [](ScriptedPage&) { PostQuitMessage(7); };
    EXPECT_EQ(CPropertySheet::kNoResult, Run(sheet));
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, quit.wParam);
    EXPECT_TRUE(IsWindowEnabled(owner_.Handle()));
}

TEST_F(PropertySheetRun, SheetDestroyedFromOutsideEndsTheRun) {
    TestSheet sheet("Sheet", owner_.Handle(), 0);
    first_.onShown = [](ScriptedPage& page) { DestroyWindow(page.SheetHwnd()); };
    EXPECT_EQ(CPropertySheet::kNoResult, Run(sheet));
    EXPECT_TRUE(IsWindowEnabled(owner_.Handle()));
}

TEST_F(PropertySheetRun, SheetTimersStartedWhenItExistsReachItsProcedure) {
    TestSheet sheet("Sheet", owner_.Handle(), 0);
    sheet.onInitialized = [](TestSheet& self) { SetTimer(self.GetSafeHwnd(), 1, 20, nullptr); };
    first_.onShown = [&](ScriptedPage& page) { SetTimer(page.GetSafeHwnd(), 3, 200, nullptr); };
    first_.onTimer = [&](ScriptedPage&) { sheet.EndDialog(sheet.timers.size() >= 2 ? 77 : 78); };
    EXPECT_EQ(77, Run(sheet));
    for (UINT_PTR id : sheet.timers) EXPECT_EQ(1u, id);
}

TEST_F(PropertySheetRun, FailingHandlerLeavesTheRunGoing) {
    TestSheet sheet("Sheet", owner_.Handle(), 0);
    int timerCalls = 0;
    first_.onShown = [&](ScriptedPage& page) { SetTimer(page.GetSafeHwnd(), 4, 10, nullptr); };
    first_.onTimer = [&](ScriptedPage&) {
        if (++timerCalls == 1) throw std::runtime_error("handler failed");
        sheet.EndDialog(3);
    };
    EXPECT_EQ(3, Run(sheet));
    EXPECT_GE(timerCalls, 2);
}

TEST_F(PropertySheetRun, OwnerDrawnControlIsDrawnByItsObject) {
    TestSheet sheet("Sheet", owner_.Handle(), 0);
    DrawnButton drawn;
    first_.onShown = [&](ScriptedPage& page) {
        HWND button = page.Item(IDC_TEST_DRAWN);
        COwnerDrawn::Bind(button, &drawn);
        InvalidateRect(button, nullptr, TRUE);
        UpdateWindow(button);
        COwnerDrawn::Bind(button, nullptr);
        sheet.EndDialog(0);
    };
    EXPECT_EQ(0, Run(sheet));
    EXPECT_GE(drawn.draws, 1);
    EXPECT_EQ(static_cast<UINT>(IDC_TEST_DRAWN), drawn.id);
}

TEST_F(PropertySheetRun, NoPagesNoRun) {
    TestSheet sheet("Sheet", owner_.Handle(), 0);
    EXPECT_EQ(CPropertySheet::kNoResult, sheet.DoModal());
    EXPECT_TRUE(IsWindowEnabled(owner_.Handle()));
}

// A subclassed control: its object sees the messages first, and what it
// leaves goes on to the control's own procedure.
class RightClickCounter : public CSubclassedWindow {
public:
    int rightClicks = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_RBUTTONDOWN) {
            ++rightClicks;
            return 0;
        }
        return Default(message, wParam, lParam);
    }
};

TEST(SubclassedWindow, SeesMessagesFirstAndPassesTheRestOn) {
    HWND button = CreateWindowExA(0, "BUTTON", "before", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, button);
    {
        RightClickCounter counter;
        ASSERT_TRUE(counter.Subclass(button));
        EXPECT_FALSE(counter.Subclass(button));
        SendMessageA(button, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
        SendMessageA(button, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("after"));
        EXPECT_EQ(1, counter.rightClicks);
        char text[16] = {};
        GetWindowTextA(button, text, sizeof text);
        EXPECT_STREQ("after", text);
    }
    // Gone with its object: the control answers on its own again.
    SendMessageA(button, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("later"));
    char text[16] = {};
    GetWindowTextA(button, text, sizeof text);
    EXPECT_STREQ("later", text);
    DestroyWindow(button);
}

TEST(SubclassedWindow, WindowDestroyedFirstReleasesTheObject) {
    HWND button = CreateWindowExA(0, "BUTTON", "x", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    RightClickCounter counter;
    ASSERT_TRUE(counter.Subclass(button));
    DestroyWindow(button);
    EXPECT_FALSE(counter.IsAttached());
}

// A modal run or a scan gives the owner back as it found it: an application
// that had disabled its window itself does not see it enabled behind its back.
TEST(OwnerDisabled, GivesTheOwnerBackInItsEarlierState) {
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, owner);
    {
        OwnerDisabled disabled(owner);
        EXPECT_FALSE(IsWindowEnabled(owner));
    }
    EXPECT_TRUE(IsWindowEnabled(owner));
    EnableWindow(owner, FALSE);
    { OwnerDisabled disabled(owner); }
    EXPECT_FALSE(IsWindowEnabled(owner));
    { OwnerDisabled nothing(static_cast<HWND>(nullptr)); }
    DestroyWindow(owner);
    // A window destroyed meanwhile is left alone.
    { OwnerDisabled gone(owner); }
}

}  // namespace
