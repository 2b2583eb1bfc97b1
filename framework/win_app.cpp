#include "framework/win_app.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {
CWinApp* currentApp = nullptr;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

CWinApp::CWinApp() { currentApp = this; }

CWinApp::~CWinApp() {
    if (currentApp == this) currentApp = nullptr;
}

CWinApp* CWinApp::Current() { return currentApp; }

std::string CWinApp::ModuleFolder() const {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(module_, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    std::string folder(path, length);
    size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

bool ParseProfileInteger(const char* text, int& value) {
    if (!text) return false;
    while (IsBlank(*text)) ++text;
    if (*text == '\0') return false;
    char* end = nullptr;
    errno = 0;
    long long parsed = std::strtoll(text, &end, 10);
    if (end == text || errno == ERANGE) return false;
    while (IsBlank(*end)) ++end;
    if (*end != '\0') return false;
    if (parsed < INT_MIN || parsed > INT_MAX) return false;
    // strtoll accepts a leading sign only before digits; "+" or "-" alone fail above.
    value = static_cast<int>(parsed);
    return true;
}

int CWinApp::GetProfileInt(const char* section, const char* key, int fallback) const {
    if (!profileName_ || !section || !key) return fallback;
    char text[64] = {};
    DWORD length = GetPrivateProfileStringA(section, key, "", text, sizeof text, profileName_);
    if (length == 0 || length >= sizeof text - 1) return fallback;
    int value = 0;
    return ParseProfileInteger(text, value) ? value : fallback;
}

bool CWinApp::WriteProfileInt(const char* section, const char* key, int value) const {
    if (!profileName_ || !section || !key) return false;
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return WritePrivateProfileStringA(section, key, text, profileName_) != FALSE;
}

bool CWinApp::ShowHelp(HWND window, UINT command, ULONG_PTR data) const {
    if (!helpFilePath_ || !*helpFilePath_) return false;
    return WinHelpA(window, helpFilePath_, command, data) != FALSE;
}
