// The virtual sheet-fed scanner behind the IO_ functions: feeder, page in
// progress, calibration state, configured answers and faults, and the call
// log. One instance serves the process; the exported functions serialise
// access to it and keep exceptions from leaving the library.
#pragma once

#include <stdint.h>

#include <memory>
#include <string>

#include "call_log.h"
#include "feeder.h"
#include "page_session.h"
#include "scanner_config.h"

class VirtualScanner {
public:
    VirtualScanner();

    // Back to the power-on state: default configuration, full feeder, empty log.
    void Reset();
    // 1 applied, 0 unknown key or unusable value.
    int32_t Configure(const char* key, const char* value);
    std::string LogText() const { return log_.Text(); }
    // The control file is read at IO_OpenInterface; a caller that never opens
    // the interface still gets it, at its first call.
    void ReadControlOnFirstUse();
    // Records a call that ended in an internal error (out of memory).
    void LogInternalError(const char* function, int32_t result);

    int32_t StartScan();
    int32_t EndScan();
    int32_t StartScanPage(const void* settings, int32_t* out1, int32_t* out2);
    int32_t GetPageDimension(const void* settings, int32_t* width, int32_t* length);
    int32_t EndScanPage();
    int32_t CalibrateScanner(int32_t mode);
    int32_t FeedOn();
    int32_t FeedPage();
    int32_t Clean();
    int32_t IsPaperOn();
    int32_t IsButtonOn();
    int32_t GetImageBlock(void* buffer, int32_t lines, int32_t* endOfPage, int32_t width,
                          int32_t side);
    int32_t AdjustChannelValue(uint8_t* table, int32_t brightness, int32_t contrast,
                               int32_t gammaMinus8, int32_t highlight, int32_t shadow);
    int32_t HardwareCheck(char* config, char* interfaceText, char* text3, char* text4, char* text5,
                          int32_t* number6, int32_t* number7, int32_t* number8);
    int32_t HasScanner(const char* model);
    int32_t OpenInterface(const char* model);
    int32_t CloseInterface();
    int32_t IsCalibrationNeeded();

private:
    // Applies the control file over the defaults; returns a note for the log.
    std::string ApplyControlFile();
    void RefillFeeder();
    // Ends the started page, if any; it becomes the last page read.
    void EndPageSession();
    // One block of `session` under the block faults of the configuration.
    BlockResult ReadFaulty(PageSession& session, uint8_t* buffer, int32_t lines, int32_t width,
                           int32_t side);
    bool ModelMatches(const char* model) const;
    int32_t Log(CallLine& line, int32_t result, const std::string& reason = std::string());

    ScannerConfig config_;
    Feeder feeder_;
    std::string feederNote_;
    std::unique_ptr<PageSession> page_;
    // The page read before, kept for the rows_without_page fault.
    std::unique_ptr<PageSession> lastPage_;
    CallLog log_;
    bool controlRead_ = false;
    bool calibrationNeeded_ = false;
};
