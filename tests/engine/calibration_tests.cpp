// The calibration procedure with scripted answers over the virtual scanner:
// which prompts and messages come in which order, with which icons, and what
// the library is asked.
#include "engine/calibration.h"
#include "engine/scanner_io.h"
#include "localization/text_table.h"
#include "virtual_scanner.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace {

// Answers from a script and records every step as "ask", "tell:<English text>:<icon>"
// or "confirm:<English text>".
class ScriptedPrompts final : public CalibrationPrompts {
public:
    ScriptedPrompts(std::deque<CalibrationChoice> choices, std::deque<bool> confirmations)
        : choices_(std::move(choices)), confirmations_(std::move(confirmations)) {}

    CalibrationChoice AskForSheet() override {
        steps.push_back("ask");
        if (choices_.empty()) return CalibrationChoice::Cancel;
        const CalibrationChoice choice = choices_.front();
        choices_.pop_front();
        return choice;
    }
    void Tell(const LocalizedText& text, UINT icon) override {
        steps.push_back("tell:" + std::string(text.Text[0]) + ":" + std::to_string(icon));
    }
    bool Confirm(const LocalizedText& text) override {
        steps.push_back("confirm:" + std::string(text.Text[0]));
        if (confirmations_.empty()) return false;
        const bool answer = confirmations_.front();
        confirmations_.pop_front();
        return answer;
    }

    std::vector<std::string> steps;

private:
    std::deque<CalibrationChoice> choices_;
    std::deque<bool> confirmations_;
};

std::string Tell(const LocalizedText& text, UINT icon) {
    return "tell:" + std::string(text.Text[0]) + ":" + std::to_string(icon);
}
std::string Confirm(const LocalizedText& text) { return "confirm:" + std::string(text.Text[0]); }

class CalibrationProcedure : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(io_.Load(VirtualScannerPath().c_str()));
        scanner_ = std::make_unique<VirtualScannerControl>(io_.Library());
        ASSERT_TRUE(scanner_->Valid());
        scanner_->reset();
    }
    void TearDown() override {
        scanner_.reset();
        io_.Close();
    }
    void Configure(const char* key, const char* value) {
        ASSERT_EQ(1, scanner_->configure(key, value)) << key;
    }
    size_t Calls(const char* name) const { return scanner_->Calls(name); }

    ScannerIo io_;
    std::unique_ptr<VirtualScannerControl> scanner_;
};

using C = CalibrationChoice;

TEST_F(CalibrationProcedure, SheetPresent_CalibratesAtOnceAndReportsSuccess) {
    Configure("sheets", "1");
    ScriptedPrompts prompts({C::Calibrate}, {});
    EXPECT_TRUE(RunCalibrationProcedure(io_, prompts));
    EXPECT_EQ((std::vector<std::string>{"ask", Tell(texts::CalibrationSuccessful, MB_ICONINFORMATION)}),
              prompts.steps);
    EXPECT_EQ(1u, Calls("IO_CalibrateScanner"));
}

TEST_F(CalibrationProcedure, NoSheet_RemindsAsksAgainThenQuestionWithNo) {
    Configure("sheets", "0");
    ScriptedPrompts prompts({C::Calibrate, C::Calibrate}, {false});
    EXPECT_FALSE(RunCalibrationProcedure(io_, prompts));
    EXPECT_EQ((std::vector<std::string>{"ask", Tell(texts::InsertCalibrationPaper, MB_ICONINFORMATION),
                                        "ask", Confirm(texts::PaperNotDetectedContinue)}),
              prompts.steps);
    EXPECT_EQ(0u, Calls("IO_CalibrateScanner"));
    EXPECT_EQ(2u, Calls("IO_IsPaperOn"));
}

TEST_F(CalibrationProcedure, SecondAnswerReplacesTheFirst) {
    // Clean first, then Calibrate after the cleaning reminder: it calibrates.
    Configure("sheets", "0");
    ScriptedPrompts prompts({C::Clean, C::Calibrate}, {true});
    EXPECT_TRUE(RunCalibrationProcedure(io_, prompts));
    ASSERT_EQ(5u, prompts.steps.size());
    EXPECT_EQ(Tell(texts::InsertCleaningPaper, MB_ICONINFORMATION), prompts.steps[1]);
    EXPECT_EQ(Tell(texts::CalibrationSuccessful, MB_ICONINFORMATION), prompts.steps[4]);
    EXPECT_EQ(1u, Calls("IO_CalibrateScanner"));
    EXPECT_EQ(0u, Calls("IO_Clean"));
}

TEST_F(CalibrationProcedure, CancelInTheSecondPromptEndsQuietly) {
    Configure("sheets", "0");
    ScriptedPrompts prompts({C::Calibrate, C::Cancel}, {true});
    EXPECT_FALSE(RunCalibrationProcedure(io_, prompts));
    EXPECT_EQ(3u, prompts.steps.size());
    EXPECT_EQ(1u, Calls("IO_IsPaperOn"));
}

TEST_F(CalibrationProcedure, OutcomesByLibraryResult) {
    Configure("sheets", "1");
    const struct {
        const char* result;
        bool ok;
        const LocalizedText* text;
        UINT icon;
    } cases[] = {
        {"0", false, &texts::CalibrationFailed, MB_ICONSTOP},
        {"2", true, &texts::WhiteOnlyCalibrationSuccessful, MB_ICONINFORMATION},
        {"1", true, &texts::CalibrationSuccessful, MB_ICONINFORMATION},
        {"-3", true, &texts::CalibrationSuccessful, MB_ICONINFORMATION},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        Configure("calibration_result", c.result);
        ScriptedPrompts prompts({C::Calibrate}, {});
        EXPECT_EQ(c.ok, RunCalibrationProcedure(io_, prompts));
        EXPECT_EQ((std::vector<std::string>{"ask", Tell(*c.text, c.icon)}), prompts.steps);
    }
}

TEST_F(CalibrationProcedure, OutcomeOfResults) {
    EXPECT_EQ(CalibrationOutcome::Failed, CalibrationOutcomeOf(0));
    EXPECT_EQ(CalibrationOutcome::WhiteOnly, CalibrationOutcomeOf(2));
    EXPECT_EQ(CalibrationOutcome::Calibrated, CalibrationOutcomeOf(1));
    EXPECT_EQ(CalibrationOutcome::Calibrated, CalibrationOutcomeOf(-1));
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), CalibrationOutcomeIcon(CalibrationOutcome::Failed));
}

TEST_F(CalibrationProcedure, CleaningIgnoresTheLibrarysAnswerAndReportsNothing) {
    Configure("sheets", "1");
    ScriptedPrompts prompts({C::Clean}, {});
    EXPECT_TRUE(RunCalibrationProcedure(io_, prompts));
    EXPECT_EQ(std::vector<std::string>{"ask"}, prompts.steps);
    EXPECT_EQ(1u, Calls("IO_Clean"));
}

TEST_F(CalibrationProcedure, PaperIsAskedAfreshNotFromTheCache) {
    // The sensor lamp's cached answer says paper; the sheet has gone since.
    Configure("sheets", "1");
    ASSERT_TRUE(io_.IsPaperOn(false));
    Configure("sheets", "0");
    ASSERT_TRUE(io_.IsPaperOn(true));
    ScriptedPrompts prompts({C::Calibrate, C::Cancel}, {});
    EXPECT_FALSE(RunCalibrationProcedure(io_, prompts));
    ASSERT_GE(prompts.steps.size(), 2u);
    EXPECT_EQ(Tell(texts::InsertCalibrationPaper, MB_ICONINFORMATION), prompts.steps[1]);
}

TEST(CalibrationProcedureUnbound, UnboundLibraryFailsTheCalibration) {
    ScannerIo io;
    ScriptedPrompts prompts({C::Calibrate, C::Calibrate}, {true});
    EXPECT_FALSE(RunCalibrationProcedure(io, prompts));
    ASSERT_EQ(5u, prompts.steps.size());
    EXPECT_EQ(Tell(texts::CalibrationFailed, MB_ICONSTOP), prompts.steps[4]);
}

}  // namespace
