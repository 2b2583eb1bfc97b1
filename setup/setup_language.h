// The five setup languages and the process-wide current one.
#pragma once

#include <windows.h>

#include <cstddef>

struct LanguageEntry {
    const char* displayName;  // code page 1252
    LANGID id;
};

constexpr std::size_t kSetupLanguageCount = 5;
constexpr LANGID kEnglishLanguage = 1033;

// Supported languages in table order; the position is the language index.
const LanguageEntry& SetupLanguage(std::size_t index);

// Makes a supported LANGID current; the whole id must match.
bool SelectSetupLanguage(LANGID id);
LANGID CurrentLanguageId();
std::size_t CurrentLanguageIndex();
