#include "engine/scanner_io.h"

#include "engine/scan_settings.h"

#include <cstring>

namespace {

enum FunctionIndex {
    kStartScan,
    kEndScan,
    kStartScanPage,
    kGetPageDimension,
    kEndScanPage,
    kCalibrateScanner,
    kFeedOn,
    kFeedPage,
    kClean,
    kIsPaperOn,
    kIsButtonOn,
    kGetImageBlock,
    kAdjustChannelValue,
    kHardwareCheck,
    kHasScanner,
    kOpenInterface,
    kCloseInterface,
    kIsCalibrationNeeded,
};

// A 16-bit field handed over in the low half of a 32-bit argument.
int32_t LowHalf(int16_t field) { return static_cast<int32_t>(static_cast<uint16_t>(field)); }

}  // namespace

const char* const ScannerIo::kFunctionNames[kFunctionCount] = {
    "IO_StartScan",      "IO_EndScan",        "IO_StartScanPage",  "IO_GetPageDimension",
    "IO_EndScanPage",    "IO_CalibrateScanner", "IO_FeedOn",       "IO_FeedPage",
    "IO_Clean",          "IO_IsPaperOn",      "IO_IsButtonOn",     "IO_GetImageBlock",
    "IO_AdjustChannelValue", "IO_HardwareCheck", "IO_HasScanner",  "IO_OpenInterface",
    "IO_CloseInterface", "IO_IsCalibrationNeeded",
};

bool ScannerIo::Load(const char* fileName) {
    Close();
    HMODULE library = LoadLibraryA(fileName);
    if (!library) return false;
    Bind(library);
    return true;
}

void ScannerIo::Bind(HMODULE library) {
    Close();
    library_.Reset(library);
    ResolveAll();
}

void ScannerIo::ResolveAll() {
    for (int i = 0; i < kFunctionCount; ++i)
        functions_[i] = library_ ? GetProcAddress(library_.Get(), kFunctionNames[i]) : nullptr;
}

void ScannerIo::Close() {
    if (auto close = Fn<io::CloseInterface>(kCloseInterface)) close();
    for (FARPROC& function : functions_) function = nullptr;
    library_.Reset();
}

bool ScannerIo::IsBound(int index) const {
    return index >= 0 && index < kFunctionCount && functions_[index] != nullptr;
}

int32_t ScannerIo::StartScan() const {
    auto f = Fn<io::StartScan>(kStartScan);
    return f ? f() : 0;
}

void ScannerIo::EndScan() const {
    if (auto f = Fn<io::EndScan>(kEndScan)) f();
}

int32_t ScannerIo::StartScanPage(const ScanSettings& adjustedCopy) const {
    auto f = Fn<io::StartScanPage>(kStartScanPage);
    if (!f) return 0;
    // The library writes both out-arguments; nothing reads them.
    int32_t ignored = 0;
    return f(&adjustedCopy, &ignored, &ignored);
}

int32_t ScannerIo::GetPageDimension(const ScanSettings& settings, int32_t& width,
                                    int32_t& length) const {
    auto f = Fn<io::GetPageDimension>(kGetPageDimension);
    return f ? f(&settings, &width, &length) : 0;
}

void ScannerIo::EndScanPage() const {
    if (auto f = Fn<io::EndScanPage>(kEndScanPage)) f();
}

int32_t ScannerIo::CalibrateScanner() const {
    auto f = Fn<io::CalibrateScanner>(kCalibrateScanner);
    return f ? f(0) : 0;
}

void ScannerIo::FeedOn() const {
    if (auto f = Fn<io::FeedOn>(kFeedOn)) f();
}

int32_t ScannerIo::FeedPage() const {
    auto f = Fn<io::FeedPage>(kFeedPage);
    return f ? f() : 0;
}

void ScannerIo::Clean() const {
    if (auto f = Fn<io::Clean>(kClean)) f();
}

int32_t ScannerIo::IsCalibrationNeeded() const {
    auto f = Fn<io::IsCalibrationNeeded>(kIsCalibrationNeeded);
    return f ? f() : 0;
}

int ScannerIo::GetImageBlock(void* buffer, int lines, int32_t* endOfPage, int width,
                             int side) const {
    auto f = Fn<io::GetImageBlock>(kGetImageBlock);
    if (!f) return 0;
    return static_cast<int16_t>(f(buffer, lines, endOfPage, width, side) & 0xFFFF);
}

void ScannerIo::AdjustChannelValue(uint8_t table[256], const ScanSettings& settings) const {
    auto f = Fn<io::AdjustChannelValue>(kAdjustChannelValue);
    if (!f) return;
    f(table, LowHalf(settings.Brightness), LowHalf(settings.Contrast),
      LowHalf(static_cast<int16_t>(settings.Gamma - 8)), LowHalf(settings.Highlight),
      LowHalf(settings.Shadow));
}

void ScannerIo::HardwareCheck(std::string& config, std::string& interfaceText) const {
    char configText[50] = "Unknown";
    char interfaceBuffer[32] = "Unknown";
    char shared[32] = "None";
    int32_t number = 0;
    if (auto f = Fn<io::HardwareCheck>(kHardwareCheck))
        f(configText, interfaceBuffer, shared, shared, shared, &number, &number, &number);
    // The library's texts are trusted to fit, but never read past the buffers.
    configText[sizeof configText - 1] = '\0';
    interfaceBuffer[sizeof interfaceBuffer - 1] = '\0';
    config = configText;
    interfaceText = interfaceBuffer;
}

int ScannerIo::OpenScanner(const char* model) const {
    if (auto open = Fn<io::OpenInterface>(kOpenInterface)) return open(model) == 0 ? 0 : 1;
    if (auto has = Fn<io::HasScanner>(kHasScanner)) return has(model) != 0 ? 0 : 1;
    return 1;
}

bool ScannerIo::IsPaperOn(bool useCached) const {
    if (!useCached || !paperAsked_) {
        auto f = Fn<io::IsPaperOn>(kIsPaperOn);
        lastPaperAnswer_ = f ? f() : 0;
        paperAsked_ = true;
    }
    return lastPaperAnswer_ != 0;
}
