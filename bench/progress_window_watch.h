// Counts the data source's progress windows that were on the screen: a
// thread-local CBT hook looks at every window of the thread as it is
// destroyed, and one still visible then with the progress bar of templates
// 330 and 331 was shown. Destruction is the one moment every progress window
// passes through, however short the scan, and the hook costs nothing per
// message.
#pragma once

#include <windows.h>

class ProgressWindowWatch {
public:
    ProgressWindowWatch();
    ~ProgressWindowWatch();
    ProgressWindowWatch(const ProgressWindowWatch&) = delete;
    ProgressWindowWatch& operator=(const ProgressWindowWatch&) = delete;

    bool Watching() const { return hook_ != nullptr; }
    // Shown windows with a thumbnail frame (template 330), and without (331).
    int Thumbnails() const { return thumbnails_; }
    int Bars() const { return bars_; }

private:
    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    void Destroying(HWND window);

    HHOOK hook_ = nullptr;
    int thumbnails_ = 0;
    int bars_ = 0;
};
