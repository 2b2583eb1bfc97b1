#include "bench/dialog/bare_sheet.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int kPages = 4;

// An empty child dialog of the scanner pages' size, in their font.
std::vector<uint8_t> EmptyPageTemplate() {
    std::vector<uint8_t> bytes(sizeof(DLGTEMPLATE));
    DLGTEMPLATE header{};
    header.style = DS_SETFONT | DS_3DLOOK | WS_CHILD | WS_DISABLED | WS_CAPTION;
    header.cx = 346;
    header.cy = 278;
    std::memcpy(bytes.data(), &header, sizeof header);
    auto word = [&](uint16_t value) {
        bytes.push_back(static_cast<uint8_t>(value & 0xFF));
        bytes.push_back(static_cast<uint8_t>(value >> 8));
    };
    word(0);  // no menu
    word(0);  // the dialog class
    for (char c : std::string("Page")) word(static_cast<uint16_t>(c));
    word(0);
    word(8);
    for (char c : std::string("MS Sans Serif")) word(static_cast<uint16_t>(c));
    word(0);
    bytes.resize((bytes.size() + 3) & ~size_t{3}, 0);
    return bytes;
}

INT_PTR CALLBACK EmptyPageProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

}  // namespace

bool RunBareSheet(HWND owner, const char* caption, std::string& error) {
    const std::vector<uint8_t> page = EmptyPageTemplate();
    PROPSHEETPAGEA pages[kPages] = {};
    for (PROPSHEETPAGEA& description : pages) {
        description.dwSize = sizeof description;
        description.dwFlags = PSP_DLGINDIRECT;
        description.hInstance = GetModuleHandleA(nullptr);
        description.pResource = reinterpret_cast<LPCDLGTEMPLATEA>(page.data());
        description.pfnDlgProc = EmptyPageProc;
    }
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS | PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    header.hwndParent = owner;
    header.pszCaption = caption;
    header.nPages = kPages;
    header.ppsp = pages;
    const auto sheet = reinterpret_cast<HWND>(PropertySheetA(&header));
    if (!sheet) {
        error = "the bare property sheet cannot be made";
        return false;
    }
    MSG message;
    while (IsWindow(sheet) && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!PropSheet_IsDialogMessage(sheet, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (!PropSheet_GetCurrentPageHwnd(sheet)) DestroyWindow(sheet);
    }
    return true;
}
