// Binding of the scanner I/O library "BRSVIO.DLL": its 18 C functions,
// resolved at run time, each reached through a wrapper that answers 0 (or
// does nothing) while the function is not bound.
#pragma once

#include "framework/handles.h"
#include "framework/proc_address.h"

#include <cstdint>
#include <string>

struct ScanSettings;

namespace io {
typedef int32_t(__cdecl* StartScan)();
typedef int32_t(__cdecl* EndScan)();
typedef int32_t(__cdecl* StartScanPage)(const void* settings, int32_t* out1, int32_t* out2);
typedef int32_t(__cdecl* GetPageDimension)(const void* settings, int32_t* width, int32_t* length);
typedef int32_t(__cdecl* EndScanPage)();
typedef int32_t(__cdecl* CalibrateScanner)(int32_t mode);
typedef int32_t(__cdecl* FeedOn)();
typedef int32_t(__cdecl* FeedPage)();
typedef int32_t(__cdecl* Clean)();
typedef int32_t(__cdecl* IsPaperOn)();
typedef int32_t(__cdecl* IsButtonOn)();
typedef int32_t(__cdecl* GetImageBlock)(void* buffer, int32_t lines, int32_t* endOfPage,
                                        int32_t width, int32_t side);
typedef int32_t(__cdecl* AdjustChannelValue)(uint8_t* table, int32_t brightness, int32_t contrast,
                                             int32_t gammaMinus8, int32_t highlight,
                                             int32_t shadow);
typedef int32_t(__cdecl* HardwareCheck)(char* config, char* interfaceText, char* text3,
                                        char* text4, char* text5, int32_t* number6,
                                        int32_t* number7, int32_t* number8);
typedef int32_t(__cdecl* HasScanner)(const char* model);
typedef int32_t(__cdecl* OpenInterface)(const char* model);
typedef int32_t(__cdecl* CloseInterface)();
typedef int32_t(__cdecl* IsCalibrationNeeded)();
}  // namespace io

// The file name of the library and the scanner model it is opened for.
constexpr const char* kScannerLibraryName = "BRSVIO.DLL";
constexpr const char* kScannerModel = "Brisvane";

class ScannerIo {
public:
    // The exported names, in the order they are resolved.
    static constexpr int kFunctionCount = 18;
    static const char* const kFunctionNames[kFunctionCount];

    // Loads the library with the default search order and resolves its
    // functions; a missing export leaves its entry zero. False when the
    // library cannot be loaded.
    bool Load(const char* fileName = kScannerLibraryName);
    // Resolves the functions of an already loaded library that this object
    // takes over.
    void Bind(HMODULE library);
    // IO_CloseInterface when bound, then frees the library; every entry zero.
    void Close();
    bool IsLoaded() const { return static_cast<bool>(library_); }
    HMODULE Library() const { return library_.Get(); }
    // Whether the function at `index` of kFunctionNames is bound.
    bool IsBound(int index) const;

    int32_t StartScan() const;
    void EndScan() const;
    int32_t StartScanPage(const ScanSettings& adjustedCopy) const;
    int32_t GetPageDimension(const ScanSettings& settings, int32_t& width, int32_t& length) const;
    void EndScanPage() const;
    int32_t CalibrateScanner() const;
    void FeedOn() const;
    int32_t FeedPage() const;
    void Clean() const;
    int32_t IsCalibrationNeeded() const;
    // Rows delivered (0 or more) or a negative failure: the low 16 bits of the
    // library's answer, taken as signed.
    int GetImageBlock(void* buffer, int lines, int32_t* endOfPage, int width, int side) const;
    // Fills the 256-entry tone table from the record's tone fields.
    void AdjustChannelValue(uint8_t table[256], const ScanSettings& settings) const;
    // The configuration and interface texts, "Unknown" when the library says nothing.
    void HardwareCheck(std::string& config, std::string& interfaceText) const;

    // 0 when the scanner is open, 1 otherwise.
    int OpenScanner(const char* model = kScannerModel) const;
    // Whether paper is at the sensor. The first call always asks the library;
    // later a non-zero `useCached` returns the last answer.
    bool IsPaperOn(bool useCached) const;

private:
    template <typename T>
    T Fn(int index) const {
        return FunctionCast<T>(functions_[index]);
    }
    void ResolveAll();

    ModuleHandle library_;
    FARPROC functions_[kFunctionCount] = {};
    // The sensor's last answer, for IsPaperOn(true); kept across a reload of
    // the library, as the scanner stays where it is.
    mutable int32_t lastPaperAnswer_ = 0;
    mutable bool paperAsked_ = false;
};
