#include "engine/page_bracket.h"
#include "engine/scan_error.h"
#include "localization/language.h"
#include "tests/engine/profile_fixture.h"
#include "tests/engine/virtual_scanner.h"

#include <cstdio>
#include <memory>

namespace {

class PageBracketTest : public ProfileFixture {
protected:
    void SetUp() override {
        ProfileFixture::SetUp();
        ASSERT_TRUE(io_.Load(VirtualScannerPath().c_str()));
        control_ = std::make_unique<VirtualScannerControl>(io_.Library());
        ASSERT_TRUE(control_->Valid());
        control_->reset();
        settings_ = {};
        LoadSettings("NONE", &settings_, negotiated_);
    }
    void TearDown() override {
        sheet_.End();
        io_.Close();
        ProfileFixture::TearDown();
    }
    std::string Hex(const ScanSettings& s) {
        std::string hex;
        const auto* bytes = reinterpret_cast<const unsigned char*>(&s);
        for (size_t i = 0; i < sizeof s; ++i) {
            char digits[3];
            std::snprintf(digits, sizeof digits, "%02X", bytes[i]);
            hex += digits;
        }
        return hex;
    }

    std::unique_ptr<VirtualScannerControl> control_;
    ScanSettings settings_{};
};

TEST_F(PageBracketTest, ScannerReceivesTheAdjustedCopy) {
    settings_.Shadow = 300;
    settings_.Highlight = 100;
    settings_.Gamma = 18;
    settings_.DetectEOP = 1;
    ScanSettings expected = settings_;
    expected.Shadow = 254;
    expected.Highlight = 255;
    expected.Gamma = 10;
    expected.StartFlag = 1;
    ASSERT_EQ(0, sheet_.Start(settings_));
    EXPECT_NE(std::string::npos, control_->CallLog().find("settings=" + Hex(expected)))
        << control_->CallLog();
    // The caller's record is left as it was.
    EXPECT_EQ(300, settings_.Shadow);
    EXPECT_EQ(0, settings_.StartFlag);
}

TEST_F(PageBracketTest, HighlightIsRaisedAboveTheShadow) {
    ScanSettings s = settings_;
    s.Shadow = 200;
    s.Highlight = 150;
    ScanSettings adjusted = AdjustedForScanner(s);
    EXPECT_EQ(200, adjusted.Shadow);
    EXPECT_EQ(201, adjusted.Highlight);
    s.Shadow = -4;
    s.Highlight = 255;
    adjusted = AdjustedForScanner(s);
    EXPECT_EQ(0, adjusted.Shadow);
    EXPECT_EQ(255, adjusted.Highlight);
}

TEST_F(PageBracketTest, SecondStartDoesNotReachTheScannerAndEndEjectsOnce) {
    ASSERT_EQ(0, sheet_.Start(settings_));
    EXPECT_TRUE(sheet_.Started());
    EXPECT_EQ(0, sheet_.Start(settings_));
    EXPECT_EQ(1u, control_->Calls("IO_StartScanPage"));
    EXPECT_EQ(1, sheet_.End());
    EXPECT_FALSE(sheet_.Started());
    EXPECT_EQ(0, sheet_.End());
    EXPECT_EQ(1u, control_->Calls("IO_EndScanPage"));
    EXPECT_EQ(1u, control_->Calls("IO_FeedPage"));
    const std::string log = control_->CallLog();
    EXPECT_LT(log.find("IO_EndScanPage"), log.find("IO_FeedPage"));
}

TEST_F(PageBracketTest, RefusedStartLeavesNoSheetStarted) {
    control_->configure("page_start_fails", "1");
    EXPECT_EQ(1, sheet_.Start(settings_));
    EXPECT_FALSE(sheet_.Started());
    EXPECT_EQ(0, sheet_.End());
    EXPECT_EQ(0u, control_->Calls("IO_FeedPage"));
}

TEST_F(PageBracketTest, NoPaperRefusesTheStart) {
    control_->configure("sheets", "0");
    EXPECT_EQ(1, sheet_.Start(settings_));
}

// Each test has an application object of its own, and so a language fresh
// from its profile.
class ScanErrorTextTest : public ProfileFixture {};

TEST_F(ScanErrorTextTest, EveryCodeHasItsMessageInTheCurrentLanguage) {
    SetLanguage(LanguageEnglish);
    EXPECT_EQ("Scan aborted by user.", ScanErrorText(kScanCancelled));
    EXPECT_EQ("Scan aborted because a file access or read/write error occurred.",
              ScanErrorText(kScanFileError));
    EXPECT_EQ("Scan aborted because not enough memory is available.", ScanErrorText(kScanOutOfMemory));
    EXPECT_EQ(0u, ScanErrorText(kScanScannerError).find("The scan was aborted because the scanner"));
    SetLanguage(LanguageGerman);
    EXPECT_NE(ScanErrorText(kScanCancelled), "Scan aborted by user.");
    EXPECT_FALSE(ScanErrorText(kScanCancelled).empty());
}

TEST_F(ScanErrorTextTest, UnknownCodesAreInscrutibleInEveryLanguage) {
    for (LanguageId language : {LanguageEnglish, LanguageFrench, LanguageGerman}) {
        SetLanguage(language);
        EXPECT_EQ("Inscrutible error", ScanErrorText(0));
        EXPECT_EQ("Inscrutible error", ScanErrorText(5));
        EXPECT_EQ("Inscrutible error", ScanErrorText(-1));
    }
}

}  // namespace
