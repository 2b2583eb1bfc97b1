// The changes that turn one table into another, as transform rows.
#pragma once

#include "msi_table.h"

#include <cstdint>
#include <string>
#include <vector>

struct TransformRow {
    // 0: delete (keys only); low bit set: whole row, column count in the high
    // byte; otherwise one bit per changed column, keys always present.
    std::uint16_t mask = 0;
    std::vector<const MsiValue*> values;  // only the values present in the row
};

// False, with a reason, for changes a transform of this kind cannot carry
// (new or changed binary data, masks beyond 16 columns).
bool DiffTable(const MsiTable& base, const MsiTable& target, std::vector<TransformRow>& rows, std::wstring& reason);
