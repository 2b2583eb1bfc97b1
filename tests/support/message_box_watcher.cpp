#include "support/message_box_watcher.h"

#include "support/dialog_finder.h"

#include <algorithm>
#include <chrono>

namespace {

BOOL CALLBACK LongestStatic(HWND child, LPARAM param) {
    auto* text = reinterpret_cast<std::string*>(param);
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") != 0) return TRUE;
    char buffer[2048] = {};
    GetWindowTextA(child, buffer, sizeof buffer);
    if (std::string(buffer).size() > text->size()) *text = buffer;
    return TRUE;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(std::vector<int> answers, DWORD processId)
    : answers_(std::move(answers)), processId_(processId), thread_([this] { Run(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
    stop_ = true;
    thread_.join();
}

std::vector<SeenMessageBox> MessageBoxWatcher::Seen() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

void MessageBoxWatcher::Run() {
    while (!stop_) {
        if (!AnswerOne()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

bool MessageBoxWatcher::AnswerOne() {
    // A closed box's handle may be given to a later one.
    answered_.erase(std::remove_if(answered_.begin(), answered_.end(),
                                   [](HWND hwnd) { return !IsWindow(hwnd); }),
                    answered_.end());
    DialogSearch search;
    search.processId = processId_;
    // Progress windows are not message boxes, and the source's tabbed dialog
    // is driven by the test itself.
    search.kind = DialogKind::Prompt;
    search.skip = [this](HWND hwnd) { return std::find(answered_.begin(), answered_.end(), hwnd) != answered_.end(); };
    const HWND found = FindDialog(search);
    if (!found) return false;
    // Give the box a moment to finish laying out its controls.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    SeenMessageBox box;
    char caption[256] = {};
    GetWindowTextA(found, caption, sizeof caption);
    box.caption = caption;
    EnumChildWindows(found, LongestStatic, reinterpret_cast<LPARAM>(&box.text));
    box.hasOwner = GetWindow(found, GW_OWNER) != nullptr;
    int answer = answers_.empty() ? IDOK : answers_[std::min(nextAnswer_, answers_.size() - 1)];
    ++nextAnswer_;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        seen_.push_back(box);
    }
    answered_.push_back(found);
    PostMessageA(found, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(found, answer)));
    return true;
}
