// A combo box by its window handle: the messages the pages send it, named.
#pragma once

#include <windows.h>

#include <string>

class ComboBox {
public:
    explicit ComboBox(HWND hwnd) : hwnd_(hwnd) {}

    void AddString(const std::string& text) const {
        SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    int Count() const { return static_cast<int>(SendMessageA(hwnd_, CB_GETCOUNT, 0, 0)); }
    // The selected item's index, or CB_ERR when none is selected.
    int Selection() const { return static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0)); }
    void Select(int index) const { SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
    // The item's text; empty for an index without an item.
    std::string ItemText(int index) const {
        const LRESULT length = SendMessageA(hwnd_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length <= 0) return std::string();
        std::string text(static_cast<size_t>(length) + 1, '\0');
        const LRESULT copied =
            SendMessageA(hwnd_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
        text.resize(copied > 0 && copied <= length ? static_cast<size_t>(copied) : 0);
        return text;
    }

private:
    HWND hwnd_;
};
