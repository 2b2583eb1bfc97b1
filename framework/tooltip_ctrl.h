// A tooltip control of the common controls library, owned: destroyed with
// the object. One tool (id 1) covers the client area of the window it is
// made for. The tool does not subclass that window: the owner of the loop
// hands the mouse messages over with TTM_RELAYEVENT.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

class CToolTipCtrl {
public:
    CToolTipCtrl() = default;
    ~CToolTipCtrl() { Destroy(); }
    CToolTipCtrl(const CToolTipCtrl&) = delete;
    CToolTipCtrl& operator=(const CToolTipCtrl&) = delete;

    static constexpr UINT_PTR kToolId = 1;

    HWND GetSafeHwnd() const { return hwnd_; }

    // Makes the tooltip window for `owner`; false when it cannot be made.
    bool Create(HWND owner) {
        Destroy();
        INITCOMMONCONTROLSEX init = {sizeof init, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&init);
        hwnd_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                                nullptr, nullptr, nullptr);
        owner_ = hwnd_ ? owner : nullptr;
        return hwnd_ != nullptr;
    }
    void Destroy() {
        if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
        hwnd_ = nullptr;
        owner_ = nullptr;
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return hwnd_ ? SendMessageA(hwnd_, message, wParam, lParam) : 0;
    }
    int ToolCount() const { return static_cast<int>(Send(TTM_GETTOOLCOUNT)); }
    // Adds tool 1 over the owner's client area, or changes its text.
    bool SetToolText(const std::string& text) const {
        if (!hwnd_) return false;
        TOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.uFlags = 0;
        tool.hwnd = owner_;
        tool.uId = kToolId;
        tool.lpszText = const_cast<char*>(text.c_str());
        if (ToolCount() != 0) {
            Send(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
            return true;
        }
        GetClientRect(owner_, &tool.rect);
        return Send(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
    }
    // The text of tool 1, empty when there is none.
    std::string ToolText() const {
        char buffer[1024] = {};
        TOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = owner_;
        tool.uId = kToolId;
        tool.lpszText = buffer;
        if (hwnd_ && ToolCount() != 0) Send(TTM_GETTEXTA, sizeof buffer, reinterpret_cast<LPARAM>(&tool));
        return buffer;
    }

private:
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
};
