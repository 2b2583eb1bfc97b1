// The calibration and cleaning prompts (templates 325, 326, 327) run modally
// while a second thread reads them and presses their buttons.
#include "support/dialog_driver.h"
#include "support/png_file.h"
#include "ui_fixture.h"

#include "localization/text_table.h"
#include "resources/calibration_prompt_ids.h"
#include "ui/calibration_prompt_dialog.h"

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

namespace {

const int kControlIds[] = {IDC_CALIBRATE, IDC_CLEAN, IDCANCEL, IDC_CALIBRATION_REQUIRED_TEXT,
                           IDC_CALIBRATION_PAPER_TEXT, IDC_CLEANING_PAPER_TEXT};

bool IsStaticText(int id) { return id >= IDC_CALIBRATION_REQUIRED_TEXT && id <= IDC_CLEANING_PAPER_TEXT; }

// What the script thread saw of a prompt.
struct PromptView {
    bool found = false;
    std::string caption;
    HWND owner = nullptr;
    RECT client = {};
    std::map<int, std::string> texts;
    std::map<int, bool> shown;
    std::map<int, RECT> rects;
    std::vector<int> clipped;
    bool hasOkButton = false;
    bool iconShown = false;
    int defaultId = 0;
    bool stayedOpen = false;
};

BOOL CALLBACK FindShownIcon(HWND child, LPARAM param) {
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsShown(child) &&
        SendMessageA(child, STM_GETICON, 0, 0) != 0)
        *reinterpret_cast<bool*>(param) = true;
    return TRUE;
}

PromptView Read(HWND dialog) {
    PromptView view;
    view.found = true;
    view.caption = WindowText(dialog);
    view.owner = GetWindow(dialog, GW_OWNER);
    GetClientRect(dialog, &view.client);
    for (int id : kControlIds) {
        HWND control = GetDlgItem(dialog, id);
        if (!control) continue;
        view.texts[id] = WindowText(control);
        view.shown[id] = IsShown(control);
        view.rects[id] = RectInDialog(dialog, control);
        if (view.shown[id] && !TextFits(control, IsStaticText(id))) view.clipped.push_back(id);
    }
    view.hasOkButton = GetDlgItem(dialog, IDOK) != nullptr;
    EnumChildWindows(dialog, FindShownIcon, reinterpret_cast<LPARAM>(&view.iconShown));
    const LRESULT defId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(defId) == DC_HASDEFID) view.defaultId = LOWORD(defId);
    return view;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlaps(const RECT& a, const RECT& b) {
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

class CalibrationPromptTest : public UiTest {
protected:
    // Runs the prompt; the script reads it, saves `screenshot` (when given)
    // and then acts. A prompt that the action did not close is cancelled.
    PromptView Run(UINT templateId, const char* caption, const std::function<void(HWND)>& act,
                   const char* screenshot = nullptr) {
        PromptView view;
        ScriptThread script([&] {
            std::set<HWND> done;
            HWND dialog = WaitForNewDialog(done);
            if (!dialog) return;
            view = Read(dialog);
            if (screenshot) {
                RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                Sleep(100);
                EXPECT_TRUE(SaveWindowPng(dialog, ScreenshotPath(screenshot)));
            }
            act(dialog);
            if (!WaitUntilGone(dialog, 1500)) {
                view.stayedOpen = true;
                PressButton(dialog, IDCANCEL);
                WaitUntilGone(dialog);
            }
        });
        CalibrationPromptDialog dialog(&Owner(), templateId, caption);
        result_ = dialog.DoModal();
        script.Join();
        EXPECT_FALSE(dialog.IsAttached());
        return view;
    }

    static std::function<void(HWND)> Button(int id) {
        return [id](HWND dialog) { PressButton(dialog, id); };
    }
    static std::function<void(HWND)> Key(WORD key) {
        return [key](HWND dialog) { PressKey(dialog, key); };
    }

    // Visible controls lie inside the client area and do not overlap; hidden
    // ones lie outside it.
    void ExpectLayout(const PromptView& view, const std::vector<int>& visible) {
        for (int id : kControlIds) {
            const bool wanted = std::find(visible.begin(), visible.end(), id) != visible.end();
            EXPECT_EQ(wanted, view.shown.at(id)) << "control " << id;
            EXPECT_EQ(wanted, Inside(view.rects.at(id), view.client)) << "control " << id;
        }
        for (size_t i = 0; i < visible.size(); ++i)
            for (size_t j = i + 1; j < visible.size(); ++j)
                EXPECT_FALSE(Overlaps(view.rects.at(visible[i]), view.rects.at(visible[j])))
                    << visible[i] << " and " << visible[j];
        EXPECT_TRUE(view.clipped.empty()) << "clipped text in control " << view.clipped.front();
    }

    std::string Text(const LocalizedText& entry) const {
        std::string text;
        LoadText(GetLanguage(), entry, text);
        return text;
    }

    void ExpectLocalizedTexts(const PromptView& view) {
        EXPECT_EQ(Text(texts::Calibrate), view.texts.at(IDC_CALIBRATE));
        EXPECT_EQ(Text(texts::Clean), view.texts.at(IDC_CLEAN));
        EXPECT_EQ(Text(texts::Cancel), view.texts.at(IDCANCEL));
        EXPECT_EQ(Text(texts::CalibrationRequired), view.texts.at(IDC_CALIBRATION_REQUIRED_TEXT));
        EXPECT_EQ(Text(texts::InsertCalibrationPaper), view.texts.at(IDC_CALIBRATION_PAPER_TEXT));
        EXPECT_EQ(Text(texts::InsertCleaningPaper), view.texts.at(IDC_CLEANING_PAPER_TEXT));
    }

    INT_PTR result_ = 0;
};

TEST_F(CalibrationPromptTest, CalibrateOrClean_ShowsBothActionsInEnglish) {
    const PromptView view = Run(IDD_CALIBRATE_AND_CLEAN, "Calibration Page", Button(IDC_CALIBRATE),
                                "dialog_325.png");
    ASSERT_TRUE(view.found);
    EXPECT_EQ(IDC_CALIBRATE, result_);
    EXPECT_EQ("Calibration Page", view.caption);
    EXPECT_EQ(OwnerHwnd(), view.owner);
    EXPECT_EQ("Calibrate", view.texts.at(IDC_CALIBRATE));
    EXPECT_EQ("Clean", view.texts.at(IDC_CLEAN));
    EXPECT_EQ("Cancel", view.texts.at(IDCANCEL));
    EXPECT_EQ("Please insert the black and white calibration paper face down into the scanner "
              "then press Calibrate.",
              view.texts.at(IDC_CALIBRATION_PAPER_TEXT));
    EXPECT_EQ("Please insert the cleaning paper then press the Clean button. A few drops of "
              "alcohol placed on the cleaning paper may help if the paper alone is not effective.",
              view.texts.at(IDC_CLEANING_PAPER_TEXT));
    EXPECT_EQ("In order to scan the scanner must first be calibrated.",
              view.texts.at(IDC_CALIBRATION_REQUIRED_TEXT));
    EXPECT_FALSE(view.hasOkButton);
    EXPECT_FALSE(view.iconShown);
    EXPECT_EQ(IDC_CALIBRATE, view.defaultId);
    ExpectLayout(view, {IDC_CALIBRATE, IDC_CLEAN, IDCANCEL, IDC_CALIBRATION_PAPER_TEXT,
                        IDC_CLEANING_PAPER_TEXT});
}

TEST_F(CalibrationPromptTest, CalibrateOnly_ShowsIconBothTextsAndCalibrate) {
    const PromptView view = Run(IDD_CALIBRATE_ONLY, "Tavix Scanner", Button(IDC_CALIBRATE),
                                "dialog_326.png");
    ASSERT_TRUE(view.found);
    EXPECT_EQ(IDC_CALIBRATE, result_);
    EXPECT_EQ("Tavix Scanner", view.caption);
    EXPECT_EQ(OwnerHwnd(), view.owner);
    EXPECT_TRUE(view.iconShown);
    EXPECT_EQ(IDC_CALIBRATE, view.defaultId);
    ExpectLocalizedTexts(view);
    ExpectLayout(view, {IDC_CALIBRATE, IDCANCEL, IDC_CALIBRATION_REQUIRED_TEXT,
                        IDC_CALIBRATION_PAPER_TEXT});
}

TEST_F(CalibrationPromptTest, CleanOnly_ShowsIconCleaningTextAndClean) {
    const PromptView view = Run(IDD_CLEAN_ONLY, "Calibration Page", Button(IDC_CLEAN),
                                "dialog_327.png");
    ASSERT_TRUE(view.found);
    EXPECT_EQ(IDC_CLEAN, result_);
    EXPECT_TRUE(view.iconShown);
    EXPECT_EQ(IDC_CLEAN, view.defaultId);
    ExpectLocalizedTexts(view);
    ExpectLayout(view, {IDC_CLEAN, IDCANCEL, IDC_CLEANING_PAPER_TEXT});
}

TEST_F(CalibrationPromptTest, WithoutCaptionTheTemplatesOwnStays) {
    const PromptView view = Run(IDD_CLEAN_ONLY, nullptr, Button(IDCANCEL));
    ASSERT_TRUE(view.found);
    EXPECT_EQ("Clean Page", view.caption);
    EXPECT_EQ(IDCANCEL, result_);
}

struct LocalizedCase {
    LanguageId language;
    const char* suffix;
    const char* calibrate;
    const char* clean;
    const char* cancel;
};

class LocalizedPromptTest : public CalibrationPromptTest,
                            public testing::WithParamInterface<LocalizedCase> {};

TEST_P(LocalizedPromptTest, EveryTemplateShowsTheLanguagesTextsUnclipped) {
    const LocalizedCase& c = GetParam();
    UseLanguage(c.language);
    const struct {
        UINT templateId;
        std::vector<int> visible;
    } templates[] = {
        {IDD_CALIBRATE_AND_CLEAN,
         {IDC_CALIBRATE, IDC_CLEAN, IDCANCEL, IDC_CALIBRATION_PAPER_TEXT, IDC_CLEANING_PAPER_TEXT}},
        {IDD_CALIBRATE_ONLY,
         {IDC_CALIBRATE, IDCANCEL, IDC_CALIBRATION_REQUIRED_TEXT, IDC_CALIBRATION_PAPER_TEXT}},
        {IDD_CLEAN_ONLY, {IDC_CLEAN, IDCANCEL, IDC_CLEANING_PAPER_TEXT}},
    };
    for (const auto& t : templates) {
        SCOPED_TRACE(t.templateId);
        const std::string caption = Text(texts::CalibrationPage);
        const std::string shot =
            "dialog_" + std::to_string(t.templateId) + "_" + c.suffix + ".png";
        const PromptView view = Run(t.templateId, caption.c_str(), Button(IDCANCEL), shot.c_str());
        ASSERT_TRUE(view.found);
        EXPECT_EQ(IDCANCEL, result_);
        EXPECT_EQ(caption, view.caption);
        EXPECT_EQ(c.calibrate, view.texts.at(IDC_CALIBRATE));
        EXPECT_EQ(c.clean, view.texts.at(IDC_CLEAN));
        EXPECT_EQ(c.cancel, view.texts.at(IDCANCEL));
        ExpectLocalizedTexts(view);
        ExpectLayout(view, t.visible);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LocalizedPromptTest,
                         testing::Values(LocalizedCase{LanguageGerman, "de", "Kalibrieren",
                                                       "Reinigen", "Abbrechen"},
                                         LocalizedCase{LanguageFrench, "fr", "\xC9talonner",
                                                       "Nettoyer", "Annuler"},
                                         LocalizedCase{LanguageSpanish, "es", "Calibrar",
                                                       "Limpiar", "Cancelar"},
                                         LocalizedCase{LanguageItalian, "it", "Calibra",
                                                       "Pulisci", "Cancella"}),
                         [](const testing::TestParamInfo<LocalizedCase>& info) {
                             return std::string(info.param.suffix);
                         });

TEST_F(CalibrationPromptTest, EnterPressesTheTemplatesDefaultButton) {
    Run(IDD_CALIBRATE_AND_CLEAN, "Calibration Page", Key(VK_RETURN));
    EXPECT_EQ(IDC_CALIBRATE, result_);
    Run(IDD_CALIBRATE_ONLY, "Calibration Page", Key(VK_RETURN));
    EXPECT_EQ(IDC_CALIBRATE, result_);
    Run(IDD_CLEAN_ONLY, "Calibration Page", Key(VK_RETURN));
    EXPECT_EQ(IDC_CLEAN, result_);
}

TEST_F(CalibrationPromptTest, EscapeCloseBoxAndCancelAnswerCancel) {
    for (UINT templateId : {IDD_CALIBRATE_AND_CLEAN, IDD_CALIBRATE_ONLY, IDD_CLEAN_ONLY}) {
        SCOPED_TRACE(templateId);
        PromptView view = Run(templateId, "Calibration Page", Key(VK_ESCAPE));
        EXPECT_FALSE(view.stayedOpen);
        EXPECT_EQ(IDCANCEL, result_);
        view = Run(templateId, "Calibration Page", PressCloseBox);
        EXPECT_FALSE(view.stayedOpen);
        EXPECT_EQ(IDCANCEL, result_);
        view = Run(templateId, "Calibration Page", Button(IDCANCEL));
        EXPECT_FALSE(view.stayedOpen);
        EXPECT_EQ(IDCANCEL, result_);
    }
}

TEST_F(CalibrationPromptTest, CleanButtonOfTheBothActionsPromptAnswersClean) {
    const PromptView view = Run(IDD_CALIBRATE_AND_CLEAN, "Calibration Page", Button(IDC_CLEAN));
    EXPECT_FALSE(view.stayedOpen);
    EXPECT_EQ(IDC_CLEAN, result_);
}

// The press of the hidden button is followed by Cancel: the dialog answers
// Cancel only when it ignored the press.
std::function<void(HWND)> ButtonThenCancel(int id) {
    return [id](HWND dialog) {
        PressButton(dialog, id);
        PressButton(dialog, IDCANCEL);
    };
}

TEST_F(CalibrationPromptTest, HiddenButtonCannotBePressed) {
    Run(IDD_CALIBRATE_ONLY, "Calibration Page", ButtonThenCancel(IDC_CLEAN));
    EXPECT_EQ(IDCANCEL, result_);
    Run(IDD_CLEAN_ONLY, "Calibration Page", ButtonThenCancel(IDC_CALIBRATE));
    EXPECT_EQ(IDCANCEL, result_);
    // Nor does an OK command, which these templates have no button for, end them.
    Run(IDD_CALIBRATE_AND_CLEAN, "Calibration Page", ButtonThenCancel(IDOK));
    EXPECT_EQ(IDCANCEL, result_);
    // The same sequence with a shown button answers that button.
    Run(IDD_CALIBRATE_ONLY, "Calibration Page", ButtonThenCancel(IDC_CALIBRATE));
    EXPECT_EQ(IDC_CALIBRATE, result_);
}

TEST_F(CalibrationPromptTest, MissingTemplateAnswersMinusOneAndShowsNothing) {
    CalibrationPromptDialog dialog(&Owner(), 9999, "Calibration Page");
    EXPECT_EQ(-1, dialog.DoModal());
}

}  // namespace
