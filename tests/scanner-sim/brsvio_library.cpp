#include "brsvio_library.h"

#include "support/scanner_call_log.h"

#include <memory>
#include <sstream>

namespace {

template <typename Fn>
void Resolve(HMODULE module, const char* name, Fn& target) {
    target = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::unique_ptr<BrsvioLibrary> LoadBrsvio() {
    auto lib = std::make_unique<BrsvioLibrary>();
    lib->module.Reset(LoadLibraryA(BrsvioPath().c_str()));
    HMODULE m = lib->module.Get();
    if (!m) return nullptr;
    Resolve(m, "IO_StartScan", lib->StartScan);
    Resolve(m, "IO_EndScan", lib->EndScan);
    Resolve(m, "IO_StartScanPage", lib->StartScanPage);
    Resolve(m, "IO_GetPageDimension", lib->GetPageDimension);
    Resolve(m, "IO_EndScanPage", lib->EndScanPage);
    Resolve(m, "IO_CalibrateScanner", lib->CalibrateScanner);
    Resolve(m, "IO_FeedOn", lib->FeedOn);
    Resolve(m, "IO_FeedPage", lib->FeedPage);
    Resolve(m, "IO_Clean", lib->Clean);
    Resolve(m, "IO_IsPaperOn", lib->IsPaperOn);
    Resolve(m, "IO_IsButtonOn", lib->IsButtonOn);
    Resolve(m, "IO_GetImageBlock", lib->GetImageBlock);
    Resolve(m, "IO_AdjustChannelValue", lib->AdjustChannelValue);
    Resolve(m, "IO_HardwareCheck", lib->HardwareCheck);
    Resolve(m, "IO_HasScanner", lib->HasScanner);
    Resolve(m, "IO_OpenInterface", lib->OpenInterface);
    Resolve(m, "IO_CloseInterface", lib->CloseInterface);
    Resolve(m, "IO_IsCalibrationNeeded", lib->IsCalibrationNeeded);
    Resolve(m, "BRSVIO_Configure", lib->Configure);
    Resolve(m, "BRSVIO_Reset", lib->Reset);
    Resolve(m, "BRSVIO_GetCallLog", lib->GetCallLog);
    return lib;
}

}  // namespace

bool BrsvioLibrary::Complete() const {
    const void* all[] = {reinterpret_cast<const void*>(StartScan),
                         reinterpret_cast<const void*>(EndScan),
                         reinterpret_cast<const void*>(StartScanPage),
                         reinterpret_cast<const void*>(GetPageDimension),
                         reinterpret_cast<const void*>(EndScanPage),
                         reinterpret_cast<const void*>(CalibrateScanner),
                         reinterpret_cast<const void*>(FeedOn),
                         reinterpret_cast<const void*>(FeedPage),
                         reinterpret_cast<const void*>(Clean),
                         reinterpret_cast<const void*>(IsPaperOn),
                         reinterpret_cast<const void*>(IsButtonOn),
                         reinterpret_cast<const void*>(GetImageBlock),
                         reinterpret_cast<const void*>(AdjustChannelValue),
                         reinterpret_cast<const void*>(HardwareCheck),
                         reinterpret_cast<const void*>(HasScanner),
                         reinterpret_cast<const void*>(OpenInterface),
                         reinterpret_cast<const void*>(CloseInterface),
                         reinterpret_cast<const void*>(IsCalibrationNeeded),
                         reinterpret_cast<const void*>(Configure),
                         reinterpret_cast<const void*>(Reset),
                         reinterpret_cast<const void*>(GetCallLog)};
    for (const void* p : all)
        if (!p) return false;
    return true;
}

std::string BrsvioLibrary::CallLog() const { return ReadCallLog(module.Get()); }

std::vector<std::string> BrsvioLibrary::CallLogLines() const {
    std::vector<std::string> lines;
    std::istringstream in(CallLog());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string BrsvioPath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + "scanner\\BRSVIO.DLL";
}

const BrsvioLibrary* Brsvio() {
    static std::unique_ptr<BrsvioLibrary> lib = LoadBrsvio();
    return lib.get();
}

void ScannerTest::SetUp() {
    lib_ = Brsvio();
    ASSERT_NE(nullptr, lib_) << "cannot load " << BrsvioPath();
    ASSERT_TRUE(lib_->Complete());
    SetEnvironmentVariableA("BRSVIO_CONTROL", nullptr);
    SetEnvironmentVariableA("BRSVIO_LOG", nullptr);
    lib_->Reset();
}

void ScannerTest::TearDown() {
    SetEnvironmentVariableA("BRSVIO_CONTROL", nullptr);
    SetEnvironmentVariableA("BRSVIO_LOG", nullptr);
    if (lib_) lib_->Reset();
}

void ScannerTest::Configure(const char* key, const char* value) {
    ASSERT_EQ(1, lib_->Configure(key, value)) << key << "=" << value;
}

void ScannerTest::Configure(const char* key, int value) {
    Configure(key, std::to_string(value).c_str());
}
