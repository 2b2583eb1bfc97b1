#include "setup/language_list.h"

#include "setup/setup_resources.h"

#include <cstdlib>
#include <string>

bool LoadLanguageList(std::vector<LanguageEntry>& list) {
    std::string text;
    if (!ReadResourceString("LANGUAGES", text)) text = "1033";
    list.clear();
    while (!text.empty()) {
        const std::size_t separator = text.find(';');
        const std::string item = text.substr(0, separator);
        text = separator == std::string::npos ? std::string() : text.substr(separator + 1);
        const int id = std::atoi(item.c_str());
        for (std::size_t i = 0; i < kSetupLanguageCount; ++i) {
            if (SetupLanguage(i).id == id) {
                list.push_back(SetupLanguage(i));
                break;
            }
        }
    }
    return true;
}
