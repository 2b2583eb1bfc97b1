// Watches a process (this one unless told otherwise) for message boxes,
// records their caption and text, and answers each by pressing a chosen
// button, so that code which shows a modal message box can run unattended in
// a test. Dialogs with a progress bar are progress windows, not message boxes,
// and are left alone.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SeenMessageBox {
    std::string caption;
    std::string text;
    bool hasOwner = false;
};

class MessageBoxWatcher {
public:
    // `answers` are the button ids pressed in turn (IDOK, IDYES, IDNO...);
    // once they are used up the last one is repeated.
    explicit MessageBoxWatcher(std::vector<int> answers = {IDOK},
                               DWORD processId = GetCurrentProcessId());
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<SeenMessageBox> Seen() const;

private:
    void Run();
    bool AnswerOne();

    std::vector<int> answers_;
    DWORD processId_;
    size_t nextAnswer_ = 0;
    mutable std::mutex mutex_;
    std::vector<SeenMessageBox> seen_;
    std::vector<HWND> answered_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
