#include "engine/user_messages.h"

#include "engine/scan_error.h"
#include "localization/language.h"
#include "localization/product_caption.h"

#include <string>

namespace {

int Show(HWND owner, const std::string& text, const char* caption, UINT type) {
    return MessageBoxA(owner, text.c_str(), caption ? caption : kProductCaption, type);
}

}  // namespace

void ShowScanError(HWND owner, int scanError) {
    Show(owner, ScanErrorText(scanError), nullptr, MB_OK | MB_ICONEXCLAMATION);
}

void ShowNotice(HWND owner, const LocalizedText& text) { Show(owner, CurrentText(text), nullptr, MB_OK); }

int AskUser(HWND owner, const LocalizedText& text, UINT type, const char* caption) {
    return Show(owner, CurrentText(text), caption, type);
}
