#include "setup/command_line.h"

#include "setup/setup_language.h"
#include "setup/setup_state.h"

#include <cstdlib>
#include <cstring>

std::vector<std::string> SplitOptions(const char* commandLine) {
    std::vector<std::string> tokens;
    const char* slash = commandLine ? std::strchr(commandLine, '/') : nullptr;
    while (slash != nullptr) {
        const char* const next = std::strchr(slash + 1, '/');
        std::string token = next ? std::string(slash, next) : std::string(slash);
        while (!token.empty() && token.back() == ' ') token.pop_back();
        if (!token.empty()) tokens.push_back(token);
        slash = next;
    }
    return tokens;
}

void ParseCommandLine(const char* commandLine) {
    SetupState& state = State();
    for (const std::string& token : SplitOptions(commandLine)) {
        if (token.size() < 2) continue;
        switch (token[1]) {
            case 'L':
            case 'l': {
                // Out-of-range numbers must not wrap onto a supported id.
                const int id = std::atoi(token.c_str() + 2);
                if (id > 0 && id <= 0xFFFF && SelectSetupLanguage(static_cast<LANGID>(id))) {
                    state.languageFixed = true;
                }
                break;
            }
            case 'S':
            case 's':
                state.silent = true;
                // A later /L still wins, so /S /L1036 and /L1036 /S agree.
                if (!state.languageFixed) {
                    state.languageFixed = true;
                    SelectSetupLanguage(kEnglishLanguage);
                }
                break;
            case 'W':
            case 'w':
                state.wait = true;
                break;
            default:
                break;
        }
    }
}
