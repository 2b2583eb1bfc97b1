#include "setup/setup_language.h"

namespace {

// "Deutch" is the name the product has always shown.
const LanguageEntry kLanguages[kSetupLanguageCount] = {
    {"English", 1033},
    {"Français", 1036},
    {"Deutch", 1031},
    {"Español", 1034},
    {"Italiano", 1040},
};

LANGID currentId = kEnglishLanguage;
std::size_t currentIndex = 0;

}  // namespace

const LanguageEntry& SetupLanguage(std::size_t index) { return kLanguages[index]; }

bool SelectSetupLanguage(LANGID id) {
    for (std::size_t i = 0; i < kSetupLanguageCount; ++i) {
        if (kLanguages[i].id == id) {
            currentId = id;
            currentIndex = i;
            return true;
        }
    }
    return false;
}

LANGID CurrentLanguageId() { return currentId; }
std::size_t CurrentLanguageIndex() { return currentIndex; }
