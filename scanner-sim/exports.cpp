// The library's exported functions. Each takes the scanner lock, makes sure
// the control file has been read, and turns anything thrown (only memory
// exhaustion can be) into the call's failure value.
#include <windows.h>

#include <cstring>
#include <mutex>

#include "brsvio.h"
#include "virtual_scanner.h"

namespace {

std::mutex& ScannerLock() {
    static std::mutex lock;
    return lock;
}

VirtualScanner& Scanner() {
    static VirtualScanner scanner;
    return scanner;
}

template <typename Call>
int32_t Guarded(const char* name, int32_t failure, Call call) {
    try {
        std::lock_guard<std::mutex> hold(ScannerLock());
        try {
            VirtualScanner& scanner = Scanner();
            scanner.ReadControlOnFirstUse();
            return call(scanner);
        } catch (...) {
            try {
                Scanner().LogInternalError(name, failure);
            } catch (...) {
            }
            return failure;
        }
    } catch (...) {
        return failure;
    }
}

}  // namespace

extern "C" {

int32_t BRSVIO_CALL IO_StartScan(void) {
    return Guarded("IO_StartScan", 0, [](VirtualScanner& s) { return s.StartScan(); });
}

int32_t BRSVIO_CALL IO_EndScan(void) {
    return Guarded("IO_EndScan", 0, [](VirtualScanner& s) { return s.EndScan(); });
}

int32_t BRSVIO_CALL IO_StartScanPage(const void* settings, int32_t* out1, int32_t* out2) {
    return Guarded("IO_StartScanPage", 0,
                   [&](VirtualScanner& s) { return s.StartScanPage(settings, out1, out2); });
}

int32_t BRSVIO_CALL IO_GetPageDimension(const void* settings, int32_t* width, int32_t* length) {
    return Guarded("IO_GetPageDimension", 0,
                   [&](VirtualScanner& s) { return s.GetPageDimension(settings, width, length); });
}

int32_t BRSVIO_CALL IO_EndScanPage(void) {
    return Guarded("IO_EndScanPage", 0, [](VirtualScanner& s) { return s.EndScanPage(); });
}

int32_t BRSVIO_CALL IO_CalibrateScanner(int32_t mode) {
    return Guarded("IO_CalibrateScanner", 0,
                   [&](VirtualScanner& s) { return s.CalibrateScanner(mode); });
}

int32_t BRSVIO_CALL IO_FeedOn(void) {
    return Guarded("IO_FeedOn", 0, [](VirtualScanner& s) { return s.FeedOn(); });
}

int32_t BRSVIO_CALL IO_FeedPage(void) {
    return Guarded("IO_FeedPage", 0, [](VirtualScanner& s) { return s.FeedPage(); });
}

int32_t BRSVIO_CALL IO_Clean(void) {
    return Guarded("IO_Clean", 0, [](VirtualScanner& s) { return s.Clean(); });
}

int32_t BRSVIO_CALL IO_IsPaperOn(void) {
    return Guarded("IO_IsPaperOn", 0, [](VirtualScanner& s) { return s.IsPaperOn(); });
}

int32_t BRSVIO_CALL IO_IsButtonOn(void) {
    return Guarded("IO_IsButtonOn", 0, [](VirtualScanner& s) { return s.IsButtonOn(); });
}

int32_t BRSVIO_CALL IO_GetImageBlock(void* buffer, int32_t lines, int32_t* endOfPage, int32_t width,
                                     int32_t side) {
    return Guarded("IO_GetImageBlock", -1, [&](VirtualScanner& s) {
        return s.GetImageBlock(buffer, lines, endOfPage, width, side);
    });
}

int32_t BRSVIO_CALL IO_AdjustChannelValue(uint8_t* table, int32_t brightness, int32_t contrast,
                                          int32_t gammaMinus8, int32_t highlight, int32_t shadow) {
    return Guarded("IO_AdjustChannelValue", 0, [&](VirtualScanner& s) {
        return s.AdjustChannelValue(table, brightness, contrast, gammaMinus8, highlight, shadow);
    });
}

int32_t BRSVIO_CALL IO_HardwareCheck(char* config, char* interfaceText, char* text3, char* text4,
                                     char* text5, int32_t* number6, int32_t* number7,
                                     int32_t* number8) {
    return Guarded("IO_HardwareCheck", 0, [&](VirtualScanner& s) {
        return s.HardwareCheck(config, interfaceText, text3, text4, text5, number6, number7,
                               number8);
    });
}

int32_t BRSVIO_CALL IO_HasScanner(const char* model) {
    return Guarded("IO_HasScanner", 0, [&](VirtualScanner& s) { return s.HasScanner(model); });
}

int32_t BRSVIO_CALL IO_OpenInterface(const char* model) {
    // Opening reads the control file itself, so it skips the first-use read.
    try {
        std::lock_guard<std::mutex> hold(ScannerLock());
        try {
            return Scanner().OpenInterface(model);
        } catch (...) {
            try {
                Scanner().LogInternalError("IO_OpenInterface", 1);
            } catch (...) {
            }
            return 1;
        }
    } catch (...) {
        return 1;
    }
}

int32_t BRSVIO_CALL IO_CloseInterface(void) {
    return Guarded("IO_CloseInterface", 0, [](VirtualScanner& s) { return s.CloseInterface(); });
}

int32_t BRSVIO_CALL IO_IsCalibrationNeeded(void) {
    return Guarded("IO_IsCalibrationNeeded", 0,
                   [](VirtualScanner& s) { return s.IsCalibrationNeeded(); });
}

int32_t BRSVIO_CALL BRSVIO_Configure(const char* key, const char* value) {
    try {
        std::lock_guard<std::mutex> hold(ScannerLock());
        return Scanner().Configure(key, value);
    } catch (...) {
        return 0;
    }
}

void BRSVIO_CALL BRSVIO_Reset(void) {
    try {
        std::lock_guard<std::mutex> hold(ScannerLock());
        Scanner().Reset();
    } catch (...) {
    }
}

int32_t BRSVIO_CALL BRSVIO_GetCallLog(char* buffer, int32_t size) {
    try {
        std::lock_guard<std::mutex> hold(ScannerLock());
        const std::string text = Scanner().LogText();
        if (buffer && size > 0) {
            const size_t count =
                text.size() < static_cast<size_t>(size) - 1 ? text.size() : size - 1;
            std::memcpy(buffer, text.data(), count);
            buffer[count] = '\0';
        }
        return static_cast<int32_t>(text.size());
    } catch (...) {
        return 0;
    }
}

}  // extern "C"
