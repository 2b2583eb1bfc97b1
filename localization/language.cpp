#include "localization/language.h"

#include "framework/win_app.h"
#include "localization/text_table.h"

#include <windows.h>

#include <cstdint>

namespace {

const char ProfileSection[] = "MAIN";
const char ProfileKey[] = "Language";

LanguageId ReadStoredLanguage(const CWinApp* app) {
    int stored = app ? app->GetProfileInt(ProfileSection, ProfileKey, 0) : 0;
    // The value was always written from a 16-bit id, so only the low 16 bits count.
    return static_cast<LanguageId>(static_cast<uint16_t>(stored));
}

}  // namespace

LanguageId GetSystemLanguage() {
    // The country part is ignored, and so is the user's own UI language.
    switch (PRIMARYLANGID(GetSystemDefaultLangID())) {
    case LANG_GERMAN:
        return LanguageGerman;
    case LANG_SPANISH:
        return LanguageSpanish;
    case LANG_FRENCH:
        return LanguageFrench;
    case LANG_ITALIAN:
        return LanguageItalian;
    default:
        return LanguageEnglish;
    }
}

LanguageId GetLanguage() {
    CWinApp* app = CWinApp::Current();
    if (app && app->CachedLanguage() != 0) return app->CachedLanguage();
    const LanguageId stored = ReadStoredLanguage(app);
    // A language taken from the system is not written back, so that a later
    // load under another system language follows that one.
    const LanguageId language = IsValidLanguage(stored) ? stored : GetSystemLanguage();
    if (app) app->SetCachedLanguage(language);
    return language;
}

void SetLanguage(LanguageId language) {
    CWinApp* app = CWinApp::Current();
    if (!app) return;
    app->WriteProfileInt(ProfileSection, ProfileKey, language);
    app->SetCachedLanguage(language);
}

void LoadText(LanguageId language, const LocalizedText& entry, std::string& out) {
    // Callers pass GetLanguage(); anything else still must not read past the entry.
    int column = IsValidLanguage(language) ? language - LanguageEnglish : 0;
    out.assign(entry.Text[column]);
}

std::string CurrentText(const LocalizedText& entry) {
    std::string text;
    LoadText(GetLanguage(), entry, text);
    return text;
}

bool GetPaperSizeName(LanguageId language, int index, std::string& out) {
    // Compared unsigned so that a negative index counts as past the end.
    if (static_cast<unsigned>(index) >= static_cast<unsigned>(texts::PaperSizeCount)) {
        out.clear();
        return false;
    }
    LoadText(language, *texts::PaperSizeNames[index], out);
    return true;
}

