// A table of an installer database read whole through msi.dll.
#pragma once

#include "msi_handle.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct MsiColumn {
    enum class Kind { String, Int16, Int32, Binary };
    std::wstring name;
    std::wstring type;  // as msi.dll reports it: "s72", "I2", "v0", ...
    Kind kind = Kind::String;
    bool key = false;
};

struct MsiValue {
    bool null = true;
    std::int32_t number = 0;
    std::wstring text;
    std::string bytes;  // binary columns
    bool operator==(const MsiValue& other) const {
        return null == other.null && number == other.number && text == other.text && bytes == other.bytes;
    }
    bool operator!=(const MsiValue& other) const { return !(*this == other); }
};

using MsiRow = std::vector<MsiValue>;

struct MsiTable {
    std::wstring name;
    std::vector<MsiColumn> columns;
    std::map<std::wstring, MsiRow> rows;  // by the text of their key values
};

// Names of all tables of the database, sorted.
bool ReadTableNames(MSIHANDLE database, std::vector<std::wstring>& names);
bool ReadTable(MSIHANDLE database, const std::wstring& name, MsiTable& table);
// One row's key values as one text, for matching rows between databases.
std::wstring RowKey(const MsiTable& table, const MsiRow& row);
