// A trackbar (slider) by its window handle: the messages the pages send it,
// named.
#pragma once

#include <commctrl.h>
#include <windows.h>

class Trackbar {
public:
    explicit Trackbar(HWND hwnd) : hwnd_(hwnd) {}

    // Redraws once, with the upper end.
    void SetRange(int low, int high) const {
        SendMessageA(hwnd_, TBM_SETRANGEMIN, FALSE, low);
        SendMessageA(hwnd_, TBM_SETRANGEMAX, TRUE, high);
    }
    void SetPageSize(int size) const { SendMessageA(hwnd_, TBM_SETPAGESIZE, 0, size); }
    void SetTickFrequency(int frequency) const { SendMessageA(hwnd_, TBM_SETTICFREQ, static_cast<WPARAM>(frequency), 0); }
    int Position() const { return static_cast<int>(SendMessageA(hwnd_, TBM_GETPOS, 0, 0)); }
    void SetPosition(int position) const { SendMessageA(hwnd_, TBM_SETPOS, TRUE, position); }

private:
    HWND hwnd_;
};
