// The calibration procedure with its real prompts and message boxes over the
// virtual scanner; the watcher answers every dialog in turn (prompts by their
// button ids, message boxes by IDOK, IDYES, IDNO) and records what it saw.
#include "support/dialog_driver.h"
#include "support/english_messages.h"
#include "support/png_file.h"
#include "ui_fixture.h"

#include "resources/calibration_prompt_ids.h"
#include "support/message_box_watcher.h"
#include "ui/calibration_dialog.h"

#include <vector>

namespace {

const char kInsertCalibrationPaper[] =
    "Please insert the black and white calibration paper face down into the scanner then press "
    "Calibrate.";
const char kInsertCleaningPaper[] =
    "Please insert the cleaning paper then press the Clean button. A few drops of alcohol placed "
    "on the cleaning paper may help if the paper alone is not effective.";
constexpr const char* kPaperNotDetected = english::kPaperNotDetected;
constexpr const char* kCalibrated = english::kCalibrated;
constexpr const char* kWhiteOnly = english::kWhiteOnlyCalibrated;
constexpr const char* kFailed = english::kCalibrationFailed;

// The icon a message box shows (its icon control has id 20 on Windows, 1088 in Wine).
HICON MessageBoxIcon(HWND box) {
    for (int id : {20, 1088}) {
        if (HWND icon = GetDlgItem(box, id))
            return reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0));
    }
    return nullptr;
}

class CalibrationDialogTest : public UiTest {
protected:
    bool Run(int kind, int captionMode, std::vector<int> answers) { return Run(io_, kind, captionMode, answers); }
    bool Run(const ScannerIo& io, int kind, int captionMode, std::vector<int> answers) {
        bool result;
        {
            MessageBoxWatcher watcher(std::move(answers));
            result = CalibrationDialog(io, &Owner(), kind, captionMode);
            seen_ = watcher.Seen();
        }
        return result;
    }
    void ExpectCaptions(const std::string& caption) {
        for (const SeenMessageBox& box : seen_) {
            EXPECT_EQ(caption, box.caption) << box.text;
            EXPECT_TRUE(box.hasOwner) << box.text;
        }
    }

    std::vector<SeenMessageBox> seen_;
};

TEST_F(CalibrationDialogTest, SheetInserted_CalibrateCalibratesAtOnce) {
    Configure("sheets", "1");
    EXPECT_TRUE(Run(kCalibrateOrClean, 0, {IDC_CALIBRATE, IDOK}));
    ASSERT_EQ(2u, seen_.size());
    EXPECT_EQ(kCalibrated, seen_[1].text);
    ExpectCaptions("Calibration Page");
    EXPECT_EQ(1, Calls("IO_IsPaperOn"));
    EXPECT_EQ(1, Calls("IO_CalibrateScanner"));
    EXPECT_NE(std::string::npos, CallLog().find("IO_CalibrateScanner mode=0 -> 1"));
    EXPECT_EQ(0, Calls("IO_Clean"));
}

TEST_F(CalibrationDialogTest, NoSheet_RemindsAsksAgainAndNoEndsWithoutCalibrating) {
    Configure("sheets", "0");
    EXPECT_FALSE(Run(kCalibrateOrClean, 0, {IDC_CALIBRATE, IDOK, IDC_CALIBRATE, IDNO}));
    ASSERT_EQ(4u, seen_.size());
    EXPECT_EQ(kInsertCalibrationPaper, seen_[1].text);
    EXPECT_EQ(kPaperNotDetected, seen_[3].text);
    ExpectCaptions("Calibration Page");
    EXPECT_EQ(2, Calls("IO_IsPaperOn"));
    EXPECT_EQ(0, Calls("IO_CalibrateScanner"));
}

TEST_F(CalibrationDialogTest, NoSheet_YesCalibratesAnyway) {
    Configure("sheets", "0");
    EXPECT_TRUE(Run(kCalibrateOnly, 0, {IDC_CALIBRATE, IDOK, IDC_CALIBRATE, IDYES, IDOK}));
    ASSERT_EQ(5u, seen_.size());
    EXPECT_EQ(kPaperNotDetected, seen_[3].text);
    EXPECT_EQ(kCalibrated, seen_[4].text);
    EXPECT_EQ(1, Calls("IO_CalibrateScanner"));
}

TEST_F(CalibrationDialogTest, QuestionDefaultsToNo) {
    Configure("sheets", "0");
    // The question is answered with Enter, which presses its default button.
    std::vector<std::string> seenTexts;
    ScriptThread script([&] {
        std::set<HWND> done;
        for (int step = 0; step < 4; ++step) {
            HWND dialog = WaitForNewDialog(done);
            if (!dialog) return;
            seenTexts.push_back(WindowText(GetDlgItem(dialog, 0xFFFF)));
            if (step == 0 || step == 2)
                PressButton(dialog, IDC_CALIBRATE);
            else
                PressKey(dialog, VK_RETURN);
            WaitUntilGone(dialog);
        }
    });
    EXPECT_FALSE(CalibrationDialog(io_, &Owner(), kCalibrateOnly, 0));
    script.Join();
    EXPECT_EQ(4u, seenTexts.size());
    EXPECT_EQ(0, Calls("IO_CalibrateScanner"));
}

TEST_F(CalibrationDialogTest, CancelInTheSecondPromptShowsNothingMore) {
    Configure("sheets", "0");
    EXPECT_FALSE(Run(kCalibrateOrClean, 0, {IDC_CALIBRATE, IDOK, IDCANCEL, IDOK}));
    EXPECT_EQ(3u, seen_.size());
    EXPECT_EQ(kInsertCalibrationPaper, seen_[1].text);
    EXPECT_EQ(1, Calls("IO_IsPaperOn"));
    EXPECT_EQ(0, Calls("IO_CalibrateScanner"));
}

TEST_F(CalibrationDialogTest, CancelAtOnceAsksNothingOfTheScanner) {
    Configure("sheets", "1");
    EXPECT_FALSE(Run(kCalibrateOrClean, 0, {IDCANCEL, IDOK}));
    EXPECT_EQ(1u, seen_.size());
    EXPECT_EQ(0, Calls("IO_IsPaperOn"));
    EXPECT_EQ(0, Calls("IO_CalibrateScanner"));
    EXPECT_EQ(0, Calls("IO_Clean"));
}

TEST_F(CalibrationDialogTest, SheetInsertedAfterTheReminder_CalibratesWithoutQuestion) {
    Configure("sheets", "0");
    std::string lastText;
    HICON reportIcon = nullptr;
    ScriptThread script([&] {
        std::set<HWND> done;
        HWND prompt = WaitForNewDialog(done);
        if (!prompt) return;
        PressButton(prompt, IDC_CALIBRATE);
        HWND reminder = WaitForNewDialog(done);
        if (!reminder) return;
        // The user puts the sheet in while the reminder is shown.
        Configure("sheets", "1");
        PressButton(reminder, IDOK);
        HWND again = WaitForNewDialog(done);
        if (!again) return;
        PressButton(again, IDC_CALIBRATE);
        HWND report = WaitForNewDialog(done);
        if (!report) return;
        lastText = WindowText(GetDlgItem(report, 0xFFFF));
        reportIcon = MessageBoxIcon(report);
        EXPECT_TRUE(SaveWindowPng(report, ScreenshotPath("calibration_successful.png")));
        PressButton(report, IDOK);
    });
    EXPECT_TRUE(CalibrationDialog(io_, &Owner(), kCalibrateOrClean, 0));
    script.Join();
    EXPECT_EQ(kCalibrated, lastText);
    EXPECT_EQ(LoadIconA(nullptr, IDI_INFORMATION), reportIcon);
    EXPECT_EQ(2, Calls("IO_IsPaperOn"));
    EXPECT_EQ(1, Calls("IO_CalibrateScanner"));
}

TEST_F(CalibrationDialogTest, WhiteOnlyLetsTheScanGoOnButRecommendsCalibratingAgain) {
    Configure("sheets", "1");
    Configure("calibration_result", "2");
    EXPECT_TRUE(Run(kCalibrateOnly, 0, {IDC_CALIBRATE, IDOK}));
    ASSERT_EQ(2u, seen_.size());
    EXPECT_EQ(kWhiteOnly, seen_[1].text);
}

TEST_F(CalibrationDialogTest, FailedCalibrationIsReportedAndReturnsFalse) {
    Configure("sheets", "1");
    Configure("calibration_result", "0");
    EXPECT_FALSE(Run(kCalibrateOnly, 0, {IDC_CALIBRATE, IDOK}));
    ASSERT_EQ(2u, seen_.size());
    EXPECT_EQ(kFailed, seen_[1].text);
    EXPECT_EQ(1, Calls("IO_CalibrateScanner"));
}

TEST_F(CalibrationDialogTest, FailureShowsTheStopIcon) {
    Configure("sheets", "1");
    Configure("calibration_result", "0");
    std::string text;
    HICON icon = nullptr;
    ScriptThread script([&] {
        std::set<HWND> done;
        HWND prompt = WaitForNewDialog(done);
        if (!prompt) return;
        PressButton(prompt, IDC_CALIBRATE);
        HWND report = WaitForNewDialog(done);
        if (!report) return;
        text = WindowText(GetDlgItem(report, 0xFFFF));
        icon = MessageBoxIcon(report);
        EXPECT_TRUE(SaveWindowPng(report, ScreenshotPath("calibration_failed.png")));
        PressButton(report, IDOK);
    });
    EXPECT_FALSE(CalibrationDialog(io_, &Owner(), kCalibrateOnly, 1));
    script.Join();
    EXPECT_EQ(kFailed, text);
    EXPECT_EQ(LoadIconA(nullptr, IDI_HAND), icon);
}

TEST_F(CalibrationDialogTest, AnyOtherNonZeroResultIsASuccess) {
    Configure("sheets", "1");
    Configure("calibration_result", "7");
    EXPECT_TRUE(Run(kCalibrateOnly, 0, {IDC_CALIBRATE, IDOK}));
    ASSERT_EQ(2u, seen_.size());
    EXPECT_EQ(kCalibrated, seen_[1].text);
}

TEST_F(CalibrationDialogTest, CleanWithSheetCleansWithoutMessages) {
    Configure("sheets", "1");
    EXPECT_TRUE(Run(kCalibrateOrClean, 0, {IDC_CLEAN, IDOK}));
    EXPECT_EQ(1u, seen_.size());
    EXPECT_EQ(1, Calls("IO_Clean"));
    EXPECT_EQ(0, Calls("IO_CalibrateScanner"));
}

TEST_F(CalibrationDialogTest, CleanWithoutSheetRemindsOfTheCleaningPaper) {
    Configure("sheets", "0");
    EXPECT_TRUE(Run(kCleanOnly, 1, {IDC_CLEAN, IDOK, IDC_CLEAN, IDYES}));
    ASSERT_EQ(4u, seen_.size());
    EXPECT_EQ(kInsertCleaningPaper, seen_[1].text);
    EXPECT_EQ(kPaperNotDetected, seen_[3].text);
    ExpectCaptions("Tavix Scanner");
    EXPECT_EQ(1, Calls("IO_Clean"));
}

TEST_F(CalibrationDialogTest, CaptionModeOneCaptionsEverythingWithTheProduct) {
    Configure("sheets", "0");
    EXPECT_TRUE(Run(kCalibrateOnly, 1, {IDC_CALIBRATE, IDOK, IDC_CALIBRATE, IDYES, IDOK}));
    ASSERT_EQ(5u, seen_.size());
    ExpectCaptions("Tavix Scanner");
}

TEST_F(CalibrationDialogTest, CaptionModeZeroUsesTheLocalizedCaptionAndTexts) {
    UseLanguage(LanguageGerman);
    Configure("sheets", "0");
    EXPECT_TRUE(Run(kCalibrateOnly, 0, {IDC_CALIBRATE, IDOK, IDC_CALIBRATE, IDYES, IDOK}));
    ASSERT_EQ(5u, seen_.size());
    ExpectCaptions("Kalibrierseite");
    EXPECT_EQ("Das Papier wurde nicht erkannt. Trotzdem fortfahren?", seen_[3].text);
    EXPECT_EQ("Die Kalibrierung war erfolgreich.\n", seen_[4].text);
}

TEST_F(CalibrationDialogTest, FrenchFailureMessage) {
    UseLanguage(LanguageFrench);
    Configure("sheets", "1");
    Configure("calibration_result", "0");
    EXPECT_FALSE(Run(kCalibrateOnly, 0, {IDC_CALIBRATE, IDOK}));
    ASSERT_EQ(2u, seen_.size());
    ExpectCaptions("Page d'\xE9talonnage");
    EXPECT_EQ("L'\xE9talonnage a \xE9" "chou\xE9.\n\nV\xE9rifiez que la feuille d'\xE9talonnage a "
              "\xE9t\xE9 correctement ins\xE9r\xE9" "e et que le scanner est pr\xEAt.",
              seen_[1].text);
}

TEST_F(CalibrationDialogTest, UnknownKindShowsNothingAndFails) {
    Configure("sheets", "1");
    EXPECT_FALSE(Run(3, 0, {IDC_CALIBRATE, IDOK}));
    EXPECT_FALSE(Run(-1, 1, {IDC_CALIBRATE, IDOK}));
    EXPECT_TRUE(seen_.empty());
    EXPECT_EQ(0, Calls("IO_IsPaperOn"));
}

TEST_F(CalibrationDialogTest, WithAnUnboundScannerTheCalibrationFails) {
    const ScannerIo unbound;
    EXPECT_FALSE(Run(unbound, kCalibrateOnly, 1, {IDC_CALIBRATE, IDOK, IDC_CALIBRATE, IDYES, IDOK}));
    ASSERT_EQ(5u, seen_.size());
    EXPECT_EQ(kFailed, seen_[4].text);
    EXPECT_EQ(0, Calls("IO_CalibrateScanner"));
}

}  // namespace
