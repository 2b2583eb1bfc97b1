#include "scanner_sheet_fixture.h"

#include "engine/scan_settings.h"
#include "ui/scanner_dialog.h"

#include <chrono>
#include <vector>

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        Sleep(20);
    }
    return true;
}

void ScannerSheetTest::SetUp() {
    UiTest::SetUp();
    LoadSettings(kSection, &settings_, negotiated_);
}

namespace {

// Runs `body` while a second thread waits for the first sheet and runs
// `script` with it.
template <typename Body>
auto WithScript(std::set<HWND>& seen, const std::function<void(HWND)>& script, Body body) {
    ScriptThread thread([&] {
        HWND shown = WaitForNewDialog(seen);
        if (!shown) {
            ADD_FAILURE() << "the scanner dialog did not appear";
            return;
        }
        script(shown);
        if (!WaitUntilGone(shown, 5000)) {
            ADD_FAILURE() << "the scanner dialog is still open after the script";
            PostMessageA(shown, WM_COMMAND, IDCANCEL, 0);
        }
    });
    return body();
}

}  // namespace

INT_PTR ScannerSheetTest::Run(ScannerSheet& sheet, const std::function<void(HWND)>& script) {
    return WithScript(seen_, script, [&] { return sheet.DoModal(); });
}

ScanRequest ScannerSheetTest::RunDialog(const std::function<void(HWND)>& script) {
    return WithScript(seen_, script, [&] {
        ScanRequest request = 0;
        EXPECT_TRUE(RunScannerDialog(context_, request));
        return request;
    });
}

INT_PTR ScannerSheetTest::Run(int startPage, const std::function<void(HWND)>& script) {
    ScannerSheet sheet(context_, OwnerHwnd(), startPage);
    return Run(sheet, script);
}

int ScannerSheetTest::ProfileValue(const char* section, const char* key, int fallback) const {
    return static_cast<int>(GetPrivateProfileIntA(section, key, fallback, profile_.c_str()));
}

bool ScannerSheetTest::HasSection(const char* section) const {
    std::vector<char> buffer(4096, '\0');
    return GetPrivateProfileSectionA(section, buffer.data(), static_cast<DWORD>(buffer.size()),
                                     profile_.c_str()) > 0;
}

void ScannerSheetTest::WriteProfileText(const char* section, const char* key, const char* value) const {
    WritePrivateProfileStringA(section, key, value, profile_.c_str());
}
