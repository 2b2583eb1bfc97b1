#include "ui_fixture.h"

#include "framework/proc_address.h"
#include "support/scanner_call_log.h"

#include <vector>

namespace {

typedef int32_t(__cdecl* ConfigureProc)(const char* key, const char* value);
typedef void(__cdecl* ResetProc)();

constexpr const char* kOwnerClass = "TavixUiTestOwner";

void RegisterOwnerClass() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = kOwnerClass;
    RegisterClassA(&wc);  // already registered by an earlier test: fine
}

}  // namespace

std::string WindowText(HWND hwnd) {
    if (!hwnd) return "<no window>";
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 2, '\0');
    GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::string VirtualScannerPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1) + "scanner\\BRSVIO.DLL";
}

void UiTest::SetUp() {
    profile_ = folder_.File("TAVIXSRC.INI");
    app_.SetProfileName(profile_.c_str());
    UseLanguage(LanguageEnglish);

    ASSERT_TRUE(io_.Load(VirtualScannerPath().c_str())) << VirtualScannerPath();
    ProcAddress<ResetProc>(io_.Library(), "BRSVIO_Reset")();

    RegisterOwnerClass();
    HWND owner = CreateWindowExA(0, kOwnerClass, "Image application", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 120, 80, 720, 560, nullptr, nullptr, GetModuleHandleA(nullptr),
                                 nullptr);
    ASSERT_NE(nullptr, owner);
    owner_.Attach(owner);
    UpdateWindow(owner);
    DrainMessages();
}

void UiTest::TearDown() {
    if (HWND owner = owner_.Detach()) DestroyWindow(owner);
    DrainMessages();
    io_.Close();
}

void UiTest::UseLanguage(LanguageId language) {
    SetLanguage(language);
    ASSERT_EQ(language, GetLanguage());
}

void UiTest::Configure(const char* key, const char* value) {
    auto configure = ProcAddress<ConfigureProc>(io_.Library(), "BRSVIO_Configure");
    ASSERT_NE(nullptr, configure);
    ASSERT_EQ(1, configure(key, value)) << key << "=" << value;
}

std::string UiTest::CallLog() const { return ReadCallLog(io_.Library()); }

int UiTest::Calls(const char* name) const { return CountCalls(CallLog(), name); }

void UiTest::DrainMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
