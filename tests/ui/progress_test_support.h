// Helpers shared by the tests of the two progress windows.
#pragma once

#include <windows.h>

// A hidden window that counts the WM_APP messages it is given, standing for
// the rest of the application whose messages the progress windows pump.
class CountingWindow {
public:
    CountingWindow();
    ~CountingWindow();
    CountingWindow(const CountingWindow&) = delete;
    CountingWindow& operator=(const CountingWindow&) = delete;

    void Post(int messages) const;
    int Received() const;

private:
    HWND hwnd_ = nullptr;
};

// Whether a message for the progress window's thread is still waiting.
bool MessageWaiting(UINT message);
