// Transform rows as the bytes of table streams, with the transform's own
// string pool.
#pragma once

#include "table_diff.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class TransformEncoder {
public:
    explicit TransformEncoder(std::uint32_t codepage) : codepage_(codepage) {}

    // False, with a reason, when a text cannot be stored.
    bool EncodeTable(const MsiTable& table, const std::vector<TransformRow>& rows, std::string& bytes,
                     std::wstring& reason);

    // "_StringPool": the code page, then length and use count per string id.
    std::string StringPool() const;
    // "_StringData": the strings back to back in the code page.
    std::string StringData() const;

private:
    bool StringId(const std::wstring& text, std::uint16_t& id, std::wstring& reason);

    struct PoolEntry {
        std::string bytes;
        std::uint16_t uses = 0;
    };

    std::uint32_t codepage_;
    std::vector<PoolEntry> pool_;  // string id - 1
    std::map<std::wstring, std::uint16_t> ids_;
};
