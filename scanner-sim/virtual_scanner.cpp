#include "virtual_scanner.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "control_file.h"
#include "scan_record.h"
#include "tone_curve.h"

namespace {

// Copies `text` into a caller's buffer of `size` bytes, cut to fit.
void CopyText(char* buffer, size_t size, const std::string& text) {
    if (!buffer || size == 0) return;
    const size_t count = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
}

bool EqualIgnoringCase(const char* a, const std::string& b) {
    const size_t n = std::strlen(a);
    if (n != b.size()) return false;
    for (size_t i = 0; i < n; ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

}  // namespace

VirtualScanner::VirtualScanner() { Reset(); }

void VirtualScanner::Reset() {
    config_ = ScannerConfig();
    page_.reset();
    lastPage_.reset();
    RefillFeeder();
    calibrationNeeded_ = config_.calibrationNeeded;
    controlRead_ = false;
    log_.Clear();
}

void VirtualScanner::RefillFeeder() {
    page_.reset();
    lastPage_.reset();
    feeder_.Load(config_, feederNote_);
}

int32_t VirtualScanner::Configure(const char* key, const char* value) {
    if (!key || !value) return 0;
    ReadControlOnFirstUse();
    if (ApplySetting(config_, key, value) != SettingResult::Applied) return 0;
    if (IsFeederKey(key)) RefillFeeder();
    if (IsCalibrationKey(key)) calibrationNeeded_ = config_.calibrationNeeded;
    return 1;
}

std::string VirtualScanner::ApplyControlFile() {
    controlRead_ = true;
    const std::string path = ControlFilePath();
    if (path.empty()) return std::string();
    std::vector<std::pair<std::string, std::string>> entries;
    if (!ReadControlFile(path, entries)) return "control file missing: " + path;
    config_ = ScannerConfig();
    std::string rejected;
    for (const auto& entry : entries) {
        if (ApplySetting(config_, entry.first, entry.second) != SettingResult::Applied)
            rejected += (rejected.empty() ? "" : ",") + entry.first;
    }
    RefillFeeder();
    calibrationNeeded_ = config_.calibrationNeeded;
    std::string note = "control " + path;
    if (!rejected.empty()) note += "; ignored " + rejected;
    if (!feederNote_.empty()) note += "; " + feederNote_;
    return note;
}

void VirtualScanner::ReadControlOnFirstUse() {
    if (!controlRead_) ApplyControlFile();
}

void VirtualScanner::LogInternalError(const char* function, int32_t result) {
    CallLine line(function);
    Log(line, result, "internal error");
}

int32_t VirtualScanner::Log(CallLine& line, int32_t result, const std::string& reason) {
    line.Result(result);
    line.Reason(reason);
    log_.Add(line.Str());
    return result;
}

bool VirtualScanner::ModelMatches(const char* model) const {
    if (!model) return false;
    return config_.model.empty() || EqualIgnoringCase(model, config_.model);
}

int32_t VirtualScanner::HasScanner(const char* model) {
    CallLine line("IO_HasScanner");
    line.Text("model", model);
    if (config_.noScanner) return Log(line, 0, "fault no_scanner");
    if (!ModelMatches(model)) return Log(line, 0, "unknown model");
    return Log(line, 1);
}

int32_t VirtualScanner::OpenInterface(const char* model) {
    CallLine line("IO_OpenInterface");
    line.Text("model", model);
    std::string note = ApplyControlFile();
    auto with = [&note](const char* why) {
        return note.empty() ? std::string(why) : why + ("; " + note);
    };
    if (config_.noScanner) return Log(line, 1, with("fault no_scanner"));
    if (config_.openFails) return Log(line, 1, with("fault open_fails"));
    if (!ModelMatches(model)) return Log(line, 1, with("unknown model"));
    return Log(line, 0, note);
}

int32_t VirtualScanner::CloseInterface() {
    CallLine line("IO_CloseInterface");
    EndPageSession();
    return Log(line, 1);
}

int32_t VirtualScanner::StartScan() {
    CallLine line("IO_StartScan");
    if (config_.startScanFails) return Log(line, 0, "fault start_scan_fails");
    return Log(line, 1);
}

int32_t VirtualScanner::EndScan() {
    CallLine line("IO_EndScan");
    return Log(line, 1);
}

int32_t VirtualScanner::GetPageDimension(const void* settings, int32_t* width, int32_t* length) {
    CallLine line("IO_GetPageDimension");
    if (!settings) {
        line.Arg("settings", std::string("null"));
        return Log(line, 0, "no settings");
    }
    line.Arg("settings", RecordHex(settings));
    line.Pointer("width", width).Pointer("length", length);
    if (!width || !length) return Log(line, 0, "no result pointer");
    if (config_.pageDimensionFails) return Log(line, 0, "fault page_dimension_fails");
    PageGeometry geometry{};
    const char* reason = nullptr;
    if (!GeometryOf(ReadScanRecord(settings), geometry, reason)) return Log(line, 0, reason);
    *width = geometry.pixelsPerLine;
    *length = geometry.lines;
    line.Result(1);
    line.Arg("width", geometry.pixelsPerLine).Arg("length", geometry.lines);
    log_.Add(line.Str());
    return 1;
}

int32_t VirtualScanner::StartScanPage(const void* settings, int32_t* out1, int32_t* out2) {
    CallLine line("IO_StartScanPage");
    if (!settings) {
        line.Arg("settings", std::string("null"));
        return Log(line, 0, "no settings");
    }
    line.Arg("settings", RecordHex(settings));
    EndPageSession();
    if (config_.pageStartFails) return Log(line, 0, "fault page_start_fails");
    if (!feeder_.PaperOn()) return Log(line, 0, "no paper");
    const ScanRecord record = ReadScanRecord(settings);
    PageGeometry geometry{};
    const char* reason = nullptr;
    if (!GeometryOf(record, geometry, reason)) return Log(line, 0, reason);
    std::string error;
    std::unique_ptr<PaperSheet> sheet = feeder_.OpenCurrent(error);
    if (!sheet) return Log(line, 0, error);
    page_ =
        std::make_unique<PageSession>(record, geometry, std::move(sheet),
                                      PageFaults{config_.emptyBlocks, config_.blockFailsAfterRows});
    // The data source ignores these; tests may read the page geometry here.
    if (out1) *out1 = geometry.pixelsPerLine;
    if (out2) *out2 = geometry.lines;
    line.Result(1);
    line.Arg("width", geometry.pixelsPerLine).Arg("lines", geometry.lines);
    line.Arg("edge", page_->TrailingEdgeRow());
    log_.Add(line.Str());
    return 1;
}

int32_t VirtualScanner::EndScanPage() {
    CallLine line("IO_EndScanPage");
    const bool open = page_ != nullptr;
    EndPageSession();
    return Log(line, open ? 1 : 0, open ? std::string() : "no page started");
}

int32_t VirtualScanner::GetImageBlock(void* buffer, int32_t lines, int32_t* endOfPage,
                                      int32_t width, int32_t side) {
    CallLine line("IO_GetImageBlock");
    line.Pointer("buffer", buffer).Arg("lines", lines).Arg("width", width).Arg("side", side);
    BlockResult result{-1, false, nullptr};
    if (!buffer)
        result.failure = "no buffer";
    else if (lines < 1)
        result.failure = "lines below 1";
    else if (page_) {
        if (config_.blockDelayMs > 0) Sleep(static_cast<DWORD>(config_.blockDelayMs));
        result = ReadFaulty(*page_, static_cast<uint8_t*>(buffer), lines, width, side);
    } else if (config_.rowsWithoutPage && lastPage_) {
        // The rows go on where the last page stopped, as wide as it was.
        result = ReadFaulty(*lastPage_, static_cast<uint8_t*>(buffer), lines,
                            lastPage_->Geometry().pixelsPerLine, side);
        if (!result.failure) result.failure = "fault rows_without_page";
    } else {
        result.failure = "no page started";
    }
    if (endOfPage) *endOfPage = result.endOfPage ? 1 : 0;
    line.Result(result.rows);
    line.Arg("eop", endOfPage ? std::to_string(result.endOfPage ? 1 : 0) : std::string("null"));
    if (result.failure) line.Reason(result.failure);
    log_.Add(line.Str());
    return result.rows;
}

BlockResult VirtualScanner::ReadFaulty(PageSession& session, uint8_t* buffer, int32_t lines,
                                       int32_t width, int32_t side) {
    const int32_t asked = lines + config_.extraRows;
    if (config_.wideRows == 0) return session.Read(buffer, asked, width, side);
    // Rows made as usual, then written further apart, the gaps filled.
    const size_t stride = static_cast<size_t>(session.Geometry().stride);
    const size_t wider = stride + static_cast<size_t>(config_.wideRows);
    std::vector<uint8_t> rows(static_cast<size_t>(asked) * stride);
    const BlockResult result = session.Read(rows.data(), asked, width, side);
    for (int32_t i = 0; i < result.rows; ++i) {
        uint8_t* row = buffer + static_cast<size_t>(i) * wider;
        std::memcpy(row, rows.data() + static_cast<size_t>(i) * stride, stride);
        std::memset(row + stride, 0xEE, wider - stride);
    }
    return result;
}

void VirtualScanner::EndPageSession() {
    if (page_) lastPage_ = std::move(page_);
}

int32_t VirtualScanner::CalibrateScanner(int32_t mode) {
    CallLine line("IO_CalibrateScanner");
    line.Arg("mode", mode);
    const int32_t result = config_.calibrationResult;
    if (result != 0) calibrationNeeded_ = false;
    return Log(line, result);
}

int32_t VirtualScanner::IsCalibrationNeeded() {
    CallLine line("IO_IsCalibrationNeeded");
    return Log(line, calibrationNeeded_ ? 1 : 0);
}

int32_t VirtualScanner::FeedOn() {
    CallLine line("IO_FeedOn");
    line.Result(1);
    line.Arg("sheets", static_cast<int64_t>(feeder_.Count()));
    log_.Add(line.Str());
    return 1;
}

int32_t VirtualScanner::FeedPage() {
    CallLine line("IO_FeedPage");
    EndPageSession();
    const bool ejected = feeder_.Eject();
    line.Result(ejected ? 1 : 0);
    line.Arg("sheets", static_cast<int64_t>(feeder_.Count()));
    if (!ejected) line.Reason("no paper");
    log_.Add(line.Str());
    return ejected ? 1 : 0;
}

int32_t VirtualScanner::Clean() {
    CallLine line("IO_Clean");
    return Log(line, 1);
}

int32_t VirtualScanner::IsPaperOn() {
    CallLine line("IO_IsPaperOn");
    return Log(line, feeder_.PaperOn() ? 1 : 0);
}

int32_t VirtualScanner::IsButtonOn() {
    CallLine line("IO_IsButtonOn");
    return Log(line, config_.button ? 1 : 0);
}

int32_t VirtualScanner::AdjustChannelValue(uint8_t* table, int32_t brightness, int32_t contrast,
                                           int32_t gammaMinus8, int32_t highlight, int32_t shadow) {
    CallLine line("IO_AdjustChannelValue");
    line.Pointer("table", table)
        .Arg("brightness", brightness)
        .Arg("contrast", contrast)
        .Arg("gamma", gammaMinus8)
        .Arg("highlight", highlight)
        .Arg("shadow", shadow);
    if (!table) return Log(line, 0, "no table");
    BuildToneTable({FromLowWord(brightness), FromLowWord(contrast), FromLowWord(gammaMinus8),
                    FromLowWord(highlight), FromLowWord(shadow)},
                   table);
    return Log(line, 1);
}

int32_t VirtualScanner::HardwareCheck(char* config, char* interfaceText, char* text3, char* text4,
                                      char* text5, int32_t* number6, int32_t* number7,
                                      int32_t* number8) {
    CallLine line("IO_HardwareCheck");
    line.Pointer("config", config).Pointer("interface", interfaceText);
    // The data source passes 50 and 32 byte buffers; the last three texts may
    // all be the same buffer, as may the three numbers.
    CopyText(config, 50, config_.configText);
    CopyText(interfaceText, 32, config_.interfaceText);
    for (char* text : {text3, text4, text5}) CopyText(text, 32, "None");
    for (int32_t* number : {number6, number7, number8})
        if (number) *number = 0;
    if (!config || !interfaceText) return Log(line, 0, "no text buffer");
    return Log(line, 1);
}
