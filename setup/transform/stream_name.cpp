#include "stream_name.h"

namespace {

constexpr wchar_t kTableMarker = 0x4840;
constexpr wchar_t kSingleBase = 0x4800;
constexpr wchar_t kPairBase = 0x3800;

// Index in the 64-character alphabet 0-9, A-Z, a-z, '.', '_'; -1 outside it.
int AlphabetIndex(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'A' && c <= L'Z') return c - L'A' + 10;
    if (c >= L'a' && c <= L'z') return c - L'a' + 36;
    if (c == L'.') return 62;
    if (c == L'_') return 63;
    return -1;
}

}  // namespace

std::wstring EncodeTableStreamName(const std::wstring& table) {
    std::wstring out(1, kTableMarker);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const int first = AlphabetIndex(table[i]);
        if (first < 0) {
            out += table[i];
            continue;
        }
        const int second = i + 1 < table.size() ? AlphabetIndex(table[i + 1]) : -1;
        if (second < 0) {
            out += static_cast<wchar_t>(kSingleBase + first);
        } else {
            out += static_cast<wchar_t>(kPairBase + first + (second << 6));
            ++i;
        }
    }
    return out;
}
