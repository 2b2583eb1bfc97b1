#include "table_diff.h"

namespace {

bool HasBinary(const MsiTable& table) {
    for (const MsiColumn& column : table.columns) {
        if (column.kind == MsiColumn::Kind::Binary) return true;
    }
    return false;
}

TransformRow WholeRow(const MsiRow& row) {
    TransformRow out;
    out.mask = static_cast<std::uint16_t>((row.size() << 8) | 1);
    for (const MsiValue& value : row) out.values.push_back(&value);
    return out;
}

}  // namespace

bool DiffTable(const MsiTable& base, const MsiTable& target, std::vector<TransformRow>& rows, std::wstring& reason) {
    const std::size_t count = base.columns.size();
    for (const auto& [key, row] : base.rows) {
        if (target.rows.count(key) == 0) {
            TransformRow deletion;
            for (std::size_t i = 0; i < count && base.columns[i].key; ++i) deletion.values.push_back(&row[i]);
            rows.push_back(deletion);
        }
    }
    for (const auto& [key, row] : target.rows) {
        const auto found = base.rows.find(key);
        if (found == base.rows.end()) {
            if (HasBinary(target)) {
                reason = L"new row with binary data in " + base.name;
                return false;
            }
            rows.push_back(WholeRow(row));
            continue;
        }
        std::uint32_t changed = 0;
        for (std::size_t i = 0; i < count; ++i) {
            if (row[i] == found->second[i]) continue;
            if (base.columns[i].kind == MsiColumn::Kind::Binary) {
                reason = L"changed binary data in " + base.name;
                return false;
            }
            if (i >= 16) {
                reason = L"change beyond the 16th column in " + base.name;
                return false;
            }
            changed |= 1u << i;
        }
        if (changed == 0) continue;
        TransformRow update;
        update.mask = static_cast<std::uint16_t>(changed);
        for (std::size_t i = 0; i < count; ++i) {
            if (base.columns[i].key || (changed & (1u << i))) update.values.push_back(&row[i]);
        }
        rows.push_back(update);
    }
    return true;
}
