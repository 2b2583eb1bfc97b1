// The data source's current language and the lookup of its localized texts.
// All calls come from the application's thread; the cache has no lock.
#pragma once

#include "localization/localized_text.h"

#include <string>

// The current language, always a valid id. The first call reads "Language" of
// section "MAIN" from the profile (or falls back to the system default) and
// keeps the answer in the module's application object for its life. Without
// an application object there is no profile and nothing to keep it in: the
// system default is read each time.
LanguageId GetLanguage();

// Makes `language` current and stores it in the profile. A failed write is
// ignored: the language still applies for the life of the module. Without an
// application object nothing changes.
void SetLanguage(LanguageId language);

// The language that the system's default language suggests; English for any
// language the table does not have.
LanguageId GetSystemLanguage();

// Replaces `out` with the entry's text in `language`.
void LoadText(LanguageId language, const LocalizedText& entry, std::string& out);

// The entry's text in the current language.
std::string CurrentText(const LocalizedText& entry);

// Name of paper size `index` (0 to 7, in scan size order). For any other index
// `out` is emptied and the result is false, which ends a caller's fill loop.
bool GetPaperSizeName(LanguageId language, int index, std::string& out);
