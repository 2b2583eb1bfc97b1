// Notifications of the source that the application has not read yet when it
// disables, closes or enables the source again are taken out of its queue:
// a close request of an earlier page must never end a later one.
#include "tests/datasource/enabled_source.h"

namespace {

class StaleNotifications : public EnabledSource {
protected:
    void SetUp() override {
        EnabledSource::SetUp();
        Scanner("sheets=3\n");
    }
    // Enables, transfers the page natively and ends the transfers: the close
    // request is left queued, unread, as an application that disables the
    // source at once leaves it.
    void ScanWithoutReadingTheCloseRequest() {
        ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
        HGLOBAL dib = nullptr;
        ASSERT_EQ(TWRC_XFERDONE, Call(DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &dib));
        GlobalFree(dib);
        // The page's announcement has been read (the progress window's
        // message pump may have dispatched it already).
        ASSERT_EQ(std::vector<WPARAM>{MSG_XFERREADY}, Notifications());
        TW_PENDINGXFERS pending{};
        ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending));
        ASSERT_EQ(0, pending.Count);
    }
    TW_UINT16 Disable() { return Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui_); }
    void PostNotification(WPARAM code) {
        ASSERT_TRUE(PostMessageA(window_.Handle(), RegisterWindowMessageA("Tavix Scanner_TWAIN"), code, 0));
    }
    static bool Queued(HWND window, UINT message) {
        MSG found;
        return PeekMessageA(&found, window, message, message, PM_NOREMOVE) != FALSE;
    }
};

TEST_F(StaleNotifications, DisablingTakesTheUnreadCloseRequestOutOfTheQueue) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ScanWithoutReadingTheCloseRequest();
    ASSERT_EQ(TWRC_SUCCESS, Disable());
    EXPECT_TRUE(Notifications().empty());

    // The next page is announced and nothing else.
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    EXPECT_EQ(std::vector<WPARAM>{MSG_XFERREADY}, Notifications());
}

TEST_F(StaleNotifications, ClosingTakesThemOutOfTheQueue) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ScanWithoutReadingTheCloseRequest();
    ASSERT_EQ(TWRC_SUCCESS, Close());
    EXPECT_TRUE(Notifications().empty());

    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    EXPECT_EQ(std::vector<WPARAM>{MSG_XFERREADY}, Notifications());
}

TEST_F(StaleNotifications, EnablingTakesEarlierOnesOutBeforeAnnouncingThePage) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    // Registers the message in the source, as its first notification would.
    ScanWithoutReadingTheCloseRequest();
    ASSERT_EQ(TWRC_SUCCESS, Disable());
    PostNotification(MSG_CLOSEDSREQ);
    PostNotification(MSG_CLOSEDSOK);
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    EXPECT_EQ(std::vector<WPARAM>{MSG_XFERREADY}, Notifications());
}

TEST_F(StaleNotifications, OtherMessagesOfTheApplicationStayQueued) {
    constexpr UINT kOwnMessage = WM_APP + 17;
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ScanWithoutReadingTheCloseRequest();
    ASSERT_TRUE(PostMessageA(window_.Handle(), kOwnMessage, 1, 2));
    ASSERT_TRUE(PostThreadMessageA(GetCurrentThreadId(), kOwnMessage, 3, 4));
    ASSERT_EQ(TWRC_SUCCESS, Disable());
    EXPECT_TRUE(Queued(window_.Handle(), kOwnMessage));
    EXPECT_TRUE(Queued(reinterpret_cast<HWND>(-1), kOwnMessage));
    MSG message;
    while (PeekMessageA(&message, nullptr, kOwnMessage, kOwnMessage, PM_REMOVE)) {
    }
}

}  // namespace
