// The calibrate, feed and clean capabilities through the built module, with
// the virtual scanner: with progress windows the real calibration prompt and
// its messages run and are answered by a second thread; without them the
// scanner is called directly and no window appears.
#include "resources/calibration_prompt_ids.h"
#include "support/dialog_finder.h"
#include "support/english_messages.h"
#include "support/png_file.h"
#include "tests/datasource/capability_session.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr TW_UINT16 kCalibrate = 0xBE01;
constexpr TW_UINT16 kFeed = 0xBE02;
constexpr TW_UINT16 kClean = 0xBE03;

constexpr const char* kScannerNotReady = english::kScannerNotReady;
constexpr const char* kCalibrated = english::kCalibrated;
constexpr const char* kWhiteOnly = english::kWhiteOnlyCalibrated;
constexpr const char* kFailed = english::kCalibrationFailed;
const char kCalibrationRequired[] = "In order to scan the scanner must first be calibrated.";
const char kInsertCleaningPaper[] =
    "Please insert the cleaning paper then press the Clean button. A few drops of alcohol placed "
    "on the cleaning paper may help if the paper alone is not effective.";

Container Bool(bool value) { return OneValue(TWTY_BOOL, value ? 1 : 0); }

// A dialog window of this process as the answering thread found it.
struct SeenDialog {
    std::string caption;
    std::string text;     // the longest text of its visible static controls
    std::string allText;  // all of them, each followed by a line feed
    bool hasOwner = false;
    bool calibrateShown = false;
    bool cleanShown = false;
};

bool Shown(HWND control) {
    return control && (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

BOOL CALLBACK VisibleStatic(HWND child, LPARAM param) {
    auto* seen = reinterpret_cast<SeenDialog*>(param);
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") != 0 || !Shown(child)) return TRUE;
    char buffer[2048] = {};
    GetWindowTextA(child, buffer, sizeof buffer);
    const std::string text = buffer;
    if (text.size() > seen->text.size()) seen->text = text;
    seen->allText += text + "\n";
    return TRUE;
}

// Answers every dialog (#32770) this process shows, in turn, by pressing the
// button ids given; the first one can be saved as a screenshot.
class DialogAnswerer {
public:
    DialogAnswerer(std::vector<int> answers, std::string screenshot = {})
        : answers_(std::move(answers)), screenshot_(std::move(screenshot)), thread_([this] { Run(); }) {}
    ~DialogAnswerer() {
        stop_ = true;
        thread_.join();
    }
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    std::vector<SeenDialog> Seen() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return seen_;
    }

private:
    void Run() {
        while (!stop_) {
            if (!AnswerOne()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    bool AnswerOne() {
        // A closed dialog's handle may be given to a later one.
        answered_.erase(std::remove_if(answered_.begin(), answered_.end(),
                                       [](HWND hwnd) { return !IsWindow(hwnd); }),
                        answered_.end());
        DialogSearch search;
        search.skip = [this](HWND hwnd) { return std::find(answered_.begin(), answered_.end(), hwnd) != answered_.end(); };
        const HWND dialog = FindDialog(search);
        if (!dialog) return false;
        // Let it finish laying out and painting.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        SeenDialog seen;
        char caption[256] = {};
        GetWindowTextA(dialog, caption, sizeof caption);
        seen.caption = caption;
        EnumChildWindows(dialog, VisibleStatic, reinterpret_cast<LPARAM>(&seen));
        seen.hasOwner = GetWindow(dialog, GW_OWNER) != nullptr;
        seen.calibrateShown = Shown(GetDlgItem(dialog, IDC_CALIBRATE));
        seen.cleanShown = Shown(GetDlgItem(dialog, IDC_CLEAN));
        if (seenCount_ == 0 && !screenshot_.empty())
            SaveWindowPng(dialog, ScreenshotPath(screenshot_));
        const int answer = answers_.empty() ? IDOK : answers_[std::min(seenCount_, answers_.size() - 1)];
        ++seenCount_;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            seen_.push_back(seen);
        }
        answered_.push_back(dialog);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, answer)));
        return true;
    }

    std::vector<int> answers_;
    std::string screenshot_;
    size_t seenCount_ = 0;
    std::vector<HWND> answered_;
    mutable std::mutex mutex_;
    std::vector<SeenDialog> seen_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

class CapabilityCommand : public CapabilitySession {
protected:
    // Sets `command` TRUE while `answers` are pressed in the dialogs that appear.
    TW_UINT16 Run(TW_UINT16 command, std::vector<int> answers, std::vector<SeenDialog>& seen,
                  const std::string& screenshot = {}) {
        DialogAnswerer answerer(std::move(answers), screenshot);
        const TW_UINT16 rc = Set(command, Bool(true));
        seen = answerer.Seen();
        return rc;
    }
    void IndicatorsOff() { ASSERT_EQ(TWRC_SUCCESS, Set(CAP_INDICATORS, Bool(false))); }
    int ScannerCalls() { return Calls("IO_CalibrateScanner") + Calls("IO_Clean") + Calls("IO_FeedOn"); }
};

TEST_F(CapabilityCommand, CalibrateWithIndicatorsRunsThePromptAndReportsSuccess) {
    OpenSource();
    std::vector<SeenDialog> seen;
    EXPECT_EQ(TWRC_SUCCESS, Run(kCalibrate, {IDC_CALIBRATE, IDOK}, seen, "capset_calibrate_prompt.png"));
    EXPECT_EQ(TWCC_SUCCESS, Condition());
    ASSERT_EQ(2u, seen.size());
    // The calibration-only prompt, captioned with the product name.
    EXPECT_EQ("Tavix Scanner", seen[0].caption);
    EXPECT_TRUE(seen[0].calibrateShown);
    EXPECT_FALSE(seen[0].cleanShown);
    EXPECT_NE(std::string::npos, seen[0].allText.find(std::string(kCalibrationRequired) + "\n"))
        << seen[0].allText;
    EXPECT_EQ("Tavix Scanner", seen[1].caption);
    EXPECT_EQ(kCalibrated, seen[1].text);
    EXPECT_EQ(1, Calls("IO_CalibrateScanner"));
    EXPECT_NE(std::string::npos, CallLog().find("IO_CalibrateScanner mode=0 -> 1"));
    EXPECT_EQ(0, Calls("IO_Clean"));
}

TEST_F(CapabilityCommand, CalibrateWithIndicatorsWhiteOnlyStillSucceeds) {
    OpenSource();
    ASSERT_TRUE(Configure("calibration_result", "2"));
    std::vector<SeenDialog> seen;
    EXPECT_EQ(TWRC_SUCCESS, Run(kCalibrate, {IDC_CALIBRATE, IDOK}, seen));
    ASSERT_EQ(2u, seen.size());
    EXPECT_EQ(kWhiteOnly, seen[1].text);
    EXPECT_EQ(1, Calls("IO_CalibrateScanner"));
}

TEST_F(CapabilityCommand, CalibrateWithIndicatorsFailingIsABummer) {
    OpenSource();
    ASSERT_TRUE(Configure("calibration_result", "0"));
    std::vector<SeenDialog> seen;
    EXPECT_EQ(TWRC_FAILURE, Run(kCalibrate, {IDC_CALIBRATE, IDOK}, seen));
    EXPECT_EQ(TWCC_BUMMER, Condition());
    ASSERT_EQ(2u, seen.size());
    EXPECT_EQ(kFailed, seen[1].text);
    EXPECT_EQ("Tavix Scanner", seen[1].caption);
}

TEST_F(CapabilityCommand, CalibrateWithIndicatorsCancelledIsABummerWithoutCalibrating) {
    OpenSource();
    std::vector<SeenDialog> seen;
    EXPECT_EQ(TWRC_FAILURE, Run(kCalibrate, {IDCANCEL}, seen));
    EXPECT_EQ(TWCC_BUMMER, Condition());
    EXPECT_EQ(1u, seen.size());
    EXPECT_EQ(0, ScannerCalls());
}

TEST_F(CapabilityCommand, CleanWithIndicatorsRunsTheCleaningPrompt) {
    OpenSource();
    std::vector<SeenDialog> seen;
    EXPECT_EQ(TWRC_SUCCESS, Run(kClean, {IDC_CLEAN}, seen, "capset_clean_prompt.png"));
    EXPECT_EQ(TWCC_SUCCESS, Condition());
    // Cleaning reports nothing afterwards.
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Tavix Scanner", seen[0].caption);
    EXPECT_FALSE(seen[0].calibrateShown);
    EXPECT_TRUE(seen[0].cleanShown);
    EXPECT_EQ(kInsertCleaningPaper, seen[0].text);
    EXPECT_EQ(1, Calls("IO_Clean"));
    EXPECT_EQ(0, Calls("IO_CalibrateScanner"));
}

TEST_F(CapabilityCommand, CleanWithIndicatorsCancelledIsABummer) {
    OpenSource();
    std::vector<SeenDialog> seen;
    EXPECT_EQ(TWRC_FAILURE, Run(kClean, {IDCANCEL}, seen));
    EXPECT_EQ(TWCC_BUMMER, Condition());
    EXPECT_EQ(1u, seen.size());
    EXPECT_EQ(0, ScannerCalls());
}

TEST_F(CapabilityCommand, OfflineWithIndicatorsCalibrateAndCleanTellTheScannerIsNotReady) {
    OpenSource(false);
    for (TW_UINT16 command : {kCalibrate, kClean}) {
        std::vector<SeenDialog> seen;
        EXPECT_EQ(TWRC_FAILURE, Run(command, {IDOK}, seen)) << command;
        EXPECT_EQ(TWCC_BUMMER, Condition()) << command;
        ASSERT_EQ(1u, seen.size()) << command;
        EXPECT_EQ("Tavix Scanner", seen[0].caption);
        EXPECT_EQ(kScannerNotReady, seen[0].text);
        EXPECT_FALSE(seen[0].hasOwner);
    }
    EXPECT_EQ(0, ScannerCalls());
}

TEST_F(CapabilityCommand, CalibrateWithoutIndicatorsCallsTheScannerAtOnce) {
    OpenSource();
    IndicatorsOff();
    const struct {
        const char* result;
        TW_UINT16 rc;
        TW_UINT16 condition;
    } cases[] = {
        {"1", TWRC_SUCCESS, TWCC_SUCCESS},
        {"7", TWRC_SUCCESS, TWCC_SUCCESS},
        {"2", TWRC_CHECKSTATUS, TWCC_BUMMER},
        {"0", TWRC_FAILURE, TWCC_BUMMER},
    };
    int calls = 0;
    for (const auto& c : cases) {
        ASSERT_TRUE(Configure("calibration_result", c.result));
        std::vector<SeenDialog> seen;
        EXPECT_EQ(c.rc, Run(kCalibrate, {IDCANCEL}, seen)) << c.result;
        EXPECT_EQ(c.condition, Condition()) << c.result;
        EXPECT_TRUE(seen.empty()) << c.result;
        EXPECT_EQ(++calls, Calls("IO_CalibrateScanner")) << c.result;
    }
    EXPECT_NE(std::string::npos, CallLog().find("IO_CalibrateScanner mode=0 -> 2"));
}

TEST_F(CapabilityCommand, CalibrateWithoutIndicatorsOfflineFails) {
    OpenSource(false);
    IndicatorsOff();
    std::vector<SeenDialog> seen;
    EXPECT_EQ(TWRC_FAILURE, Run(kCalibrate, {IDCANCEL}, seen));
    EXPECT_EQ(TWCC_BUMMER, Condition());
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(0, ScannerCalls());
}

TEST_F(CapabilityCommand, CleanWithoutIndicatorsCleansWhenOnline) {
    OpenSource();
    IndicatorsOff();
    std::vector<SeenDialog> seen;
    EXPECT_EQ(TWRC_SUCCESS, Run(kClean, {IDCANCEL}, seen));
    EXPECT_EQ(TWCC_SUCCESS, Condition());
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(1, Calls("IO_Clean"));
}

TEST_F(CapabilityCommand, CleanWithoutIndicatorsOfflineStillSucceeds) {
    OpenSource(false);
    IndicatorsOff();
    std::vector<SeenDialog> seen;
    EXPECT_EQ(TWRC_SUCCESS, Run(kClean, {IDCANCEL}, seen));
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(0, ScannerCalls());
}

TEST_F(CapabilityCommand, FeedSwitchesTheFeederOnWhenOnline) {
    OpenSource();
    std::vector<SeenDialog> seen;
    EXPECT_EQ(TWRC_SUCCESS, Run(kFeed, {IDCANCEL}, seen));
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(1, Calls("IO_FeedOn"));
    EXPECT_EQ(TWRC_SUCCESS, Set(kFeed, Bool(false)));
    EXPECT_EQ(1, Calls("IO_FeedOn"));
    // Any nonzero value is TRUE.
    EXPECT_EQ(TWRC_SUCCESS, Set(kFeed, OneValue(TWTY_BOOL, 0x8000)));
    EXPECT_EQ(2, Calls("IO_FeedOn"));
}

TEST_F(CapabilityCommand, FeedOfflineSucceedsWithoutCallingTheScanner) {
    OpenSource(false);
    std::vector<SeenDialog> seen;
    EXPECT_EQ(TWRC_SUCCESS, Run(kFeed, {IDCANCEL}, seen));
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(0, ScannerCalls());
}

TEST_F(CapabilityCommand, FalseRunsNothingEvenWithIndicators) {
    OpenSource();
    DialogAnswerer answerer({IDCANCEL});
    for (TW_UINT16 command : {kCalibrate, kFeed, kClean}) {
        EXPECT_EQ(TWRC_SUCCESS, Set(command, Bool(false))) << command;
        EXPECT_EQ(TWCC_SUCCESS, Condition()) << command;
    }
    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_EQ(0, ScannerCalls());
}

}  // namespace
