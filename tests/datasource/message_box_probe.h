// Waits on a thread of its own for the next message box of this process,
// notes which icon it shows, saves a picture of it and presses OK; for the
// one property MessageBoxWatcher does not record.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

class MessageBoxProbe {
public:
    // The picture goes to `picturePath` (a BMP) when it is not empty.
    explicit MessageBoxProbe(std::string picturePath);
    ~MessageBoxProbe();
    MessageBoxProbe(const MessageBoxProbe&) = delete;
    MessageBoxProbe& operator=(const MessageBoxProbe&) = delete;

    // Waits until a box has been answered (or the probe gave up after 10 s).
    void Finish();
    bool Seen() const { return seen_; }
    // The icon of the box, null when it showed none.
    HICON Icon() const { return icon_; }

private:
    void Run();

    std::string picturePath_;
    std::atomic<bool> seen_{false};
    std::atomic<HICON> icon_{nullptr};
    std::thread thread_;
};
