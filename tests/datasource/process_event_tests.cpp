// DAT_EVENT MSG_PROCESSEVENT: ordinary messages are left to the application;
// the source's own notification goes to the application through the manager.
#include "support/temp_folder.h"
#include "tests/datasource/enabled_source.h"

namespace {

// Makes the stand-in TWAIN_32.DLL of the tests the one LoadLibrary finds and
// names the file its DSM_Entry writes to.
class FakeManager {
public:
    explicit FakeManager(const std::string& logPath) : logPath_(logPath) {
        SetDllDirectoryA((ProgramFolder() + "fake_manager").c_str());
        SetEnvironmentVariableA("TAVIX_FAKE_MANAGER_LOG", logPath_.c_str());
    }
    ~FakeManager() {
        SetEnvironmentVariableA("TAVIX_FAKE_MANAGER_LOG", nullptr);
        SetDllDirectoryA(nullptr);
    }
    FakeManager(const FakeManager&) = delete;
    FakeManager& operator=(const FakeManager&) = delete;

    std::string Calls() const { return ReadWholeFile(logPath_); }
    // Whether "TWAIN_32.DLL" now loads the stand-in. Wine prefers its own
    // manager unless told otherwise (WINEDLLOVERRIDES=twain_32=n,b).
    static bool FoundFirst() {
        HMODULE module = LoadLibraryA("TWAIN_32.DLL");
        if (!module) return false;
        const bool fake = GetProcAddress(module, "TavixFakeManager") != nullptr;
        FreeLibrary(module);
        return fake;
    }

private:
    std::string logPath_;
};

class ProcessEvent : public EnabledSource {
protected:
    TW_UINT16 Process(MSG* message, TW_UINT16& twMessage) {
        TW_EVENT event{message, 0x1234};
        const TW_UINT16 rc = Call(DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event);
        twMessage = event.TWMessage;
        return rc;
    }
};

TEST_F(ProcessEvent, OrdinaryMessagesAreNotTheSources) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    MSG message{window_.Handle(), WM_PAINT, 0, 0, 0, {0, 0}};
    TW_UINT16 twMessage = 0;
    EXPECT_EQ(TWRC_NOTDSEVENT, Process(&message, twMessage));
    EXPECT_EQ(MSG_NULL, twMessage);
    message.message = WM_LBUTTONDOWN;
    message.wParam = MSG_XFERREADY;
    EXPECT_EQ(TWRC_NOTDSEVENT, Process(&message, twMessage));
    EXPECT_EQ(MSG_NULL, twMessage);
}

TEST_F(ProcessEvent, EventWithoutMessageIsNotTheSources) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    TW_UINT16 twMessage = 0;
    EXPECT_EQ(TWRC_NOTDSEVENT, Process(nullptr, twMessage));
    EXPECT_EQ(MSG_NULL, twMessage);
}

TEST_F(ProcessEvent, WorksInEveryStateEvenBeforeOpening) {
    MSG message{window_.Handle(), WM_TIMER, 0, 0, 0, {0, 0}};
    TW_UINT16 twMessage = 0;
    EXPECT_EQ(TWRC_NOTDSEVENT, Process(&message, twMessage));
    EXPECT_EQ(MSG_NULL, twMessage);
}

TEST_F(ProcessEvent, RegisteredMessageIsNotTheSourcesBeforeItPostedAnything) {
    TempFolder logFolder("dsm");
    FakeManager manager(logFolder.File("calls.txt"));
    ASSERT_TRUE(FakeManager::FoundFirst()) << "run with WINEDLLOVERRIDES=twain_32=n,b";
    ASSERT_EQ(TWRC_SUCCESS, Open());
    MSG message{window_.Handle(), RegisterWindowMessageA("Tavix Scanner_TWAIN"), MSG_XFERREADY, 0, 0, {0, 0}};
    TW_UINT16 twMessage = 0;
    EXPECT_EQ(TWRC_NOTDSEVENT, Process(&message, twMessage));
    EXPECT_EQ("", manager.Calls());
}

TEST_F(ProcessEvent, NotificationsReachTheApplicationThroughTheManager) {
    TempFolder logFolder("dsm");
    FakeManager manager(logFolder.File("calls.txt"));
    ASSERT_TRUE(FakeManager::FoundFirst()) << "run with WINEDLLOVERRIDES=twain_32=n,b";
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());

    MSG message{};
    ASSERT_TRUE(window_.NextQueuedNotification(message));
    TW_UINT16 twMessage = 0;
    EXPECT_EQ(TWRC_DSEVENT, Process(&message, twMessage));
    // The code goes through the manager, never into the event.
    EXPECT_EQ(MSG_NULL, twMessage);
    EXPECT_EQ("origin=7:Tavix Scanner dest=1:Test Application dg=1 dat=0 msg=0x0101 data=null\n",
              manager.Calls());

    TW_PENDINGXFERS pending{};
    ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending));
    ASSERT_TRUE(window_.NextQueuedNotification(message));
    EXPECT_EQ(TWRC_DSEVENT, Process(&message, twMessage));
    EXPECT_EQ(MSG_NULL, twMessage);
    EXPECT_EQ("origin=7:Tavix Scanner dest=1:Test Application dg=1 dat=0 msg=0x0101 data=null\n"
              "origin=7:Tavix Scanner dest=1:Test Application dg=1 dat=0 msg=0x0102 data=null\n",
              manager.Calls());
}

}  // namespace
