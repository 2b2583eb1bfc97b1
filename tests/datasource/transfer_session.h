// A source enabled without the dialog, ready to hand its page over by one of
// the three transfer mechanisms, with the virtual scanner's test sheet under a
// neutral tone so that every delivered pixel can be worked out. Temporary
// files of the source go to a folder of the test's own.
#pragma once

#include "support/english_messages.h"
#include "support/message_box_watcher.h"
#include "tests/datasource/enabled_source.h"
#include "tests/datasource/test_page_rows.h"
#include "tests/engine/scoped_temp_path.h"

#include <cstdint>
#include <string>
#include <vector>

// Texts of the messages a failed transfer shows.
constexpr const char* kScannerNotReadyText = english::kScannerNotReady;
constexpr const char* kFileErrorText = english::kFileError;

class TransferSession : public EnabledSource {
protected:
    void SetUp() override;

    // The page the next open scans: mode, resolution and the frame
    // (hundredths of an inch); gamma 1.0 makes the tone neutral.
    void Page(int scanMode, int dpi, int top = 200, int left = 5, int bottom = 450, int right = 846);
    // Reads the sheet whole first to find its end.
    void DetectEndOfPage() { Setting("DetectEOP", 1); }
    // Opens the source, sets CAP_INDICATORS and enables it: state 6.
    void OpenAndEnable(bool indicators = false);
    TW_UINT16 SetIndicators(bool on);

    // What the scanner delivers for the page set up, `length` lines of it.
    ScannedPage Expected(int32_t length) const;
    std::vector<uint8_t> ExpectedRows(int32_t length) const { return ExpectedScannerRows(Expected(length)); }
    int32_t Width() const { return (right_ - left_) * dpi_ / 100; }
    int32_t Length() const { return (bottom_ - top_) * dpi_ / 100; }
    int32_t RowBytes() const { return RowBytesOf(mode_, Width()); }

    TW_UINT16 NativeTransfer(HGLOBAL& dib);
    TW_UINT16 SetFileName(const std::string& name);
    TW_UINT16 FileTransfer();
    // One DAT_IMAGEMEMXFER into `buffer` (a pointer); the answer in `strip`.
    TW_UINT16 MemoryStrip(std::vector<uint8_t>& buffer, TW_IMAGEMEMXFER& strip);
    // Memory transfers of `bufferBytes` each until the page is done or a call
    // does not succeed; the rows gathered top-down and the strips answered.
    TW_UINT16 MemoryPage(uint32_t bufferBytes, std::vector<uint8_t>& rows,
                         std::vector<TW_IMAGEMEMXFER>& strips);
    TW_UINT16 EndTransfer(TW_UINT16& count);

    // Names in the source's temporary folder.
    std::vector<std::string> TemporaryFiles() const { return FilesIn(tempFolder_); }
    // The message boxes that carried a text (progress windows carry none).
    static std::vector<SeenMessageBox> Messages(const MessageBoxWatcher& watcher);

    std::string tempFolder_ = temp_.Path() + "tmp\\";

private:
    int mode_ = 2;
    int dpi_ = 100;
    int top_ = 200, left_ = 5, bottom_ = 450, right_ = 846;
    bool detect_ = false;
    std::unique_ptr<ScopedTempPath> tempPath_;
};

// The bytes of a file or block from `offset` on.
std::vector<uint8_t> BytesFrom(const void* data, size_t size, size_t offset);
