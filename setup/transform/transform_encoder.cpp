#include "transform_encoder.h"

#include <windows.h>

namespace {

void Put16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(value >> 16));
}

// Column values are stored biased so that 0 can mean null.
constexpr std::uint32_t kBias16 = 0x8000;
constexpr std::uint32_t kBias32 = 0x80000000u;

}  // namespace

bool TransformEncoder::StringId(const std::wstring& text, std::uint16_t& id, std::wstring& reason) {
    const auto found = ids_.find(text);
    if (found != ids_.end()) {
        id = found->second;
        ++pool_[id - 1].uses;
        return true;
    }
    BOOL lossy = FALSE;
    const UINT codepage = codepage_;
    const int size = WideCharToMultiByte(codepage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, codepage == CP_UTF8 ? nullptr : &lossy);
    if (size <= 0 || size > 0xFFFF || lossy) {
        reason = L"text not representable in the code page: " + text;
        return false;
    }
    if (pool_.size() >= 0xFFFF) {
        reason = L"more strings than two-byte references allow";
        return false;
    }
    PoolEntry entry;
    entry.bytes.resize(static_cast<std::size_t>(size));
    WideCharToMultiByte(codepage, 0, text.data(), static_cast<int>(text.size()), &entry.bytes[0], size, nullptr,
                        nullptr);
    entry.uses = 1;
    pool_.push_back(entry);
    id = static_cast<std::uint16_t>(pool_.size());
    ids_.emplace(text, id);
    return true;
}

bool TransformEncoder::EncodeTable(const MsiTable& table, const std::vector<TransformRow>& rows, std::string& bytes,
                                   std::wstring& reason) {
    for (const TransformRow& row : rows) {
        Put16(bytes, row.mask);
        std::size_t next = 0;
        for (std::size_t i = 0; i < table.columns.size() && next < row.values.size(); ++i) {
            const MsiColumn& column = table.columns[i];
            const bool whole = (row.mask & 1) != 0;
            if (!whole && !column.key && (row.mask & (1u << i)) == 0) continue;
            const MsiValue& value = *row.values[next++];
            switch (column.kind) {
                case MsiColumn::Kind::String: {
                    std::uint16_t id = 0;
                    // Installer databases hold no empty strings: empty is null.
                    if (!value.null && !value.text.empty() && !StringId(value.text, id, reason)) return false;
                    Put16(bytes, id);
                    break;
                }
                case MsiColumn::Kind::Int16:
                    Put16(bytes, value.null ? 0 : static_cast<std::uint16_t>(value.number + kBias16));
                    break;
                case MsiColumn::Kind::Int32:
                    Put32(bytes, value.null ? 0 : static_cast<std::uint32_t>(value.number) ^ kBias32);
                    break;
                case MsiColumn::Kind::Binary:
                    reason = L"binary data in " + table.name;
                    return false;
            }
        }
    }
    return true;
}

std::string TransformEncoder::StringPool() const {
    std::string out;
    Put32(out, codepage_);
    for (const PoolEntry& entry : pool_) {
        Put16(out, static_cast<std::uint16_t>(entry.bytes.size()));
        Put16(out, entry.uses);
    }
    return out;
}

std::string TransformEncoder::StringData() const {
    std::string out;
    for (const PoolEntry& entry : pool_) out += entry.bytes;
    return out;
}
