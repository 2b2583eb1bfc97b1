// DAT_EVENT MSG_PROCESSEVENT: ordinary messages are left to the application;
// the source's own notification goes to the application through the manager.
#include "framework/handles.h"
#include "framework/proc_address.h"
#include "support/temp_folder.h"
#include "tests/datasource/enabled_source.h"
#include "tools/twain_client/window_thread.h"

#include <cstring>

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

TEST_F(ProcessEvent, AnotherSourcesRegisteredMessageIsNotTheSources) {
    TempFolder logFolder("dsm");
    FakeManager manager(logFolder.File("calls.txt"));
    ASSERT_TRUE(FakeManager::FoundFirst()) << "run with WINEDLLOVERRIDES=twain_32=n,b";
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    MSG foreign{window_.Handle(), RegisterWindowMessageA("Other Scanner_TWAIN"), MSG_XFERREADY, 0, 0, {0, 0}};
    TW_UINT16 twMessage = 0;
    EXPECT_EQ(TWRC_NOTDSEVENT, Process(&foreign, twMessage));
    EXPECT_EQ(MSG_NULL, twMessage);
    EXPECT_EQ("", manager.Calls());
}

TEST_F(ProcessEvent, SettingsAcceptedBecomesACloseRequestForAManagerThatRefusesIt) {
    TempFolder logFolder("dsm");
    FakeManager manager(logFolder.File("calls.txt"));
    ASSERT_TRUE(FakeManager::FoundFirst()) << "run with WINEDLLOVERRIDES=twain_32=n,b";
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    Notifications();
    const UINT notify = RegisterWindowMessageA("Tavix Scanner_TWAIN");
    MSG accepted{window_.Handle(), notify, MSG_CLOSEDSOK, 0, 0, {0, 0}};
    TW_UINT16 twMessage = 0;

    // A manager that knows the code passes it on, and nothing else.
    EXPECT_EQ(TWRC_DSEVENT, Process(&accepted, twMessage));
    const std::string known = "origin=7:Tavix Scanner dest=1:Test Application dg=1 dat=0 msg=0x0103 data=null\n";
    EXPECT_EQ(known, manager.Calls());

    // One that refuses it (Wine's TWAIN_32.DLL) gets the close request instead.
    SetEnvironmentVariableA("TAVIX_FAKE_MANAGER_REFUSE", "0x0103");
    EXPECT_EQ(TWRC_DSEVENT, Process(&accepted, twMessage));
    SetEnvironmentVariableA("TAVIX_FAKE_MANAGER_REFUSE", nullptr);
    EXPECT_EQ(MSG_NULL, twMessage);
    EXPECT_EQ(known + known +
                  "origin=7:Tavix Scanner dest=1:Test Application dg=1 dat=0 msg=0x0102 data=null\n",
              manager.Calls());
}

// Notifications for an application whose window is not one of the enabling
// thread's (the desktop, another thread's or process's window, none): they
// are messages of the enabling thread itself, which its event loop sees.
class NotificationsWithoutAWindowOfThisThread : public ProcessEvent {
protected:
    // The source's notification queued for this thread itself, taken out.
    bool NextThreadNotification(MSG& message) {
        return PeekMessageA(&message, reinterpret_cast<HWND>(-1), notify_, notify_, PM_REMOVE) != FALSE;
    }
    // Empty messages queued for this thread itself, taken out.
    int Wakeups() {
        int count = 0;
        MSG message;
        while (PeekMessageA(&message, reinterpret_cast<HWND>(-1), WM_NULL, WM_NULL, PM_REMOVE)) ++count;
        return count;
    }

    const UINT notify_ = RegisterWindowMessageA("Tavix Scanner_TWAIN");
};

TEST_F(NotificationsWithoutAWindowOfThisThread, ComeToTheThreadAndWakeItOnceAfterTheManager) {
    TempFolder logFolder("dsm");
    FakeManager manager(logFolder.File("calls.txt"));
    ASSERT_TRUE(FakeManager::FoundFirst()) << "run with WINEDLLOVERRIDES=twain_32=n,b";
    WindowThread other;
    const std::pair<const char*, HWND> parents[] = {
        {"desktop", GetDesktopWindow()}, {"another thread's window", other.Window()}, {"none", nullptr}};
    std::string expectedCalls;
    for (const auto& parent : parents) {
        SCOPED_TRACE(parent.first);
        ASSERT_EQ(TWRC_SUCCESS, Open());
        Wakeups();
        ui_.hParent = parent.second;
        ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
        EXPECT_TRUE(Notifications().empty());
        MSG message{};
        ASSERT_TRUE(NextThreadNotification(message));
        EXPECT_EQ(nullptr, message.hwnd);
        EXPECT_EQ(static_cast<WPARAM>(MSG_XFERREADY), message.wParam);
        EXPECT_FALSE(NextThreadNotification(message));
        TW_UINT16 twMessage = 0;
        EXPECT_EQ(TWRC_DSEVENT, Process(&message, twMessage));
        EXPECT_EQ(MSG_NULL, twMessage);
        expectedCalls += "origin=7:Tavix Scanner dest=1:Test Application dg=1 dat=0 msg=0x0101 data=null\n";
        EXPECT_EQ(expectedCalls, manager.Calls());
        // A manager that only keeps the code hands it over at the next call.
        EXPECT_EQ(1, Wakeups());

        // The close request after the page goes the same way, and disabling
        // takes it out again when the application did not read it.
        TW_PENDINGXFERS pending{};
        ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending));
        ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui_));
        EXPECT_FALSE(NextThreadNotification(message));
        ASSERT_EQ(TWRC_SUCCESS, Close());
    }
}

TEST_F(NotificationsWithoutAWindowOfThisThread, AWindowGoneSinceTheEnableLeavesThemWithTheThread) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    HostWindow gone;
    ui_.hParent = gone.Handle();
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    MSG message{};
    ASSERT_TRUE(gone.NextQueuedNotification(message));
    DestroyWindow(gone.Handle());
    TW_PENDINGXFERS pending{};
    ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending));
    ASSERT_TRUE(NextThreadNotification(message));
    EXPECT_EQ(static_cast<WPARAM>(MSG_CLOSEDSREQ), message.wParam);
}

// An application that talks to the source through a TWAIN 2 manager,
// TWAINDSM.DLL, which loads the source and calls its DS_Entry itself.
class Twain2Manager : public ProcessEvent {
protected:
    void SetUp() override {
        ProcessEvent::SetUp();
        SetEnvironmentVariableA("TAVIX_FAKE_DSM_LOG", dsmLog_.c_str());
        SetEnvironmentVariableA("TAVIX_FAKE_DSM_SOURCE", (ProgramFolder() + "TAVIXSRC.ds").c_str());
        dsm_.Reset(LoadLibraryA((ProgramFolder() + "fake_twaindsm\\TWAINDSM.DLL").c_str()));
        ASSERT_TRUE(dsm_) << "cannot load the stand-in TWAINDSM.DLL, error " << GetLastError();
        entry_ = ProcAddress<DSMENTRYPROC>(dsm_.Get(), "DSM_Entry");
        ASSERT_NE(nullptr, entry_);
    }
    void TearDown() override {
        SetEnvironmentVariableA("TAVIX_FAKE_DSM_LOG", nullptr);
        SetEnvironmentVariableA("TAVIX_FAKE_DSM_SOURCE", nullptr);
        ProcessEvent::TearDown();
    }
    TW_UINT16 ToManager(TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) {
        return entry_(&app_, nullptr, DG_CONTROL, dat, msg, data);
    }
    TW_UINT16 ToSource(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) {
        return entry_(&app_, &dsmSource_, dg, dat, msg, data);
    }
    // The application's event loop: every queued message goes to the
    // manager; the first TWAIN message it hands back, or MSG_NULL.
    TW_UINT16 NextTwainMessage() {
        MSG message;
        for (int i = 0; i < 50 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
            TW_EVENT event{&message, MSG_NULL};
            const TW_UINT16 rc = ToSource(DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event);
            if (rc == TWRC_DSEVENT && event.TWMessage != MSG_NULL) return event.TWMessage;
            if (rc == TWRC_NOTDSEVENT) DispatchMessageA(&message);
        }
        return MSG_NULL;
    }

    TempFolder logFolder_{"dsm"};
    std::string dsmLog_ = logFolder_.File("twaindsm.txt");
    ModuleHandle dsm_;
    DSMENTRYPROC entry_ = nullptr;
    TW_IDENTITY dsmSource_{};
};

TEST_F(Twain2Manager, NotificationsGoBackThroughTheManagerThatOpenedTheSource) {
    FakeManager twain32(logFolder_.File("twain_32.txt"));
    ASSERT_TRUE(FakeManager::FoundFirst()) << "run with WINEDLLOVERRIDES=twain_32=n,b";
    HWND parent = window_.Handle();
    ASSERT_EQ(TWRC_SUCCESS, ToManager(DAT_PARENT, MSG_OPENDSM, &parent));
    std::strcpy(dsmSource_.ProductName, "Tavix Scanner");
    ASSERT_EQ(TWRC_SUCCESS, ToManager(DAT_IDENTITY, MSG_OPENDS, &dsmSource_));

    TW_USERINTERFACE ui{FALSE, FALSE, parent};
    ASSERT_EQ(TWRC_SUCCESS, ToSource(DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui));
    EXPECT_EQ(MSG_XFERREADY, NextTwainMessage());
    HGLOBAL dib = nullptr;
    ASSERT_EQ(TWRC_XFERDONE, ToSource(DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &dib));
    GlobalFree(dib);
    TW_PENDINGXFERS pending{};
    ASSERT_EQ(TWRC_SUCCESS, ToSource(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending));
    EXPECT_EQ(MSG_CLOSEDSREQ, NextTwainMessage());
    // What the dialog posts when the user accepts settings without a scan.
    ASSERT_TRUE(PostMessageA(parent, RegisterWindowMessageA("Tavix Scanner_TWAIN"), MSG_CLOSEDSOK, 0));
    EXPECT_EQ(MSG_CLOSEDSOK, NextTwainMessage());

    ASSERT_EQ(TWRC_SUCCESS, ToSource(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui));
    ASSERT_EQ(TWRC_SUCCESS, ToManager(DAT_IDENTITY, MSG_CLOSEDS, &dsmSource_));
    ASSERT_EQ(TWRC_SUCCESS, ToManager(DAT_PARENT, MSG_CLOSEDSM, &parent));

    EXPECT_EQ("DAT_NULL from 2:Tavix Scanner msg=0x0101\n"
              "DAT_NULL from 2:Tavix Scanner msg=0x0102\n"
              "DAT_NULL from 2:Tavix Scanner msg=0x0103\n",
              ReadWholeFile(dsmLog_));
    EXPECT_EQ("", twain32.Calls());
}

TEST_F(Twain2Manager, SourceCalledDirectlyAgainAfterwardsUsesTwain32) {
    // A session through the TWAIN 2 manager, then one where the application
    // calls DS_Entry itself: the second has no manager of its own to go
    // back through, and takes TWAIN_32.DLL as before.
    HWND parent = window_.Handle();
    ASSERT_EQ(TWRC_SUCCESS, ToManager(DAT_PARENT, MSG_OPENDSM, &parent));
    std::strcpy(dsmSource_.ProductName, "Tavix Scanner");
    ASSERT_EQ(TWRC_SUCCESS, ToManager(DAT_IDENTITY, MSG_OPENDS, &dsmSource_));
    ASSERT_EQ(TWRC_SUCCESS, ToManager(DAT_IDENTITY, MSG_CLOSEDS, &dsmSource_));

    FakeManager twain32(logFolder_.File("twain_32.txt"));
    ASSERT_TRUE(FakeManager::FoundFirst()) << "run with WINEDLLOVERRIDES=twain_32=n,b";
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    MSG message{};
    ASSERT_TRUE(window_.NextQueuedNotification(message));
    TW_UINT16 twMessage = 0;
    EXPECT_EQ(TWRC_DSEVENT, Process(&message, twMessage));
    EXPECT_EQ("origin=7:Tavix Scanner dest=1:Test Application dg=1 dat=0 msg=0x0101 data=null\n",
              twain32.Calls());
    EXPECT_EQ("", ReadWholeFile(dsmLog_));
}

}  // namespace
