// The language code of the data source and one entry of its text table.
#pragma once

#include <cstdint>

// Stored in the profile and returned by the scanner dialog, so it keeps its
// historical 16-bit signed width.
using LanguageId = int16_t;

constexpr LanguageId LanguageEnglish = 1210;
constexpr LanguageId LanguageFrench = 1211;
constexpr LanguageId LanguageSpanish = 1212;
constexpr LanguageId LanguageItalian = 1213;
constexpr LanguageId LanguageGerman = 1214;

constexpr int LanguageCount = 5;

inline bool IsValidLanguage(LanguageId language) {
    return language >= LanguageEnglish && language <= LanguageGerman;
}

// Zero-terminated code page 1252 texts, one per language, in the order of the
// ids above (column = id - LanguageEnglish). None is ever null or empty.
struct LocalizedText {
    const char* Text[LanguageCount];
};
