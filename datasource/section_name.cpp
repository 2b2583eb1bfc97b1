#include "datasource/section_name.h"

#include <cstring>

namespace {
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
}  // namespace

void MakeSectionName(const char* productName, char (&section)[kSectionNameSize]) {
    size_t kept = 0;
    for (size_t i = 0; i < 33 && productName[i] != '\0' && kept < kSectionNameSize - 1; ++i) {
        char c = productName[i];
        if (IsAsciiLetter(c)) section[kept++] = (c >= 'a') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    section[kept] = '\0';
    if (kept < 3) std::strcpy(section, "UNTITLED");
}
